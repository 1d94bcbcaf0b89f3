// --niveles FILE.csv: the level abbreviations that the levels grid would take,
// one level a line as "COD;ABREVCAST;ABREVEUSK" in UTF-8, no header.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tv::cli {

struct LevelAbbreviations {
    std::string code; // Windows-1252, like everything below
    std::string castilian;
    std::string basque;
};

// Throws std::runtime_error (Windows-1252 text naming the line) on a line
// without three fields, an abbreviation longer than 5 characters or a
// character outside Windows-1252. Blank lines are ignored.
std::vector<LevelAbbreviations> ReadLevelsCsv(const std::filesystem::path& file);

// Types them into daeNIVIMP in `ktemp`; levels not listed keep theirs. Throws
// std::runtime_error when a code is not a level of the centre.
void ApplyLevelAbbreviations(const std::filesystem::path& ktemp,
                             const std::vector<LevelAbbreviations>& levels);

} // namespace tv::cli
