// What a person does with the mouse and the keyboard, for the window tests:
// a click on a grid cell's rectangle, keys typed with no pause.
#pragma once

#include "app/table_grid.h"

#include <QApplication>
#include <QTableView>
#include <QTest>

#include <algorithm>

namespace tv::test {

// A person reaches a cell by clicking its rectangle: on the grid's viewport,
// or on the view that draws the fixed columns when the cell is one of them.
inline void ClickCell(app::TableGrid* grid, int row, int column) {
    // Scrolled to first, as a person scrolls to the row and column wanted.
    static_cast<QAbstractItemView*>(grid)->scrollTo(
        grid->model()->index(row, std::max(column, grid->FixedColumns())));
    QAbstractItemView* view = grid;
    if (column < grid->FixedColumns())
        view = grid->findChild<QTableView*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(view);
    const QRect cell = view->visualRect(view->model()->index(row, column));
    QVERIFY2(view->viewport()->rect().contains(cell.center()), "the cell is out of view");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

// Types as a fast typist does: each key goes to the widget holding the focus
// just then, with no pause. `pauseAfter` characters in, the typist stops for
// longer than a double click, so that any delayed reaction to the click runs
// in the middle of the typing.
inline void TypeFast(const QString& text, int pauseAfter = -1) {
    for (int i = 0; i < text.size(); ++i) {
        if (i == pauseAfter) QTest::qWait(QApplication::doubleClickInterval() + 100);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, text[i].toLatin1());
        // Between two keys the event loop runs what is already posted, as it does between two X events.
        QCoreApplication::processEvents();
    }
}

inline void Activate(QWidget* window) {
    window->activateWindow(); // no window manager on the offscreen platform does it
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::qWait(50); // the activation's own focus events come in, as before a person's next click
}

} // namespace tv::test
