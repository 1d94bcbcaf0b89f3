#include "app/table_grid.h"

#include "app/cursor_table_model.h"
#include "app/message_boxes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>

namespace tv::app {

TableGrid::TableGrid(CursorTableModel* model, GridOptions options, QWidget* parent)
    : QTableView(parent), model_(model), options_(options) {
    setModel(model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setAlternatingRowColors(options.alternatingRows);
    setTabKeyNavigation(true);
    verticalHeader()->setVisible(options.fixedColumn);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) + 6);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    if (!options.scrollBars) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    if (options.twoLineTitles) {
        horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
        horizontalHeader()->setFixedHeight(2 * horizontalHeader()->fontMetrics().height() + 8);
    }
    ApplyColumnWidths();
    if (model->FixedColumns() > 0) BuildFrozenColumns();
    connect(model, &CursorTableModel::cursorMoved, this, &TableGrid::FollowCursor);
    connect(model, &QAbstractItemModel::modelReset, this, &TableGrid::ApplyColumnWidths);
}

int TableGrid::FixedColumns() const {
    return model_->FixedColumns();
}

void TableGrid::DeleteCurrentRow() {
    if (model_->CurrentRow() < 0) return;
    if (!MessageBoxes::Question(this, tr("¿Borrar el registro?"))) return;
    model_->DeleteCurrentRow();
}

void TableGrid::CommitEdit() {
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TableGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    {
        // An editor closed by this change is no Enter: the grid does not move on by itself.
        const QScopedValueRollback changing(changingCurrent_, true);
        QTableView::currentChanged(current, previous);
    }
    if (!current.isValid()) return;
    // The record of the row reached is current at once, the one left posted,
    // wherever on the row the click landed.
    if (current.row() != model_->CurrentRow()) model_->MoveToRow(current.row());
    // The fixed columns are never entered: the column the user was in stays
    // current, or the first after them, and no editor opens by itself there.
    if (current.column() < FixedColumns() && FixedColumns() < model_->columnCount()) {
        const int column =
            previous.isValid() && previous.column() >= FixedColumns() ? previous.column() : FixedColumns();
        const QScopedValueRollback leaving(leavingFixedColumn_, true);
        setCurrentIndex(current.siblingAtColumn(column));
    }
}

void TableGrid::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    // Getting the window back (after a message box) is no new entry.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit entered();
}

void TableGrid::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    QWidget* next = QApplication::focusWidget();
    const bool ownEditor = next && isAncestorOf(next);
    const bool windowSwitch =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (!ownEditor && !windowSwitch) model_->PostEdit();
}

void TableGrid::keyPressEvent(QKeyEvent* event) {
    // A key that reaches the grid while the current cell's editor is open (the
    // focus not yet in it) belongs to that editor: the view would spend it on
    // a search.
    QWidget* editor = indexWidget(currentIndex());
    if (editor && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        editor->setFocus();
        QCoreApplication::sendEvent(editor->focusProxy() ? editor->focusProxy() : editor, event);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && state() != EditingState) {
        MoveToNextColumn();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
        if (options_.rowsDeletable) DeleteCurrentRow();
        event->accept();
        return;
    }
    // Down on the last row inserts nothing: the base view stops there already.
    QTableView::keyPressEvent(event);
}

void TableGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    pressedOnCurrent_ = index.isValid() && index == currentIndex() ? index : QModelIndex();
    QTableView::mousePressEvent(event);
}

void TableGrid::mouseReleaseEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool onCurrent = event->button() == Qt::LeftButton && index.isValid() && index == pressedOnCurrent_;
    QTableView::mouseReleaseEvent(event);
    // A click on the current cell enters it, selected or not (after a click on
    // the fixed columns it is current without being selected).
    if (onCurrent && state() != EditingState && !indexWidget(index)) edit(index, EditKeyPressed, event);
}

void TableGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    // Enter in an editor stores the text and goes on to the next column.
    if (hint == QAbstractItemDelegate::SubmitModelCache && !changingCurrent_) MoveToNextColumn();
}

bool TableGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // The cell the grid shows as it opens is entered only once the user is in
    // the grid; a click on the fixed columns chooses a record, not a cell.
    if (trigger == CurrentChanged && (!hasFocus() || leavingFixedColumn_)) return false;
    // A click on the current cell opens its editor at once: the view would wait
    // for a double click, and the keys typed meanwhile would be lost.
    if (trigger == SelectedClicked) trigger = EditKeyPressed;
    // Passing over a read-only cell is no attempt to change it.
    const bool attempt = trigger == DoubleClicked || trigger == SelectedClicked ||
                         trigger == EditKeyPressed || trigger == AnyKeyPressed;
    if (attempt && index.isValid() && index.column() >= FixedColumns() &&
        !(model_->flags(index) & Qt::ItemIsEditable)) {
        emit editRefused(index);
        return false;
    }
    if (!QTableView::edit(index, trigger, event)) return false;
    // A cell takes no more characters than its field holds.
    auto* line = qobject_cast<QLineEdit*>(indexWidget(index));
    if (line && model_->FieldLength(index.column()) > 0) {
        // Setting the length sets the text again: what was selected to be typed over stays selected.
        const bool allSelected = line->hasSelectedText() && line->selectedText() == line->text();
        line->setMaxLength(model_->FieldLength(index.column()));
        if (allSelected) line->selectAll();
    }
    return true;
}

void TableGrid::BuildFrozenColumns() {
    frozen_ = new QTableView(this);
    frozen_->setObjectName(objectName() + QStringLiteral("Fijas"));
    frozen_->setModel(model_);
    frozen_->setSelectionModel(selectionModel());
    // A click on the fixed columns puts the keyboard in the grid.
    frozen_->setFocusPolicy(Qt::ClickFocus);
    frozen_->setFocusProxy(this);
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen_->setAlternatingRowColors(options_.alternatingRows);
    frozen_->verticalHeader()->hide();
    frozen_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->horizontalHeader()->setDefaultAlignment(horizontalHeader()->defaultAlignment());
    frozen_->horizontalHeader()->setFixedHeight(horizontalHeader()->height());
    frozen_->horizontalHeader()->setHighlightSections(false);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollMode(ScrollPerPixel);
    frozen_->setStyleSheet(QStringLiteral("QTableView { border: none; background-color: #eef0f4; "
                                          "border-right: 1px solid #8a8f99; }"));
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerPixel);
    viewport()->stackUnder(frozen_);
    const auto hideScrolling = [this] {
        for (int column = 0; column < model_->columnCount(); ++column) {
            frozen_->setColumnHidden(column, column >= FixedColumns());
            if (column < FixedColumns()) frozen_->setColumnWidth(column, columnWidth(column));
        }
        PlaceFrozenColumns();
    };
    hideScrolling();
    connect(model_, &QAbstractItemModel::modelReset, this, hideScrolling);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column < FixedColumns()) frozen_->setColumnWidth(column, width);
        PlaceFrozenColumns();
    });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int height) { frozen_->setRowHeight(row, height); });
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    frozen_->show();
}

int TableGrid::FrozenWidth() const {
    int width = 0;
    for (int column = 0; column < FixedColumns() && column < model_->columnCount(); ++column)
        width += columnWidth(column);
    return width;
}

void TableGrid::PlaceFrozenColumns() {
    if (!frozen_) return;
    const int left = (verticalHeader()->isHidden() ? 0 : verticalHeader()->width()) + frameWidth();
    frozen_->setGeometry(left, frameWidth(), FrozenWidth(),
                         viewport()->height() + horizontalHeader()->height());
}

void TableGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    PlaceFrozenColumns();
}

void TableGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (frozen_ && index.column() < FixedColumns()) return; // they never scroll
    QTableView::scrollTo(index, hint);
    // A cell brought into view must not stay hidden under the fixed columns.
    const int hidden = frozen_ ? FrozenWidth() - visualRect(index).left() : 0;
    if (hidden > 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() - hidden);
}

void TableGrid::FollowCursor(int row) {
    if (row < 0) return;
    const int column = currentIndex().isValid() ? currentIndex().column() : 0;
    const QModelIndex target = model_->index(row, column);
    if (target != currentIndex()) setCurrentIndex(target);
}

void TableGrid::ApplyColumnWidths() {
    // A column is as wide as its characters, and never narrower than its title.
    const QFontMetrics header(horizontalHeader()->font());
    const int character = options_.narrowCharacters ? fontMetrics().averageCharWidth()
                                                    : fontMetrics().horizontalAdvance(QLatin1Char('0'));
    for (int column = 0; column < model_->columnCount(); ++column) {
        const QString title = model_->headerData(column, Qt::Horizontal).toString();
        setColumnWidth(column, std::max(model_->WidthInCharacters(column) * character + 8,
                                        header.horizontalAdvance(title) + 12));
    }
}

void TableGrid::MoveToNextColumn() {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    if (current.column() + 1 < model_->columnCount()) {
        setCurrentIndex(current.siblingAtColumn(current.column() + 1));
    } else if (current.row() + 1 < model_->rowCount()) {
        setCurrentIndex(model_->index(current.row() + 1, 0));
    }
}

} // namespace tv::app
