// A grid's rows over a table cursor of the main window, as the data-aware
// grids of the window behave: the grid's current row is the cursor's row,
// typing edits the cursor's record, and moving to another row (or leaving the
// grid, see TableGrid) posts it. Rows are never inserted from the grid; an
// empty table shows the one new row that Edit() starts.
//
// The rows are read once when the model opens or reloads, and kept as shown;
// after a step changed the table through its own cursors, call Reload().
#pragma once

#include "tables/table.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

namespace tv::app {

struct GridColumn {
    std::string field;
    int widthInCharacters = 0;
    bool editable = false;
};

class CursorTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    CursorTableModel(tables::Table& cursor, std::vector<GridColumn> columns, QObject* parent = nullptr);

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
    void Reload();

    int CurrentRow() const; // -1 when there is none
    // The record shown in `row`: 0 for a new row not yet stored.
    std::uint32_t RecordAt(int row) const;
    void MoveToRow(int row);
    void First();
    // Starts editing the current row unless it is being edited; on an empty
    // table this starts a new row.
    void StartEdit();
    bool Editing() const;
    void PostEdit();
    // Drops the edit in progress and shows the record as stored.
    void CancelEdit();
    void DeleteCurrentRow();
    // Shows the current record again after a rule changed it through the cursor.
    void RefreshCurrentRow();

    int WidthInCharacters(int column) const;
    // How many characters the column's field holds (0 when not a character field).
    int FieldLength(int column) const;
    QString CurrentText(int column) const;
    const std::string& Field(int column) const;
    int ColumnOf(std::string_view field) const; // -1 when not shown

  signals:
    // The cursor moved by itself (a post, a delete, a reload).
    void cursorMoved(int row);
    // The record being edited was stored.
    void posted();
    // A table error met while the grid worked on the cursor; the window shows it.
    void failed(const QString& message);

  protected:
    virtual QString Title(int column) const = 0;
    // Whether the column may be typed into now; a window's rule may narrow it.
    virtual bool Editable(int row, int column) const;

  private:
    struct Row {
        std::uint32_t record = 0; // 0 for the new row being inserted
        QStringList values;
    };

    Row ReadCurrent() const;
    int RowOfRecord(std::uint32_t record) const;
    template <typename Action> bool Guarded(Action action);

    tables::Table& cursor_;
    std::vector<GridColumn> columns_;
    std::vector<Row> rows_;
};

} // namespace tv::app
