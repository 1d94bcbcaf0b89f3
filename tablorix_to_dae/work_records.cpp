#include "tablorix_to_dae/work_records.h"

#include "tablorix_to_dae/work_tables.h"

#include "tables/text.h"

#include <algorithm>
#include <vector>

namespace tv::tablorix_to_dae {
namespace {

// Parts of the key: 1-10 the teacher, 11 the day, 12-13 the period.
std::string_view KeyPart(std::string_view key, std::size_t position, std::size_t width) {
    return Cut(key, position, width);
}

void SetIfBlank(char* record, const tables::FieldSlot& field, std::string_view value) {
    if (field.IsBlankText(record)) field.SetText(record, value);
}

// The key's first record, or a new one; true when new.
bool FindOrAppend(tables::TableBuilder& table, std::uint32_t& record) {
    if (record != 0) return false;
    record = table.Append();
    return true;
}

} // namespace

FirstRecordByKey::FirstRecordByKey(const tables::TableBuilder& table, const tables::FieldSlot& keyField) {
    std::vector<std::pair<std::size_t, std::uint32_t>> ends; // end of each key in earlierKeys_, record
    earlierKeys_.reserve(static_cast<std::size_t>(table.RecordCount()) * kKeyWidth);
    ends.reserve(table.RecordCount());
    for (std::uint32_t r = 1; r <= table.RecordCount(); ++r) {
        if (table.IsDeleted(r)) continue;
        // The key as AsString reads it, then as Stored keeps it: no string of its own.
        const std::size_t begin = earlierKeys_.size();
        keyField.AppendText(earlierKeys_, table.Record(r));
        earlierKeys_.resize(begin + Stored(std::string_view(earlierKeys_).substr(begin)).size());
        ends.emplace_back(earlierKeys_.size(), r);
    }
    earlier_.reserve(ends.size());
    std::size_t begin = 0;
    for (const auto& [end, record] : ends) {
        earlier_.try_emplace(std::string_view(earlierKeys_).substr(begin, end - begin), record);
        begin = end;
    }
}

std::string_view FirstRecordByKey::Stored(std::string_view key) {
    key = key.substr(0, std::min(key.size(), kKeyWidth));
    while (!key.empty() && key.back() == ' ')
        key.remove_suffix(1);
    return key;
}

std::uint32_t FirstRecordByKey::Find(std::string_view key) const {
    const std::string_view stored = Stored(key);
    if (lastRecord_ != 0 && stored == lastKey_) return lastRecord_;
    const auto it = earlier_.find(stored);
    return it == earlier_.end() ? 0 : it->second;
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
    const std::string& key = values.key;
    std::uint32_t recno = keys_.Find(key);
    const bool appended = FindOrAppend(table_, recno);
    char* record = table_.Record(recno);
    tipreg_.SetText(record, "2");
    SetIfBlank(record, tipdoc_, values.documentType);
    abrevprof_.SetText(record, KeyPart(key, 1, 10));
    SetIfBlank(record, doc_, values.document);
    numsesion_.SetText(record, KeyPart(key, 12, 2));
    diasem_.SetText(record, KeyPart(key, 11, 1));
    SetIfBlank(record, tiptar_, values.task);
    horaini_.SetText(record, values.start);
    horafin_.SetText(record, values.end);
    SetIfBlank(record, grupniv_, values.level);
    abrevasig_.SetText(record, values.subject);
    // The DAE code in its 8 characters.
    const std::string_view subjectCode =
        values.subjectCode.substr(0, std::min<std::size_t>(values.subjectCode.size(), 8));
    codasig_.SetText(record, subjectCode);
    nomasig_.SetText(record, values.subjectName);
    tipasig_.SetText(record, " ");
    // A code of 5 characters or more is a subject taught in class (a lective line).
    if (TrimBoth(subjectCode).size() > 4) idioma_.SetText(record, "02");
    aulaObs_.SetText(record, values.room);
    tipActiv_.SetText(record, "   ");
    profDiaSes_.SetText(record, key);
    diaSes_.SetText(record, KeyPart(key, 11, 3));
    plan_.SetText(record, values.plan);
    regMod_.SetText(record, "S");
    if (appended) keys_.Added(key, recno);
}

GroupRecords::GroupRecords(tables::TableBuilder& table)
    : table_(table), tipreg_(table.Field("TIPREG")), abrevgrup_(table.Field("ABREVGRUP")),
      codgrupo_(table.Field("CODGRUPO")), tipdoc_(table.Field("TIPDOC")),
      abrevprof_(table.Field("ABREVPROF")), doc_(table.Field("DOC")), numsesgrup_(table.Field("NUMSESGRUP")),
      diasem_(table.Field("DIASEM")), numalum_(table.Field("NUMALUM")), aliasdae_(table.Field("ALIASDAE")),
      profDiaSes_(table.Field("PROF_DIA_SES")), regMod_(table.Field("REG_MOD")), keys_(table, profDiaSes_) {}

void GroupRecords::Write(const ClassValues& values) {
    if (TrimBoth(values.group).empty()) return;
    const std::string& key = values.key;
    std::uint32_t recno = keys_.Find(key);
    // The key's first record belongs to another group: the group gets its own.
    if (recno != 0 && !abrevgrup_.Equals(table_.Record(recno), values.group)) recno = 0;
    const bool appended = FindOrAppend(table_, recno);
    char* record = table_.Record(recno);
    const bool firstPassThisRun = !regMod_.Equals(record, "S");
    tipreg_.SetText(record, "3");
    abrevgrup_.SetText(record, values.group);
    // An existing record keeps the group code the user may have corrected.
    if (appended) codgrupo_.SetText(record, values.groupCode);
    SetIfBlank(record, tipdoc_, values.documentType);
    abrevprof_.SetText(record, KeyPart(key, 1, 10));
    SetIfBlank(record, doc_, values.document);
    numsesgrup_.SetText(record, KeyPart(key, 12, 2));
    diasem_.SetText(record, KeyPart(key, 11, 1));
    if (firstPassThisRun || (numalum_.IsBlankText(record) && !TrimBoth(values.pupils).empty()))
        numalum_.SetText(record, values.pupils);
    aliasdae_.SetText(record, values.alias);
    profDiaSes_.SetText(record, key);
    regMod_.SetText(record, "S");
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
