// The Tablorix rows a class is joined with, each read once into a hash map:
// groups and subjects by their abbreviation (the first record in stored order
// wins, as a walk from the first record would find), periods by number.
#pragma once

#include "tablorix_to_dae/template_rows.h"

#include <filesystem>
#include <string>
#include <unordered_map>

namespace tv::tablorix_to_dae {

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
std::unordered_map<std::string, GroupCodes> ReadGroups(const std::filesystem::path& ktemp);
// ASIGNOMT by COD.
std::unordered_map<std::string, SubjectCodes> ReadSubjects(const std::filesystem::path& ktemp);
// PLANTILLA by period (the first row in HORA order when a period repeats).
std::unordered_map<int, TemplateRow> ReadPeriods(const std::filesystem::path& ktemp);

} // namespace tv::tablorix_to_dae
