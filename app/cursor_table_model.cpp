#include "app/cursor_table_model.h"

#include "app/qt_text.h"
#include "tables/table_rows.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

#include <exception>

namespace tv::app {

CursorTableModel::CursorTableModel(tables::Table& cursor, std::span<const GridColumn> columns,
                                   const char* titleContext, QObject* parent)
    : QAbstractTableModel(parent), cursor_(cursor), columns_(columns), titleContext_(titleContext) {
    subscription_ = cursor_.Subscribe([this](const tables::RowEvent& event) { OnRowEvent(event); });
    if (cursor_.Active()) ReadAllRows();
}

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
        return QCoreApplication::translate(titleContext_, columns_[static_cast<std::size_t>(section)].title);
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
    if (!cursor_.Active()) {
        const QScopedValueRollback acting(acting_, acting_ + 1);
        cursor_.Open(folder, name);
    }
    Reload();
}

void CursorTableModel::Close() {
    beginResetModel();
    const QScopedValueRollback acting(acting_, acting_ + 1);
    cursor_.Close();
    rows_.clear();
    endResetModel();
}

bool CursorTableModel::IsOpen() const {
    return cursor_.Active();
}

void CursorTableModel::Reload() {
    if (cursor_.State() == tables::TableState::Edit) Guarded([&] { cursor_.Post(); });
    ReadAllRows();
    if (CurrentRow() < 0 && !rows_.empty()) Guarded([&] { cursor_.First(); });
    emit cursorMoved(CurrentRow());
}

void CursorTableModel::OnRowEvent(const tables::RowEvent& event) {
    if (acting_ > 0) return;
    switch (event.change) {
    case tables::RowChange::Appended:
    case tables::RowChange::Changed:
        return ShowStoredChange(event.record);
    case tables::RowChange::Edited:
        return RefreshRow(CurrentRow());
    case tables::RowChange::Reset:
        ReadAllRows();
        return FollowCursorLater();
    case tables::RowChange::Moved:
        return FollowCursorLater();
    }
}

void CursorTableModel::ShowStoredChange(std::uint32_t record) {
    std::vector<std::uint32_t> shown;
    for (const Row& row : rows_)
        if (row.record != 0) shown.push_back(row.record);
    if (shown != cursor_.VisibleRecords()) {
        ReadAllRows();
        return FollowCursorLater();
    }
    const int row = RowOfRecord(record);
    if (row < 0) return;
    rows_[static_cast<std::size_t>(row)].values = ReadRecord(record).values;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
}

void CursorTableModel::ReadAllRows() {
    beginResetModel();
    rows_.clear();
    if (cursor_.Active()) {
        for (const std::uint32_t record : cursor_.VisibleRecords())
            rows_.push_back(ReadRecord(record));
        if (cursor_.State() == tables::TableState::Insert) rows_.push_back(ReadCurrent());
    }
    endResetModel();
}

void CursorTableModel::RefreshRow(int row) {
    if (row < 0) return;
    rows_[static_cast<std::size_t>(row)].values = ReadCurrent().values;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole, Qt::EditRole});
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void CursorTableModel::FollowCursorLater() {
    if (followPending_) return;
    followPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            followPending_ = false;
            // A record deleted through another cursor leaves this one on no row shown.
            if (cursor_.Active() && CurrentRow() < 0 && !rows_.empty() && !Editing())
                Guarded([&] { cursor_.First(); });
            if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
            emit cursorMoved(CurrentRow());
        },
        Qt::QueuedConnection);
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
    if (!cursor_.Active() || row < 0 || row >= rowCount() || row == CurrentRow()) return;
    PostEdit();
    const std::uint32_t record = rows_[static_cast<std::size_t>(row)].record;
    if (record != 0) Guarded([&] { cursor_.GotoBookmark({record}); });
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void CursorTableModel::MoveToRecord(std::uint32_t record) {
    MoveToRow(RowOfRecord(record));
    emit cursorMoved(CurrentRow());
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
    const bool inserting = cursor_.State() == tables::TableState::Insert;
    Guarded([&] { cursor_.Cancel(); });
    if (inserting) return Reload();
    RefreshRow(CurrentRow());
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
    return columns_[static_cast<std::size_t>(column)].width;
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

std::string_view CursorTableModel::Field(int column) const {
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

CursorTableModel::Row CursorTableModel::ReadRecord(std::uint32_t record) const {
    // The record being edited shows what is typed; the others as stored,
    // read without moving the cursor.
    if (record == cursor_.RecNo() && cursor_.State() != tables::TableState::Insert) return ReadCurrent();
    const tables::TableRows rows(cursor_);
    Row row{record, {}};
    for (const GridColumn& column : columns_)
        row.values.append(FromCp1252(rows.Field(column.field).Text(rows.Record(record))));
    return row;
}

int CursorTableModel::RowOfRecord(std::uint32_t record) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].record == record) return static_cast<int>(i);
    return -1;
}

template <typename Action> bool CursorTableModel::Guarded(Action action) {
    try {
        const QScopedValueRollback acting(acting_, acting_ + 1);
        action();
        return true;
    } catch (const std::exception& error) {
        emit failed(FromCp1252(error.what()));
        return false;
    }
}

} // namespace tv::app
