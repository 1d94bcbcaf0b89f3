#include "tablorix_to_dae/work_records.h"

#include "tablorix_to_dae/work_tables.h"

#include "tables/text.h"

namespace tv::tablorix_to_dae {
namespace {

void SetIfBlank(tables::Table& table, std::string_view field, std::string_view value) {
    if (TrimBoth(table.AsString(field)).empty()) table.SetString(field, value);
}

// Parts of the key: 1-10 the teacher, 11 the day, 12-13 the period.
std::string KeyPart(std::string_view key, std::size_t position, std::size_t width) {
    return std::string(Cut(key, position, width));
}

// Puts the table on the key's first record, or starts a new one; true when new.
bool EditOrAppend(tables::Table& table, std::uint32_t record) {
    if (record == 0) {
        table.Append();
        return true;
    }
    table.GotoBookmark({record});
    table.Edit();
    return false;
}

} // namespace

FirstRecordByKey::FirstRecordByKey(tables::Table& table) {
    for (table.First(); !table.Eof(); table.Next())
        first_.try_emplace(Stored(table.AsString("PROF_DIA_SES")), table.RecNo());
}

std::string FirstRecordByKey::Stored(std::string_view key) {
    return TrimTrailing(key.substr(0, kKeyWidth));
}

std::uint32_t FirstRecordByKey::Find(std::string_view key) const {
    const auto it = first_.find(Stored(key));
    return it == first_.end() ? 0 : it->second;
}

void FirstRecordByKey::Added(std::string_view key, std::uint32_t record) {
    first_.try_emplace(Stored(key), record);
}

void WriteClassRecord(tables::Table& cuadroh2, FirstRecordByKey& keys, const ClassValues& values) {
    const std::string& key = values.key;
    const bool appended = EditOrAppend(cuadroh2, keys.Find(key));
    cuadroh2.SetString("TIPREG", "2");
    SetIfBlank(cuadroh2, "TIPDOC", values.documentType);
    cuadroh2.SetString("ABREVPROF", KeyPart(key, 1, 10));
    SetIfBlank(cuadroh2, "DOC", values.document);
    cuadroh2.SetString("NUMSESION", KeyPart(key, 12, 2));
    cuadroh2.SetString("DIASEM", KeyPart(key, 11, 1));
    SetIfBlank(cuadroh2, "TIPTAR", values.task);
    cuadroh2.SetString("HORAINI", values.start);
    cuadroh2.SetString("HORAFIN", values.end);
    SetIfBlank(cuadroh2, "GRUPNIV", values.level);
    cuadroh2.SetString("ABREVASIG", values.subject);
    cuadroh2.SetString("CODASIG", values.subjectCode);
    cuadroh2.SetString("NOMASIG", values.subjectName);
    cuadroh2.SetString("TIPASIG", " ");
    // A code of 5 characters or more is a subject taught in class (a lective line).
    if (TrimBoth(values.subjectCode).size() > 4) cuadroh2.SetString("IDIOMA", "02");
    cuadroh2.SetString("AULA_OBS", values.room);
    cuadroh2.SetString("TIP_ACTIV", "   ");
    cuadroh2.SetString("PROF_DIA_SES", key);
    cuadroh2.SetString("DIA_SES", KeyPart(key, 11, 3));
    cuadroh2.SetString("PLAN", values.plan);
    cuadroh2.SetString("REG_MOD", "S");
    cuadroh2.Post();
    if (appended) keys.Added(key, cuadroh2.RecNo());
}

void WriteGroupRecord(tables::Table& cuadroh3, FirstRecordByKey& keys, const ClassValues& values) {
    if (TrimBoth(values.group).empty()) return;
    const std::string& key = values.key;
    std::uint32_t record = keys.Find(key);
    if (record != 0) {
        cuadroh3.GotoBookmark({record});
        if (cuadroh3.AsString("ABREVGRUP") != values.group) record = 0; // the first belongs to another group
    }
    const bool appended = EditOrAppend(cuadroh3, record);
    const bool firstPassThisRun = cuadroh3.AsString("REG_MOD") != "S";
    cuadroh3.SetString("TIPREG", "3");
    cuadroh3.SetString("ABREVGRUP", values.group);
    // An existing record keeps the group code the user may have corrected.
    if (appended) cuadroh3.SetString("CODGRUPO", values.groupCode);
    SetIfBlank(cuadroh3, "TIPDOC", values.documentType);
    cuadroh3.SetString("ABREVPROF", KeyPart(key, 1, 10));
    SetIfBlank(cuadroh3, "DOC", values.document);
    cuadroh3.SetString("NUMSESGRUP", KeyPart(key, 12, 2));
    cuadroh3.SetString("DIASEM", KeyPart(key, 11, 1));
    if (firstPassThisRun ||
        (TrimBoth(cuadroh3.AsString("NUMALUM")).empty() && !TrimBoth(values.pupils).empty()))
        cuadroh3.SetString("NUMALUM", values.pupils);
    cuadroh3.SetString("ALIASDAE", values.alias);
    cuadroh3.SetString("PROF_DIA_SES", key);
    cuadroh3.SetString("REG_MOD", "S");
    cuadroh3.Post();
    if (appended) keys.Added(key, cuadroh3.RecNo());
}

void RemoveUntouchedRecords(tables::Table& workTable) {
    for (workTable.First(); !workTable.Eof();) {
        if (workTable.AsString("REG_MOD") == "N")
            workTable.Delete(); // moves on to the next record
        else
            workTable.Next();
    }
    for (workTable.First(); !workTable.Eof(); workTable.Next()) {
        workTable.Edit();
        workTable.SetString("REG_MOD", "N");
        workTable.Post();
    }
}

} // namespace tv::tablorix_to_dae
