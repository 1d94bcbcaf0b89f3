// Writing the classes into the work tables, and the clean-up after the pass.
// Fields the user completes in the codification window are written only while
// blank, so a merging extraction keeps them; what the timetable decides is
// written every time. REG_MOD "S" marks what this extraction touched.
//
// The tables are built in bulk (TableBuilder): a large timetable writes tens
// of thousands of rows, each by fields found once.
#pragma once

#include "tablorix_to_dae/class_values.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/table_builder.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae {

// The first live record of each key in PROF_DIA_SES order (equal keys in
// record order), as FindKey on that tag finds it. The records there before
// the pass are kept as their keys sort, for a binary search; classes arrive
// in key order, so a key appended during the pass can only be asked for again
// by the classes that directly follow: only the last appended key is kept
// beside them.
class FirstRecordByKey {
  public:
    // Reads the keys of the live records of `table`.
    FirstRecordByKey(const tables::TableBuilder& table, const tables::FieldSlot& keyField);
    // 0 when no record has the key.
    std::uint32_t Find(std::string_view key) const;
    // Notes an appended record; a key already present keeps its first record.
    void Added(std::string_view key, std::uint32_t record);

  private:
    // The key as a 13-character key field holds and compares it: cut or
    // padded with blanks.
    using StoredKey = std::array<char, kKeyWidth>;
    static StoredKey Stored(std::string_view key);
    std::string_view EarlierKey(std::size_t i) const;
    // The place of the first earlier key not below `stored`.
    std::size_t LowerBound(std::string_view stored) const;
    std::string earlierKeys_;                   // Stored keys, sorted, each once
    std::vector<std::uint32_t> earlierRecords_; // the first record of each
    mutable std::size_t lastPlace_ = 0;         // of the last search
    StoredKey lastKey_{};
    std::uint32_t lastRecord_ = 0;
};

// CUADROH2 while the extraction writes it: one type-2 record per key.
class ClassRecords {
  public:
    explicit ClassRecords(tables::TableBuilder& table);
    // The record of the class's key, found or appended.
    void Write(const ClassValues& values);

  private:
    tables::TableBuilder& table_;
    tables::FieldSlot tipreg_, tipdoc_, abrevprof_, doc_, numsesion_, diasem_, tiptar_, horaini_, horafin_,
        grupniv_, abrevasig_, codasig_, nomasig_, tipasig_, idioma_, aulaObs_, tipActiv_, profDiaSes_,
        diaSes_, plan_, regMod_;
    FirstRecordByKey keys_;
};

// CUADROH3 while the extraction writes it: one type-3 record per group of a class.
class GroupRecords {
  public:
    explicit GroupRecords(tables::TableBuilder& table);
    // The key's first record when it belongs to the same group, otherwise a
    // new one. Nothing for a class without a group.
    void Write(const ClassValues& values);

  private:
    tables::TableBuilder& table_;
    tables::FieldSlot tipreg_, abrevgrup_, codgrupo_, tipdoc_, abrevprof_, doc_, numsesgrup_, diasem_,
        numalum_, aliasdae_, profDiaSes_, regMod_;
    FirstRecordByKey keys_;
};

// Deletes the records this extraction did not touch (REG_MOD "N") and puts
// every remaining record back to "N".
void RemoveUntouchedRecords(tables::TableBuilder& workTable);

} // namespace tv::tablorix_to_dae
