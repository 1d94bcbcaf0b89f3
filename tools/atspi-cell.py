#!/usr/bin/python3
"""Finds a grid cell of the running TransVeloraDAE on the accessibility bus.

    atspi-cell.py GRID ROW COLUMN         prints "X Y", the screen centre of the cell
    atspi-cell.py GRID ROW COLUMN --text  prints the text the cell shows
    atspi-cell.py GRID --find COLUMN TEXT prints the first row whose cell shows TEXT

GRID is the accessible name of a grid (the window gives each grid its name).
Asks again for up to 20 seconds while the grid or the cell is not there. Runs with Debian's python3 and
python3-pyatspi.
"""
import sys
import time

import pyatspi


def children(node):
    """The children of `node`; none when it went away or is still being built."""
    try:
        return [node.getChildAtIndex(i) for i in range(max(node.childCount, 0))]
    except Exception:
        return []


def find_table(name):
    """The table named `name`, searched window by window without entering tables."""
    stack = [app for app in children(pyatspi.Registry.getDesktop(0)) if app is not None]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        try:
            if node.getRoleName() == "table":
                if node.name == name:
                    return node
                continue
        except Exception:  # a widget that went away meanwhile
            continue
        stack.extend(children(node))
    return None


def cell_text(cell):
    try:
        return cell.queryText().getText(0, -1)
    except NotImplementedError:
        return cell.name


def answer(argv):
    """The answer for `argv`, or None while the grid or its cell is not there yet."""
    name = argv[1]
    table = find_table(name)
    if table is None:
        return None
    cells = table.queryTable()
    if argv[2] == "--find":
        column, text = int(argv[3]), argv[4]
        for row in range(cells.nRows):
            cell = cells.getAccessibleAt(row, column)
            if cell is None:
                return None
            if cell_text(cell) == text:
                return str(row)
        return None
    cell = cells.getAccessibleAt(int(argv[2]), int(argv[3]))
    if cell is None:
        return None
    if len(argv) > 4 and argv[4] == "--text":
        return cell_text(cell)
    box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return f"{box.x + box.width // 2} {box.y + box.height // 2}"


def main(argv):
    # The window may be busy (a grid reloading): ask again for up to 20 seconds.
    for _ in range(100):
        try:
            result = answer(argv)
        except Exception:  # a widget that went away meanwhile
            result = None
        if result is not None:
            print(result)
            return
        time.sleep(0.2)
    sys.exit(f"no answer from the grid {argv[1]}: {' '.join(argv[2:])}")


if __name__ == "__main__":
    main(sys.argv)
