// The Tablorix rows a class is joined with, each read once into a hash map:
// groups and subjects by their abbreviation (the first record in stored order
// wins, as a walk from the first record would find), periods by number.
#pragma once

#include "tablorix_to_dae/template_rows.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tv::tablorix_to_dae {

// Found by a view of the text, without a string built for each look-up.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
template <class Value> using ByText = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

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
ByText<GroupCodes> ReadGroups(const std::filesystem::path& ktemp);
// ASIGNOMT by COD.
ByText<SubjectCodes> ReadSubjects(const std::filesystem::path& ktemp);
// PLANTILLA by period (the first row in HORA order when a period repeats).
std::unordered_map<int, TemplateRow> ReadPeriods(const std::filesystem::path& ktemp);

} // namespace tv::tablorix_to_dae
