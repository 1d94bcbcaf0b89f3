#include "tables/table.h"

#include "tables/atomic_file.h"
#include "tables/conversion_error.h"
#include "tables/dbf_format.h"
#include "tables/field_slot.h"
#include "tables/file_names.h"
#include "tables/index_key.h"
#include "tables/mdx_file.h"
#include "tables/path_text.h"
#include "tables/table_creation.h"
#include "tables/table_data.h"
#include "tables/table_files.h"
#include "tables/text.h"
#include "tables/unsaved_tables.h"
#include "tables/user_text.h"
#include "tables/value_parsing.h"
#include "tables/write_batch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <utility>

namespace tv::tables {

struct Table::Impl {
    std::shared_ptr<TableData> data;
    OpenMode mode = OpenMode::Shared;
    TableState state = TableState::Inactive;
    std::filesystem::path path;

    std::string indexName;
    RecordOrder* index = nullptr;

    std::uint32_t current = 0; // record number, 0 when there is none
    // Where in the index's order a record was last found: a walk asks for the
    // place of the record it stands on, which is then found without a search.
    mutable std::size_t placeHint = 0;
    bool eof = true;
    bool bof = true;
    std::uint32_t beforeInsert = 0;
    std::vector<char> buffer; // the record being edited or inserted

    std::string filter;
    bool filtered = false;
    int filterField = -1;
    std::string filterValue;

    Impl* master = nullptr;
    std::string masterField;
    std::vector<Impl*> details;

    // This cursor's listeners (null until one subscribes), linked to the rows'
    // own list while the table is open. A post holds the rows' events until
    // the posted record is current.
    std::shared_ptr<RowListeners> listeners;
    RowSubscription rowsLink;
    bool holdingEvents = false;
    std::vector<RowEvent> heldEvents;

    void Tell(RowChange change, std::uint32_t record = 0) {
        if (listeners && !listeners->Empty()) Tell(RowEvent{change, record});
    }

    void Tell(const RowEvent& event) {
        if (holdingEvents)
            heldEvents.push_back(event);
        else
            listeners->Notify(event);
    }

    // The record being edited: 0 for a new row not yet stored.
    void TellEdited() { Tell(RowChange::Edited, state == TableState::Insert ? 0 : current); }

    void LinkRows() {
        if (!listeners || !data || rowsLink.Active()) return;
        rowsLink = data->Listeners().Subscribe([this](const RowEvent& event) { Tell(event); });
    }

    // ----- helpers
    // -------------------------------------------------------------------------------------------
    std::string Name() const { return FileNameText(path); }

    void CheckActive() const {
        if (!data) throw TableError(TV_TEXT("Tablas", "La tabla no está abierta."));
    }

    // Steps name fields with the same literals over and over: remember where
    // each spelling was found (checked against the name, so a reused pointer
    // with other text is looked up anew).
    struct NameSlot {
        const char* text = nullptr;
        std::size_t size = 0;
        int number = -1;
    };
    mutable std::array<NameSlot, 32> nameCache{};

    const DbfField& FieldDef(std::string_view name) const {
        CheckActive();
        NameSlot& slot = nameCache[(reinterpret_cast<std::uintptr_t>(name.data()) >> 3) % nameCache.size()];
        if (slot.text == name.data() && slot.size == name.size() && slot.number >= 0 &&
            data->Fields()[static_cast<std::size_t>(slot.number)].name == name)
            return data->Fields()[static_cast<std::size_t>(slot.number)];
        const int number = data->FieldNumber(name);
        if (number >= 0) slot = {name.data(), name.size(), number};
        if (number < 0) throw MissingField(Name(), name);
        return data->Fields()[static_cast<std::size_t>(number)];
    }

    // The bytes of the current record: the edit buffer while editing.
    const char* CurrentBytes() const {
        if (state == TableState::Edit || state == TableState::Insert) return buffer.data();
        if (current == 0) return nullptr;
        return data->Record(current);
    }

    std::string_view FieldBytes(const DbfField& def) const {
        const char* record = CurrentBytes();
        if (!record) return {};
        return {record + def.offset, static_cast<std::size_t>(def.length)};
    }

    char* WritableField(const DbfField& def) {
        if (state != TableState::Edit && state != TableState::Insert)
            throw TableError(
                FormatText(TV_TEXT("Tablas", "La tabla '%1' no está en modo de edición."), {Name()}));
        return buffer.data() + def.offset;
    }

    // ----- visibility and order
    // ------------------------------------------------------------------------------
    bool PassesFilter(std::uint32_t recno) const {
        if (!filtered || filterField < 0) return true;
        const DbfField& def = data->Fields()[static_cast<std::size_t>(filterField)];
        return FieldText(def, {data->Record(recno) + def.offset, static_cast<std::size_t>(def.length)}) ==
               filterValue;
    }

    bool Visible(std::uint32_t recno) const { return !data->IsDeleted(recno) && PassesFilter(recno); }

    // Positions run over the active order: the index, or the record numbers.
    std::size_t OrderSize() const { return index ? index->Order().size() : data->RecordCount(); }
    std::uint32_t RecordAt(std::size_t position) const {
        return index ? index->Order()[position] : static_cast<std::uint32_t>(position + 1);
    }
    std::size_t PositionOf(std::uint32_t recno) const {
        if (!index) return recno - 1;
        // A record has one place in the order: found at the hint, it is there.
        const std::vector<std::uint32_t>& order = index->Order();
        if (placeHint < order.size() && order[placeHint] == recno) return placeHint;
        return placeHint = index->PositionOf(recno);
    }

    // The key of a text value for the active index's field.
    std::string KeyFor(std::string_view value) const {
        const DbfField& def = index->Field();
        std::string bytes(static_cast<std::size_t>(def.length), ' ');
        if (def.type == 'C') {
            EncodeText(def, value, bytes.data());
        } else {
            double number = 0;
            if (value.empty() || !ParseNumber(value, number))
                EncodeBlank(def, bytes.data());
            else
                EncodeNumber(def, number, bytes.data());
        }
        return MakeIndexKey(def.type, bytes);
    }

    // [begin, end) of the positions this cursor may show.
    std::pair<std::size_t, std::size_t> Range() const {
        if (!master || !index) return {0, OrderSize()};
        if (!master->data || master->current == 0) return {0, 0};
        const std::string key = KeyFor(master->Text(master->FieldDef(masterField)));
        return {index->LowerBound(key), index->UpperBound(key)};
    }

    std::string Text(const DbfField& def) const { return FieldText(def, FieldBytes(def)); }

    // First visible position at or after `from` going forward (or backward).
    bool Seek(std::size_t from, bool forward, std::uint32_t& found) const {
        const auto [begin, end] = Range();
        if (begin >= end) return false;
        if (forward) {
            for (std::size_t p = std::max(from, begin); p < end; ++p)
                if (Visible(RecordAt(p))) return placeHint = p, found = RecordAt(p), true;
        } else {
            for (std::size_t p = std::min(from, end - 1) + 1; p-- > begin;)
                if (Visible(RecordAt(p))) return placeHint = p, found = RecordAt(p), true;
        }
        return false;
    }

    void MoveTo(std::uint32_t recno) {
        current = recno;
        eof = bof = false;
        NotifyDetails();
        Tell(RowChange::Moved, recno);
    }

    void SetEmpty() {
        current = 0;
        eof = bof = true;
        NotifyDetails();
        Tell(RowChange::Moved);
    }

    void GoFirst() {
        std::uint32_t found = 0;
        if (Seek(0, true, found)) {
            MoveTo(found);
            bof = true;
        } else {
            SetEmpty();
        }
    }

    void NotifyDetails() {
        for (Impl* detail : details)
            detail->OnMasterMoved();
    }

    void OnMasterMoved() {
        if (!data) return;
        if (state == TableState::Edit || state == TableState::Insert) Post();
        GoFirst();
        Tell(RowChange::Reset);
    }

    // Moving off an edited record stores it.
    void CheckBrowseMode() {
        CheckActive();
        if (state == TableState::Edit || state == TableState::Insert) Post();
    }

    void Post() {
        if (state != TableState::Edit && state != TableState::Insert) return;
        holdingEvents = listeners && !listeners->Empty();
        try {
            if (state == TableState::Edit) {
                data->UpdateRecord(current, buffer.data());
            } else {
                current = data->AppendRecord(buffer.data());
                eof = bof = false;
            }
        } catch (...) {
            holdingEvents = false;
            heldEvents.clear();
            throw;
        }
        state = TableState::Browse;
        holdingEvents = false;
        for (const RowEvent& event : std::exchange(heldEvents, {}))
            Tell(event);
        NotifyDetails();
    }

    void BlankBuffer() {
        buffer.assign(data->RecordLength(), ' ');
        for (const DbfField& def : data->Fields())
            EncodeBlank(def, buffer.data() + def.offset);
    }

    void ParseFilter(std::string_view text) {
        filterField = -1;
        filterValue.clear();
        const std::string trimmed = TrimBoth(text);
        if (trimmed.empty()) return;
        const auto equals = trimmed.find('=');
        const std::string value =
            equals == std::string::npos ? std::string() : TrimBoth(trimmed.substr(equals + 1));
        if (equals == std::string::npos || value.size() < 2 || value.front() != '\'' || value.back() != '\'')
            throw TableError(
                FormatText(TV_TEXT("Tablas", "Filtro no válido en la tabla '%1': %2"), {Name(), trimmed}));
        const std::string field = TrimBoth(trimmed.substr(0, equals));
        filterField = data->FieldNumber(field);
        if (filterField < 0) throw MissingField(Name(), field);
        // Inner quotes are doubled.
        for (std::size_t i = 1; i + 1 < value.size(); ++i) {
            filterValue += value[i];
            if (value[i] == '\'' && value[i + 1] == '\'') ++i;
        }
        filterValue = TrimTrailing(filterValue);
    }

    void DetachFromMaster() {
        if (!master) return;
        auto& siblings = master->details;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        master = nullptr;
    }

    void DetachRelations() {
        DetachFromMaster();
        for (Impl* detail : details)
            detail->master = nullptr;
        details.clear();
    }
};

// ----- life cycle
// ----------------------------------------------------------------------------------------------

Table::Table() : impl_(std::make_unique<Impl>()) {}
Table::~Table() {
    try {
        Close();
    } catch (const std::exception& error) {
        // A destructor cannot throw: the failure is kept for the run to find
        // before it reports success. Steps close their tables explicitly.
        RecordUnsavedTable(error.what());
    }
}
Table::Table(Table&&) noexcept = default;
Table& Table::operator=(Table&& other) noexcept {
    if (this == &other) return *this;
    // The table this cursor had open is released as the destructor releases it.
    try {
        Close();
    } catch (...) {
    }
    impl_ = std::move(other.impl_);
    return *this;
}

void Table::Create(const std::filesystem::path& folder, std::string_view name, const TableDecl& decl) {
    const std::string base = TableBaseName(name);
    ValidateDecl(base, decl);
    // The files keep the names they have (any case); new ones are upper case.
    const std::filesystem::path dbf = ResolveFileName(folder, base + ".DBF");
    const std::filesystem::path mdx = ResolveFileName(folder, dbf.stem().string() + ".MDX");
    if (TableData::IsOpen(dbf))
        throw TableError(
            FormatText(TV_TEXT("Tablas", "La tabla '%1' está abierta; no se puede crear de nuevo."), {base}));
    // What a write batch kept of the table is replaced too.
    if (WriteBatch::IsOpen()) WriteBatch::Drop(TableData::Find(dbf));
    RefuseIfInUseElsewhere(dbf);
    RefuseIfInUseElsewhere(mdx);

    const DbfHeader header = DeclaredHeader(decl);
    TableImage files{BuildLevel7Header(header), {}, std::nullopt};
    if (!decl.indexes.empty()) files.index = EmptyIndexImage(base, header, decl);
    if (WriteBatch::IsOpen()) {
        // Written with the batch: until then the old files stay.
        // An index there now would not belong to the new table: it goes with the commit.
        std::error_code ec;
        const bool oldIndex = decl.indexes.empty() && std::filesystem::exists(mdx, ec);
        WriteBatch::Keep(
            TableData::CreateInMemory(dbf, std::move(files.header), std::move(files.index), oldIndex));
        return;
    }
    // The new files replace the old ones: a failure or a kill half way never
    // leaves the table missing.
    CommitTableFiles(dbf, mdx, std::move(files));
    // An index of the table as it was would not belong to the new one.
    if (decl.indexes.empty()) RemoveFileDurably(mdx);
}

void Table::Open(const std::filesystem::path& folder, std::string_view name, OpenMode mode) {
    Close();
    const std::string base = TableBaseName(name);
    impl_->path = ResolveFileName(folder, base + ".DBF");
    const auto access = mode == OpenMode::Exclusive  ? TableData::Access::Exclusive
                        : mode == OpenMode::ReadOnly ? TableData::Access::ReadOnly
                                                     : TableData::Access::Shared;
    impl_->data = TableData::Open(impl_->path, access);
    impl_->nameCache = {};
    impl_->mode = mode;
    impl_->state = TableState::Browse;
    impl_->LinkRows();
    impl_->GoFirst();
    impl_->Tell(RowChange::Reset);
}

void Table::Close() {
    if (!impl_) return; // moved from
    Impl& t = *impl_;
    if (!t.data) return;
    t.DetachRelations();
    t.state = TableState::Inactive;
    t.index = nullptr;
    t.indexName.clear();
    t.filter.clear();
    t.filtered = false;
    t.filterField = -1;
    t.current = 0;
    t.rowsLink.Reset();
    auto data = std::move(t.data);
    t.Tell(RowChange::Reset); // no rows to show now
    data->RemoveUser();
}

bool Table::Active() const {
    return impl_ && impl_->data != nullptr;
}
TableState Table::State() const {
    return impl_->state;
}
const std::filesystem::path& Table::FilePath() const {
    return impl_->path;
}

std::shared_ptr<TableData> Table::Data() const {
    return impl_->data;
}

void Table::Flush() {
    impl_->CheckActive();
    impl_->data->Flush();
}

void Table::Reindex() {
    impl_->CheckBrowseMode();
    impl_->data->Reindex();
}

// ----- fields
// -------------------------------------------------------------------------------------------------

const std::vector<FieldInfo>& Table::Fields() const {
    impl_->CheckActive();
    return impl_->data->FieldInfos();
}

int Table::FieldIndex(std::string_view name) const {
    impl_->CheckActive();
    return impl_->data->FieldNumber(name);
}

std::string Table::AsString(std::string_view field) const {
    return impl_->Text(impl_->FieldDef(field));
}

std::string Table::AsString(int fieldIndex) const {
    impl_->CheckActive();
    const auto& fields = impl_->data->Fields();
    if (fieldIndex < 0 || static_cast<std::size_t>(fieldIndex) >= fields.size())
        throw TableError(FormatText(TV_TEXT("Tablas", "Número de campo fuera de rango en la tabla '%1'."),
                                    {impl_->Name()}));
    return impl_->Text(fields[static_cast<std::size_t>(fieldIndex)]);
}

std::int32_t Table::AsInteger(std::string_view field) const {
    const DbfField& def = impl_->FieldDef(field);
    return FieldInteger(def, impl_->FieldBytes(def));
}

double Table::AsFloat(std::string_view field) const {
    const DbfField& def = impl_->FieldDef(field);
    const std::string_view bytes = impl_->FieldBytes(def);
    if (bytes.empty() || IsBlankField(def, bytes)) return 0;
    double value = 0;
    if (def.type == 'L') return FieldBoolean(def, bytes) ? 1 : 0;
    if (def.type == 'C' ? ParseNumber(FieldText(def, bytes), value) : FieldNumber(def, bytes, value))
        return value;
    throw ConversionError(
        FormatText(TV_TEXT("Tablas", "'%1' is not a valid floating point value"), {FieldText(def, bytes)}));
}

bool Table::AsBoolean(std::string_view field) const {
    const DbfField& def = impl_->FieldDef(field);
    const std::string_view bytes = impl_->FieldBytes(def);
    if (bytes.empty() || IsBlankField(def, bytes)) return false;
    if (def.type == 'L') return FieldBoolean(def, bytes);
    return ParseBoolean(FieldText(def, bytes)) == BooleanText::True;
}

bool Table::IsNull(std::string_view field) const {
    const DbfField& def = impl_->FieldDef(field);
    const std::string_view bytes = impl_->FieldBytes(def);
    return bytes.empty() || IsBlankField(def, bytes);
}

void Table::SetString(std::string_view field, std::string_view value) {
    const DbfField& def = impl_->FieldDef(field);
    char* out = impl_->WritableField(def);
    StoreText(def, value, out);
    impl_->TellEdited();
}

void Table::SetInteger(std::string_view field, long long value) {
    const DbfField& def = impl_->FieldDef(field);
    char* out = impl_->WritableField(def);
    if (def.type == 'C')
        EncodeText(def, IntToStr(value), out);
    else if (def.type == 'L')
        EncodeBoolean(def, value != 0, out);
    else
        EncodeNumber(def, static_cast<double>(value), out);
    impl_->TellEdited();
}

void Table::SetFloat(std::string_view field, double value) {
    const DbfField& def = impl_->FieldDef(field);
    char* out = impl_->WritableField(def);
    if (def.type == 'C')
        EncodeText(def, ShortestDecimal(value), out);
    else if (def.type == 'I' || def.type == '+')
        EncodeNumber(def, RoundHalfEven(value), out);
    else if (def.type == 'L')
        EncodeBoolean(def, value != 0, out);
    else
        EncodeNumber(def, value, out);
    impl_->TellEdited();
}

void Table::SetBoolean(std::string_view field, bool value) {
    const DbfField& def = impl_->FieldDef(field);
    char* out = impl_->WritableField(def);
    if (def.type == 'C')
        EncodeText(def, value ? "T" : "F", out);
    else if (def.type == 'L')
        EncodeBoolean(def, value, out);
    else
        EncodeNumber(def, value ? 1 : 0, out);
    impl_->TellEdited();
}

void Table::Clear(std::string_view field) {
    const DbfField& def = impl_->FieldDef(field);
    EncodeBlank(def, impl_->WritableField(def));
    impl_->TellEdited();
}

// ----- cursor
// -------------------------------------------------------------------------------------------------

void Table::First() {
    impl_->CheckBrowseMode();
    impl_->GoFirst();
}

void Table::Last() {
    impl_->CheckBrowseMode();
    Impl& t = *impl_;
    std::uint32_t found = 0;
    if (t.Seek(t.OrderSize(), false, found)) {
        t.MoveTo(found);
        t.eof = true;
    } else {
        t.SetEmpty();
    }
}

void Table::Next() {
    impl_->CheckBrowseMode();
    Impl& t = *impl_;
    std::uint32_t found = 0;
    if (t.current == 0) return;
    if (t.Seek(t.PositionOf(t.current) + 1, true, found))
        t.MoveTo(found);
    else
        t.eof = true;
}

void Table::Prior() {
    impl_->CheckBrowseMode();
    Impl& t = *impl_;
    std::uint32_t found = 0;
    if (t.current == 0) return;
    const std::size_t position = t.PositionOf(t.current);
    if (position > 0 && t.Seek(position - 1, false, found))
        t.MoveTo(found);
    else
        t.bof = true;
}

bool Table::Eof() const {
    return impl_->eof;
}
bool Table::Bof() const {
    return impl_->bof;
}
bool Table::IsEmpty() const {
    std::uint32_t found = 0;
    return !impl_->data || !impl_->Seek(0, true, found);
}
std::uint32_t Table::RecNo() const {
    return impl_->current;
}

void Table::SetIndexName(std::string_view tag) {
    impl_->CheckBrowseMode();
    Impl& t = *impl_;
    t.indexName = std::string(tag);
    t.index = tag.empty() ? nullptr : &t.data->Index(tag);
    t.GoFirst();
    t.Tell(RowChange::Reset);
}

const std::string& Table::IndexName() const {
    return impl_->indexName;
}

// ----- editing
// ------------------------------------------------------------------------------------------------

void Table::Edit() {
    Impl& t = *impl_;
    t.CheckActive();
    if (t.state == TableState::Edit || t.state == TableState::Insert) return;
    if (t.mode == OpenMode::ReadOnly)
        throw TableError(
            FormatText(TV_TEXT("Tablas", "La tabla '%1' está abierta sólo para lectura."), {t.Name()}));
    std::uint32_t found = 0;
    if (t.current == 0 || !t.Seek(0, true, found)) return Append(); // nothing to edit: a new row
    t.buffer.assign(t.data->Record(t.current), t.data->Record(t.current) + t.data->RecordLength());
    t.state = TableState::Edit;
}

void Table::Append() {
    Impl& t = *impl_;
    t.CheckBrowseMode();
    if (t.mode == OpenMode::ReadOnly)
        throw TableError(
            FormatText(TV_TEXT("Tablas", "La tabla '%1' está abierta sólo para lectura."), {t.Name()}));
    t.beforeInsert = t.current;
    t.BlankBuffer();
    t.state = TableState::Insert;
    t.Tell(RowChange::Reset);
}

void Table::AppendRecord(const std::vector<FieldValue>& values) {
    Append();
    const auto& fields = impl_->data->Fields();
    for (std::size_t i = 0; i < values.size() && i < fields.size(); ++i) {
        const std::string& name = fields[i].name;
        std::visit(
            [&](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, std::string>)
                    SetString(name, v);
                else if constexpr (std::is_same_v<V, long long>)
                    SetInteger(name, v);
                else if constexpr (std::is_same_v<V, double>)
                    SetFloat(name, v);
                else if constexpr (std::is_same_v<V, bool>)
                    SetBoolean(name, v);
            },
            values[i]);
    }
    Post();
}

void Table::Post() {
    impl_->CheckActive();
    impl_->Post();
}

void Table::Cancel() {
    Impl& t = *impl_;
    const TableState dropped = t.state;
    if (t.state == TableState::Insert) t.current = t.beforeInsert;
    if (t.state == TableState::Edit || t.state == TableState::Insert) t.state = TableState::Browse;
    t.buffer.clear();
    // The record shows as stored again; a new row goes away.
    if (dropped == TableState::Edit) t.Tell(RowChange::Edited, t.current);
    if (dropped == TableState::Insert) t.Tell(RowChange::Reset);
}

void Table::Delete() {
    Impl& t = *impl_;
    t.CheckActive();
    if (t.state == TableState::Insert) return Cancel();
    if (t.mode == OpenMode::ReadOnly)
        throw TableError(
            FormatText(TV_TEXT("Tablas", "La tabla '%1' está abierta sólo para lectura."), {t.Name()}));
    if (t.current == 0)
        throw TableError(FormatText(
            TV_TEXT("Tablas", "La tabla '%1' está vacía; no hay registro que borrar."), {t.Name()}));
    t.state = TableState::Browse;
    const std::uint32_t deleted = t.current;
    const std::size_t position = t.PositionOf(deleted);
    t.data->DeleteRecord(deleted);
    std::uint32_t found = 0;
    if (t.Seek(position + 1, true, found)) {
        t.MoveTo(found);
    } else if (position > 0 && t.Seek(position - 1, false, found)) {
        t.MoveTo(found);
        t.eof = true;
    } else {
        t.SetEmpty();
    }
}

int Table::RecordCount() const {
    const Impl& t = *impl_;
    t.CheckActive();
    if (!t.master && !(t.filtered && t.filterField >= 0)) return static_cast<int>(t.data->LiveCount());
    const auto [begin, end] = t.Range();
    int count = 0;
    for (std::size_t p = begin; p < end; ++p)
        if (t.Visible(t.RecordAt(p))) ++count;
    return count;
}

// ----- searches
// -----------------------------------------------------------------------------------------------

bool Table::FindKey(std::string_view value) {
    impl_->CheckBrowseMode();
    Impl& t = *impl_;
    if (!t.index)
        throw TableError(
            FormatText(TV_TEXT("Tablas", "La tabla '%1' no tiene índice activo para FindKey."), {t.Name()}));
    const std::string key = t.KeyFor(value);
    const auto [begin, end] = t.Range();
    for (std::size_t p = std::max(begin, t.index->LowerBound(key)); p < end; ++p) {
        const std::uint32_t recno = t.RecordAt(p);
        if (CompareIndexKeys(t.index->KeyType(), t.index->KeyOf(recno), key) != 0) break;
        if (t.Visible(recno)) {
            t.MoveTo(recno);
            return true;
        }
    }
    return false;
}

bool Table::FindKey(long long value) {
    return FindKey(IntToStr(value));
}

bool Table::Locate(std::string_view fields, const std::vector<std::string>& values) {
    impl_->CheckBrowseMode();
    Impl& t = *impl_;
    std::vector<const DbfField*> defs;
    for (std::size_t start = 0; start <= fields.size();) {
        const std::size_t end = std::min(fields.find(';', start), fields.size());
        defs.push_back(&t.FieldDef(TrimBoth(fields.substr(start, end - start))));
        start = end + 1;
    }
    if (defs.size() != values.size())
        throw TableError(FormatText(
            TV_TEXT("Tablas", "Locate en la tabla '%1': campos y valores no se corresponden."), {t.Name()}));
    const auto [begin, end] = t.Range();
    for (std::size_t p = begin; p < end; ++p) {
        const std::uint32_t recno = t.RecordAt(p);
        if (!t.Visible(recno)) continue;
        const char* record = t.data->Record(recno);
        bool match = true;
        for (std::size_t i = 0; match && i < defs.size(); ++i)
            match = FieldEquals(
                *defs[i], {record + defs[i]->offset, static_cast<std::size_t>(defs[i]->length)}, values[i]);
        if (match) {
            t.MoveTo(recno);
            return true;
        }
    }
    return false;
}

// ----- master / detail, filter, bookmarks
// -----------------------------------------------------------------------

void Table::SetMasterSource(Table* master, std::string_view masterField) {
    impl_->CheckBrowseMode();
    Impl& t = *impl_;
    t.DetachFromMaster(); // this table's own details stay linked to it
    if (master) {
        master->impl_->FieldDef(masterField); // fails early on a wrong name
        t.master = master->impl_.get();
        t.masterField = std::string(masterField);
        t.master->details.push_back(&t);
    }
    t.GoFirst();
    t.Tell(RowChange::Reset);
}

void Table::MasterChanged() {
    impl_->OnMasterMoved();
}

void Table::SetFilter(std::string_view filter) {
    impl_->CheckBrowseMode();
    impl_->ParseFilter(filter);
    impl_->filter = std::string(filter);
    impl_->GoFirst();
    impl_->Tell(RowChange::Reset);
}

const std::string& Table::Filter() const {
    return impl_->filter;
}

void Table::SetFiltered(bool on) {
    impl_->CheckBrowseMode();
    impl_->filtered = on;
    impl_->GoFirst();
    impl_->Tell(RowChange::Reset);
}

bool Table::Filtered() const {
    return impl_->filtered;
}

std::vector<std::uint32_t> Table::VisibleRecords() const {
    const Impl& t = *impl_;
    t.CheckActive();
    std::vector<std::uint32_t> records;
    const auto [begin, end] = t.Range();
    for (std::size_t p = begin; p < end; ++p)
        if (t.Visible(t.RecordAt(p))) records.push_back(t.RecordAt(p));
    return records;
}

RowSubscription Table::Subscribe(RowListener listener) {
    Impl& t = *impl_;
    if (!t.listeners) t.listeners = std::make_shared<RowListeners>();
    RowSubscription subscription = t.listeners->Subscribe(std::move(listener));
    t.LinkRows();
    return subscription;
}

Bookmark Table::GetBookmark() const {
    return Bookmark{impl_->current};
}

void Table::GotoBookmark(const Bookmark& mark) {
    impl_->CheckBrowseMode();
    Impl& t = *impl_;
    if (mark.record == 0 || mark.record > t.data->RecordCount() || t.data->IsDeleted(mark.record))
        throw TableError(
            FormatText(TV_TEXT("Tablas", "Registro no encontrado en la tabla '%1'."), {t.Name()}));
    t.MoveTo(mark.record);
}

} // namespace tv::tables
