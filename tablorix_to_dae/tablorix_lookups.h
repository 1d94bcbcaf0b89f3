// The Tablorix rows a class is joined with, each read once into an index:
// groups and subjects by their abbreviation (the first record in stored order
// wins, as a walk from the first record would find), periods by number.
#pragma once

#include "tablorix_to_dae/name_index.h"
#include "tablorix_to_dae/template_rows.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tv::tablorix_to_dae {

// Values by a short name (an abbreviation, a code), found by a view of the
// name: the first value given for a name is the one kept.
template <class Value> class ByName {
  public:
    void TryAdd(std::string_view name, Value value) {
        if (index_.Add(name) == values_.size()) values_.push_back(std::move(value));
    }
    // nullptr when no value has the name.
    const Value* Find(std::string_view name) const {
        const std::uint32_t number = index_.Find(name);
        return number == NameIndex::kNone ? nullptr : &values_[number];
    }

  private:
    NameIndex index_;
    std::vector<Value> values_; // by the name's number
};

struct GroupCodes {
    std::string level;     // NIVELDAE
    std::string plan;      // PLANDAE
    std::string code;      // CODGRUDAE
    std::string alias;     // ALIASDAE
    std::string maxPupils; // MAXALUM as text
};

struct SubjectCodes {
    std::string code; // CODIGODAE
    std::string name; // NOMBRE
};

// GRUPOST by ABREV.
ByName<GroupCodes> ReadGroups(const std::filesystem::path& ktemp);
// ASIGNOMT by COD.
ByName<SubjectCodes> ReadSubjects(const std::filesystem::path& ktemp);
// PLANTILLA by period (the first row in HORA order when a period repeats).
std::unordered_map<int, TemplateRow> ReadPeriods(const std::filesystem::path& ktemp);

} // namespace tv::tablorix_to_dae
