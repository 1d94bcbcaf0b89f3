#include "app/cursor_table_model.h"

#include "app/qt_text.h"

#include <exception>

namespace tv::app {

CursorTableModel::CursorTableModel(tables::Table& cursor, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), cursor_(cursor), columns_(std::move(columns)) {}

int CursorTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CursorTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CursorTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return rows_[static_cast<std::size_t>(index.row())].values.value(index.column());
}

bool CursorTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole)
        return false;
    const GridColumn& column = columns_[static_cast<std::size_t>(index.column())];
    if (!Editable(index.row(), index.column())) return false;
    const auto text = ToCp1252(value.toString());
    if (!text) {
        emit failed(tr("El texto «%1» tiene caracteres que no caben en la tabla.").arg(value.toString()));
        return false;
    }
    MoveToRow(index.row());
    if (CurrentRow() != index.row()) return false;
    StartEdit();
    const bool stored = Guarded([&] {
        cursor_.SetString(column.field, *text);
        // What the field holds: cut to its width, without trailing blanks.
        rows_[static_cast<std::size_t>(index.row())].values[index.column()] =
            FromCp1252(cursor_.AsString(column.field));
    });
    if (stored) emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return stored;
}

Qt::ItemFlags CursorTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid)) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (Editable(index.row(), index.column())) flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant CursorTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount()) return {};
        return Title(section);
    }
    if (section < 0 || section >= rowCount()) return {};
    // The fixed column marks the cursor's row: ▶ browsing, I editing, * a new row.
    if (section != CurrentRow()) return QString();
    switch (cursor_.State()) {
    case tables::TableState::Edit:
        return QStringLiteral("I");
    case tables::TableState::Insert:
        return QStringLiteral("*");
    default:
        return QStringLiteral("\u25B6");
    }
}

void CursorTableModel::Open(const std::filesystem::path& folder, std::string_view name) {
    if (!cursor_.Active()) cursor_.Open(folder, name);
    Reload();
}

void CursorTableModel::Close() {
    beginResetModel();
    cursor_.Close();
    rows_.clear();
    endResetModel();
}

bool CursorTableModel::IsOpen() const {
    return cursor_.Active();
}

void CursorTableModel::Reload() {
    beginResetModel();
    rows_.clear();
    if (cursor_.Active()) {
        const bool inserting = cursor_.State() == tables::TableState::Insert;
        Row pending;
        if (inserting)
            pending = ReadCurrent();
        else if (cursor_.State() == tables::TableState::Edit)
            cursor_.Post();
        const tables::Bookmark mark = cursor_.GetBookmark();
        if (!inserting) {
            for (cursor_.First(); !cursor_.Eof(); cursor_.Next())
                rows_.push_back(ReadCurrent());
            if (mark.record != 0 && RowOfRecord(mark.record) >= 0)
                cursor_.GotoBookmark(mark);
            else
                cursor_.First();
        } else {
            // Walking would post the new row; a table with a row being inserted is empty here.
            rows_.push_back(pending);
        }
    }
    endResetModel();
    emit cursorMoved(CurrentRow());
}

int CursorTableModel::CurrentRow() const {
    if (!cursor_.Active() || rows_.empty()) return -1;
    if (cursor_.State() == tables::TableState::Insert) return static_cast<int>(rows_.size()) - 1;
    return RowOfRecord(cursor_.RecNo());
}

std::uint32_t CursorTableModel::RecordAt(int row) const {
    if (row < 0 || row >= rowCount()) return 0;
    return rows_[static_cast<std::size_t>(row)].record;
}

void CursorTableModel::MoveToRow(int row) {
    if (row < 0 || row >= rowCount() || row == CurrentRow()) return;
    PostEdit();
    const std::uint32_t record = rows_[static_cast<std::size_t>(row)].record;
    if (record != 0) Guarded([&] { cursor_.GotoBookmark({record}); });
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void CursorTableModel::First() {
    if (rows_.empty()) return;
    MoveToRow(0);
    emit cursorMoved(CurrentRow());
}

void CursorTableModel::StartEdit() {
    if (!cursor_.Active() || Editing()) return;
    Guarded([&] {
        cursor_.Edit();
        if (cursor_.State() == tables::TableState::Insert) {
            const int row = rowCount();
            beginInsertRows({}, row, row);
            rows_.push_back(ReadCurrent());
            endInsertRows();
            emit cursorMoved(row);
        }
    });
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

bool CursorTableModel::Editing() const {
    return cursor_.Active() &&
           (cursor_.State() == tables::TableState::Edit || cursor_.State() == tables::TableState::Insert);
}

void CursorTableModel::PostEdit() {
    if (!Editing()) return;
    const bool inserting = cursor_.State() == tables::TableState::Insert;
    const bool posted = Guarded([&] { cursor_.Post(); });
    if (posted && inserting) rows_.back().record = cursor_.RecNo();
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    if (posted) emit this->posted();
}

void CursorTableModel::CancelEdit() {
    if (!Editing()) return;
    if (cursor_.State() == tables::TableState::Insert) {
        Guarded([&] { cursor_.Cancel(); });
        return Reload();
    }
    Guarded([&] { cursor_.Cancel(); });
    RefreshCurrentRow();
}

void CursorTableModel::RefreshCurrentRow() {
    const int row = CurrentRow();
    if (row < 0) return;
    rows_[static_cast<std::size_t>(row)].values = ReadCurrent().values;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void CursorTableModel::DeleteCurrentRow() {
    const int row = CurrentRow();
    if (row < 0) return;
    if (!Guarded([&] { cursor_.Delete(); })) return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
    emit cursorMoved(CurrentRow());
}

int CursorTableModel::WidthInCharacters(int column) const {
    return columns_[static_cast<std::size_t>(column)].widthInCharacters;
}

int CursorTableModel::FieldLength(int column) const {
    if (!cursor_.Active()) return 0;
    for (const tables::FieldInfo& field : cursor_.Fields())
        if (field.name == Field(column)) return field.type == 'C' ? field.length : 0;
    return 0;
}

QString CursorTableModel::CurrentText(int column) const {
    const int row = CurrentRow();
    if (row < 0) return {};
    return rows_[static_cast<std::size_t>(row)].values.value(column);
}

const std::string& CursorTableModel::Field(int column) const {
    return columns_[static_cast<std::size_t>(column)].field;
}

int CursorTableModel::ColumnOf(std::string_view field) const {
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (columns_[i].field == field) return static_cast<int>(i);
    return -1;
}

bool CursorTableModel::Editable(int, int column) const {
    return columns_[static_cast<std::size_t>(column)].editable;
}

CursorTableModel::Row CursorTableModel::ReadCurrent() const {
    Row row;
    row.record = cursor_.State() == tables::TableState::Insert ? 0 : cursor_.RecNo();
    for (const GridColumn& column : columns_)
        row.values.append(FromCp1252(cursor_.AsString(column.field)));
    return row;
}

int CursorTableModel::RowOfRecord(std::uint32_t record) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].record == record) return static_cast<int>(i);
    return -1;
}

template <typename Action> bool CursorTableModel::Guarded(Action action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        emit failed(FromCp1252(error.what()));
        return false;
    }
}

} // namespace tv::app
