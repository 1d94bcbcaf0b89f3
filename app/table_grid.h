// A grid over a CursorTableModel that behaves like the window's data-aware
// grids: column widths in characters, the current cell follows the cursor,
// leaving a row or the grid posts the edit, Enter moves to the next column,
// and, where allowed, Ctrl+Supr deletes the current row after a question.
#pragma once

#include <QTableView>

namespace tv::app {

class CursorTableModel;

struct GridOptions {
    bool fixedColumn = false; // the row marker column on the left
    bool scrollBars = true;
    bool alternatingRows = false;
    bool narrowCharacters = false; // widths in average characters, for grids of many columns
    bool rowsDeletable = false;
    bool twoLineTitles = false; // titles wrap onto a second line
};

class TableGrid : public QTableView {
    Q_OBJECT
  public:
    TableGrid(CursorTableModel* model, GridOptions options, QWidget* parent = nullptr);

    CursorTableModel* Model() const { return model_; }
    using QTableView::edit;
    // Asks, then deletes the current row (the keyboard's Ctrl+Supr).
    void DeleteCurrentRow();
    // Stores the text of an editor still open (a button was clicked meanwhile).
    void CommitEdit();
    // The leading columns that cannot be entered, shaded (as the model declares them).
    int FixedColumns() const;

  signals:
    // The grid received the focus (the window's "Enter" handlers).
    void entered();
    // The user tried to change a cell that is read-only just now.
    void editRefused(const QModelIndex& index);

  protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

  private:
    void FollowCursor(int row);
    void ApplyColumnWidths();
    void MoveToNextColumn();
    void BuildFrozenColumns();
    void PlaceFrozenColumns();
    int FrozenWidth() const;

    CursorTableModel* model_;
    GridOptions options_;
    // The fixed columns, drawn again over the left of the grid so that they stay when it scrolls.
    QTableView* frozen_ = nullptr;
    bool changingCurrent_ = false;
    bool leavingFixedColumn_ = false;
    QPersistentModelIndex pressedOnCurrent_;
};

} // namespace tv::app
