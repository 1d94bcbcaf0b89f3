// A grid's rows over a table cursor of the main window, as the data-aware
// grids of the window behave: the grid's current row is the cursor's row,
// typing edits the cursor's record, and moving to another row (or leaving the
// grid, see TableGrid) posts it. Rows are never inserted from the grid; an
// empty table shows the one new row that Edit() starts.
//
// The model listens to its cursor: rows posted through any cursor on the same
// table, fields a rule sets in the cursor's record, a master that moved, are
// shown as they happen, without the window asking. The cursor's moves made
// elsewhere are followed once the event loop runs again, so that a rule
// walking the table does not set the window's handlers off at every row.
#pragma once

#include "app/grid_column.h"
#include "tables/row_listeners.h"
#include "tables/table.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace tv::app {

class CursorTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // `titleContext` is the context the columns' titles were declared in.
    CursorTableModel(tables::Table& cursor, std::span<const GridColumn> columns, const char* titleContext,
                     QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Opens the cursor (when not open) on `name` in `folder` and reads the rows.
    void Open(const std::filesystem::path& folder, std::string_view name);
    // Closes the cursor; an edit not posted is discarded.
    void Close();
    bool IsOpen() const;
    // The navigator's "Refrescar datos": stores an edit and reads every row again.
    void Reload();

    int CurrentRow() const; // -1 when there is none
    // The record shown in `row`: 0 for a new row not yet stored.
    std::uint32_t RecordAt(int row) const;
    void MoveToRow(int row);
    // Makes `record` current, the grid with it (a rule found the row the user must see).
    void MoveToRecord(std::uint32_t record);
    void First();
    // Starts editing the current row unless it is being edited; on an empty
    // table this starts a new row.
    void StartEdit();
    bool Editing() const;
    void PostEdit();
    // Drops the edit in progress and shows the record as stored.
    void CancelEdit();
    void DeleteCurrentRow();

    int WidthInCharacters(int column) const;
    // How many characters the column's field holds (0 when not a character field).
    int FieldLength(int column) const;
    int FixedColumns() const { return FixedColumnCount(columns_); }
    QString CurrentText(int column) const;
    std::string_view Field(int column) const;
    int ColumnOf(std::string_view field) const; // -1 when not shown

  signals:
    // The cursor moved by itself (a post, a delete, a reload, a rule).
    void cursorMoved(int row);
    // The record being edited was stored.
    void posted();
    // A table error met while the grid worked on the cursor; the window shows it.
    void failed(const QString& message);

  protected:
    // Whether the column may be typed into now; a window's rule may narrow it.
    virtual bool Editable(int row, int column) const;

  private:
    struct Row {
        std::uint32_t record = 0; // 0 for the new row being inserted
        QStringList values;
    };

    void OnRowEvent(const tables::RowEvent& event);
    // A stored row changed or was added: shown in place when the rows shown
    // stay the same, else all read again.
    void ShowStoredChange(std::uint32_t record);
    void ReadAllRows();
    void RefreshRow(int row);
    // The grid goes to the cursor's row once the event loop runs again.
    void FollowCursorLater();
    Row ReadCurrent() const;
    Row ReadRecord(std::uint32_t record) const;
    int RowOfRecord(std::uint32_t record) const;
    template <typename Action> bool Guarded(Action action);

    tables::Table& cursor_;
    std::span<const GridColumn> columns_;
    const char* titleContext_;
    std::vector<Row> rows_;
    tables::RowSubscription subscription_;
    // While the model itself works on the cursor it shows what it did; the
    // cursor's events are for what others do.
    int acting_ = 0;
    bool followPending_ = false;
};

} // namespace tv::app
