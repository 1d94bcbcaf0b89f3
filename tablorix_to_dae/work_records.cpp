#include "tablorix_to_dae/work_records.h"

#include "tablorix_to_dae/work_tables.h"

#include "tables/key_sorter.h"
#include "tables/text.h"

#include <algorithm>
#include <vector>

namespace tv::tablorix_to_dae {
namespace {

// Parts of the key: 1-10 the teacher, 11 the day, 12-13 the period.
std::string_view KeyPart(std::string_view key, std::size_t position, std::size_t width) {
    return Cut(key, position, width);
}

// Stores the values of one record; a record just appended is blank, so only
// the values' own bytes need storing.
struct FieldWriter {
    char* record;
    bool blank;

    void Set(const tables::FieldSlot& field, std::string_view value) const {
        if (blank)
            field.SetTextOnBlank(record, value);
        else
            field.SetText(record, value);
    }
    void SetIfBlank(const tables::FieldSlot& field, std::string_view value) const {
        if (blank || field.IsBlankText(record)) Set(field, value);
    }
};

// The length of TrimBoth(text), without building it.
std::size_t TrimmedLength(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? 0 : text.find_last_not_of(' ') - first + 1;
}

// The key's first record, or a new one; true when new.
bool FindOrAppend(tables::TableBuilder& table, std::uint32_t& record) {
    if (record != 0) return false;
    record = table.Append();
    return true;
}

} // namespace

FirstRecordByKey::FirstRecordByKey(const tables::TableBuilder& table, const tables::FieldSlot& keyField) {
    // The keys of the live records in record order, as AsString reads them, cut or padded to 13.
    std::string keys;
    std::vector<std::uint32_t> records;
    keys.reserve(static_cast<std::size_t>(table.RecordCount()) * kKeyWidth);
    records.reserve(table.RecordCount());
    for (std::uint32_t r = 1; r <= table.RecordCount(); ++r) {
        if (table.IsDeleted(r)) continue;
        const std::size_t begin = keys.size();
        keyField.AppendText(keys, table.Record(r));
        keys.resize(begin + kKeyWidth, ' ');
        records.push_back(r);
    }
    // Sorted by key, equal keys in record order: the first of each is the one kept.
    const auto count = static_cast<std::uint32_t>(records.size());
    earlierRecords_.reserve(count);
    earlierKeys_.reserve(keys.size());
    for (const std::uint32_t n : tables::SortKeys(keys.data(), kKeyWidth, count, 'C')) {
        const std::string_view key = std::string_view(keys).substr((n - 1) * kKeyWidth, kKeyWidth);
        if (!earlierRecords_.empty() &&
            std::string_view(earlierKeys_).substr(earlierKeys_.size() - kKeyWidth) == key)
            continue;
        earlierKeys_ += key;
        earlierRecords_.push_back(records[n - 1]);
    }
}

FirstRecordByKey::StoredKey FirstRecordByKey::Stored(std::string_view key) {
    StoredKey stored;
    const std::size_t used = std::min(key.size(), kKeyWidth);
    std::copy_n(key.begin(), used, stored.begin());
    std::fill(stored.begin() + static_cast<std::ptrdiff_t>(used), stored.end(), ' ');
    return stored;
}

std::string_view FirstRecordByKey::EarlierKey(std::size_t i) const {
    return std::string_view(earlierKeys_).substr(i * kKeyWidth, kKeyWidth);
}

std::size_t FirstRecordByKey::LowerBound(std::string_view stored) const {
    const std::size_t count = earlierRecords_.size();
    const auto below = [&](std::size_t i) { return EarlierKey(i) < stored; };
    std::size_t low = 0, high = count;
    // The extraction asks in key order: the search goes on from the last
    // place, in growing steps, rather than over all the keys each time.
    if (lastPlace_ <= count && (lastPlace_ == 0 || below(lastPlace_ - 1))) {
        low = lastPlace_;
        std::size_t probe = low, step = 1;
        while (probe < count && below(probe)) {
            low = probe + 1;
            probe = low + step;
            step *= 2;
        }
        high = std::min(probe, count);
    }
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (below(middle))
            low = middle + 1;
        else
            high = middle;
    }
    lastPlace_ = low;
    return low;
}

std::uint32_t FirstRecordByKey::Find(std::string_view key) const {
    // The extraction's keys already have the field's width: no copy for them.
    StoredKey storedKey;
    if (key.size() != kKeyWidth) storedKey = Stored(key);
    const std::string_view stored =
        key.size() == kKeyWidth ? key : std::string_view(storedKey.data(), kKeyWidth);
    if (lastRecord_ != 0 && stored == std::string_view(lastKey_.data(), lastKey_.size())) return lastRecord_;
    const std::size_t place = LowerBound(stored);
    if (place < earlierRecords_.size() && EarlierKey(place) == stored) return earlierRecords_[place];
    return 0;
}

void FirstRecordByKey::Added(std::string_view key, std::uint32_t record) {
    if (Find(key) != 0) return;
    lastKey_ = Stored(key);
    lastRecord_ = record;
}

ClassRecords::ClassRecords(tables::TableBuilder& table)
    : table_(table), tipreg_(table.Field("TIPREG")), tipdoc_(table.Field("TIPDOC")),
      abrevprof_(table.Field("ABREVPROF")), doc_(table.Field("DOC")), numsesion_(table.Field("NUMSESION")),
      diasem_(table.Field("DIASEM")), tiptar_(table.Field("TIPTAR")), horaini_(table.Field("HORAINI")),
      horafin_(table.Field("HORAFIN")), grupniv_(table.Field("GRUPNIV")),
      abrevasig_(table.Field("ABREVASIG")), codasig_(table.Field("CODASIG")),
      nomasig_(table.Field("NOMASIG")), tipasig_(table.Field("TIPASIG")), idioma_(table.Field("IDIOMA")),
      aulaObs_(table.Field("AULA_OBS")), tipActiv_(table.Field("TIP_ACTIV")),
      profDiaSes_(table.Field("PROF_DIA_SES")), diaSes_(table.Field("DIA_SES")), plan_(table.Field("PLAN")),
      regMod_(table.Field("REG_MOD")), keys_(table, profDiaSes_) {}

void ClassRecords::Write(const ClassValues& values) {
    const std::string_view key = values.key;
    std::uint32_t recno = keys_.Find(key);
    const bool appended = FindOrAppend(table_, recno);
    char* record = table_.Record(recno);
    const FieldWriter field{record, appended};
    field.Set(tipreg_, "2");
    field.SetIfBlank(tipdoc_, values.documentType);
    field.Set(abrevprof_, KeyPart(key, 1, 10));
    field.SetIfBlank(doc_, values.document);
    field.Set(numsesion_, KeyPart(key, 12, 2));
    field.Set(diasem_, KeyPart(key, 11, 1));
    field.SetIfBlank(tiptar_, values.task);
    field.Set(horaini_, values.start);
    field.Set(horafin_, values.end);
    field.SetIfBlank(grupniv_, values.level);
    field.Set(abrevasig_, values.subject);
    // The DAE code in its 8 characters.
    const std::string_view subjectCode =
        values.subjectCode.substr(0, std::min<std::size_t>(values.subjectCode.size(), 8));
    field.Set(codasig_, subjectCode);
    field.Set(nomasig_, values.subjectName);
    field.Set(tipasig_, " ");
    // A code of 5 characters or more is a subject taught in class (a lective line).
    if (TrimmedLength(subjectCode) > 4) field.Set(idioma_, "02");
    field.Set(aulaObs_, values.room);
    field.Set(tipActiv_, "   ");
    field.Set(profDiaSes_, key);
    field.Set(diaSes_, KeyPart(key, 11, 3));
    field.Set(plan_, values.plan);
    field.Set(regMod_, "S");
    if (appended) keys_.Added(key, recno);
}

GroupRecords::GroupRecords(tables::TableBuilder& table)
    : table_(table), tipreg_(table.Field("TIPREG")), abrevgrup_(table.Field("ABREVGRUP")),
      codgrupo_(table.Field("CODGRUPO")), tipdoc_(table.Field("TIPDOC")),
      abrevprof_(table.Field("ABREVPROF")), doc_(table.Field("DOC")), numsesgrup_(table.Field("NUMSESGRUP")),
      diasem_(table.Field("DIASEM")), numalum_(table.Field("NUMALUM")), aliasdae_(table.Field("ALIASDAE")),
      profDiaSes_(table.Field("PROF_DIA_SES")), regMod_(table.Field("REG_MOD")), keys_(table, profDiaSes_) {}

void GroupRecords::Write(const ClassValues& values) {
    if (IsBlank(values.group)) return;
    const std::string_view key = values.key;
    std::uint32_t recno = keys_.Find(key);
    // The key's first record belongs to another group: the group gets its own.
    if (recno != 0 && !abrevgrup_.Equals(table_.Record(recno), values.group)) recno = 0;
    const bool appended = FindOrAppend(table_, recno);
    char* record = table_.Record(recno);
    const FieldWriter field{record, appended};
    const bool firstPassThisRun = !regMod_.Equals(record, "S");
    field.Set(tipreg_, "3");
    field.Set(abrevgrup_, values.group);
    // An existing record keeps the group code the user may have corrected.
    if (appended) field.Set(codgrupo_, values.groupCode);
    field.SetIfBlank(tipdoc_, values.documentType);
    field.Set(abrevprof_, KeyPart(key, 1, 10));
    field.SetIfBlank(doc_, values.document);
    field.Set(numsesgrup_, KeyPart(key, 12, 2));
    field.Set(diasem_, KeyPart(key, 11, 1));
    if (firstPassThisRun || (numalum_.IsBlankText(record) && !IsBlank(values.pupils)))
        field.Set(numalum_, values.pupils);
    field.Set(aliasdae_, values.alias);
    field.Set(profDiaSes_, key);
    field.Set(regMod_, "S");
    if (appended) keys_.Added(key, recno);
}

void RemoveUntouchedRecords(tables::TableBuilder& workTable) {
    const tables::FieldSlot regMod = workTable.Field("REG_MOD");
    for (std::uint32_t r = 1; r <= workTable.RecordCount(); ++r) {
        if (workTable.IsDeleted(r)) continue;
        char* record = workTable.Record(r);
        if (regMod.Equals(record, "N"))
            workTable.Delete(r);
        else
            regMod.SetText(record, "N");
    }
}

} // namespace tv::tablorix_to_dae
