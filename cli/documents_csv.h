// --documentos FILE.csv: the teachers' documents that the user would type in
// the codification window, one teacher a line as "ABREV;TIPODNI;DNI" in
// UTF-8, no header.
#pragma once

#include "tablorix_to_dae/codification_tables.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tv::cli {

struct TeacherDocument {
    std::string teacher; // Windows-1252, like everything below
    std::string documentType;
    std::string document;
};

// Throws std::runtime_error (naming the line) on a line without three fields,
// a value wider than its field or a character outside Windows-1252. Blank
// lines are ignored.
std::vector<TeacherDocument> ReadDocumentsCsv(const std::filesystem::path& file);

// Types each document into PROFT and copies it into the teacher's timetable
// records, as the teachers grid does. Every teacher is checked first: one
// that PROFT lacks throws std::runtime_error and nothing changes.
void TypeTeacherDocuments(tablorix_to_dae::CodificationTables& tables,
                          const std::vector<TeacherDocument>& documents);

} // namespace tv::cli
