// CreaTXTCuadroHorario: fCUADROS.txt, the DAE timetable file, into the DAE
// folder: the centre's header line, then each CUADROH2 record in key order
// followed by the CUADROH3 records of its key. Windows-1252, CR LF after
// every line.
#pragma once

#include "tablorix_to_dae/codification_tables.h"
#include "tablorix_to_dae/import_context.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tv::tablorix_to_dae {

inline constexpr std::string_view kTimetableFile = "fCUADROS.txt";

// The file's content from the codification's cursors, handed to `write` in
// pieces of whole lines: the centre's first record; CUADROH2 is unlinked from
// the teachers and walked in PROF_DIA_SES order; CUADROH3, detail of
// CUADROH2, is filtered on each key. The links are put back afterwards, each
// detail on the first record of its master.
void WriteTimetableFileContent(CodificationTables& tables,
                               const std::function<void(std::string_view)>& write);

// Throws TableError "… está en uso por otro programa …" when another program
// holds fCUADROS.txt in `daeFolder`; asked before a run changes anything.
void RefuseIfTimetableFileInUse(const std::filesystem::path& daeFolder);

enum class TimetableWrite { Written, FolderMissing, Failed };

// Writes the file in context.daeFolder. The work tables are written to disk
// first; the new content goes to a temporary file that replaces the earlier
// one only once complete, so a failed write leaves the earlier file as it
// was. A missing folder ("No existe la carpeta") or a failed write (its
// message) sets CodificationStatus to 4.
TimetableWrite CreaTXTCuadroHorario(ImportContext& context, CodificationTables& tables);

} // namespace tv::tablorix_to_dae
