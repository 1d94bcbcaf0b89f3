#!/usr/bin/python3
"""Finds a grid cell of the running TransVeloraDAE on the accessibility bus.

    atspi-cell.py GRID ROW COLUMN         prints "X Y", the screen centre of the cell
    atspi-cell.py GRID ROW COLUMN --text  prints the text the cell shows
    atspi-cell.py GRID --find COLUMN TEXT prints the first row whose cell shows TEXT

GRID is the accessible name of a grid (the window gives each grid its name).
Waits up to 20 seconds for the grid to appear. Runs with Debian's python3 and
python3-pyatspi.
"""
import sys
import time

import pyatspi


def find_table(name):
    """The table named `name`, searched window by window without entering tables."""
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        stack = list(app)
        while stack:
            node = stack.pop()
            if node is None:
                continue
            try:
                role = node.getRoleName()
                if role == "table":
                    if node.name == name:
                        return node
                    continue
                stack.extend(node)
            except Exception:  # a widget that went away meanwhile
                continue
    return None


def cell_text(cell):
    try:
        return cell.queryText().getText(0, -1)
    except NotImplementedError:
        return cell.name


def main(argv):
    name = argv[1]
    table = None
    for _ in range(100):
        table = find_table(name)
        if table is not None:
            break
        time.sleep(0.2)
    if table is None:
        sys.exit(f"no grid named {name}")
    cells = table.queryTable()
    if argv[2] == "--find":
        column, text = int(argv[3]), argv[4]
        for row in range(cells.nRows):
            if cell_text(cells.getAccessibleAt(row, column)) == text:
                print(row)
                return
        sys.exit(f"no row of {name} shows {text}")
    cell = cells.getAccessibleAt(int(argv[2]), int(argv[3]))
    if len(argv) > 4 and argv[4] == "--text":
        print(cell_text(cell))
        return
    box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    print(box.x + box.width // 2, box.y + box.height // 2)


if __name__ == "__main__":
    main(sys.argv)
