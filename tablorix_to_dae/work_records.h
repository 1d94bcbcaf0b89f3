// Writing one class into the work tables, and the clean-up after the pass.
// Fields the user completes in the codification window are written only while
// blank, so a merging extraction keeps them; what the timetable decides is
// written every time. REG_MOD "S" marks what this extraction touched.
#pragma once

#include "tablorix_to_dae/class_values.h"

#include "tables/table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tv::tablorix_to_dae {

// The first live record of each key in PROF_DIA_SES order (equal keys in
// record order), as FindKey on that tag finds it, kept in a hash map so that
// a pass over a large timetable does not re-sort the index on every append.
class FirstRecordByKey {
  public:
    // Reads the keys of `table`'s live records.
    explicit FirstRecordByKey(tables::Table& table);
    // 0 when no record has the key.
    std::uint32_t Find(std::string_view key) const;
    // Notes an appended record; a key already present keeps its first record.
    void Added(std::string_view key, std::uint32_t record);

  private:
    // The key as a 13-character key field holds and compares it.
    static std::string Stored(std::string_view key);
    std::unordered_map<std::string, std::uint32_t> first_;
};

// The type-2 record of the class's key in CUADROH2, found or appended.
void WriteClassRecord(tables::Table& cuadroh2, FirstRecordByKey& keys, const ClassValues& values);

// The type-3 record of the class's group in CUADROH3: the key's first record
// when it belongs to the same group, otherwise a new one. Nothing for a class
// without a group.
void WriteGroupRecord(tables::Table& cuadroh3, FirstRecordByKey& keys, const ClassValues& values);

// Deletes the records this extraction did not touch (REG_MOD "N") and puts
// every remaining record back to "N".
void RemoveUntouchedRecords(tables::Table& workTable);

} // namespace tv::tablorix_to_dae
