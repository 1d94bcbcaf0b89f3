// The rules of the codification window, kept apart from any widget so that
// the window (a model over the cursors of CodificationTables) calls them on
// its events and the command line uses them as they are.
#pragma once

#include "tablorix_to_dae/codification_tables.h"
#include "tablorix_to_dae/import_context.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tv::tablorix_to_dae {

// Whether a type-2 line is lective (a DAE subject: CODASIG of 5 characters or
// more after the wider trim) and so which of its two columns may be edited.
struct LectiveEditing {
    bool lective = false;
    bool subjectEditable = false;  // CODASIG and its list (shown)
    bool activityEditable = false; // TIP_ACTIV and its list (shown)
};

LectiveEditing LectiveRule(std::string_view subjectCode);

// Run when a column of the type-2 grid is entered or its row changes: only
// the columns CODASIG and TIP_ACTIV change the editing; otherwise nullopt.
std::optional<LectiveEditing> ApplyLective(std::string_view column, const tables::Table& classes);

enum class CodeList { Subject, Activity };
// The information shown on entering a list the line makes read-only (the list
// is then hidden); nullopt when the list is editable.
std::optional<std::string> ReadOnlyListMessage(CodeList list, const LectiveEditing& editing);

// Leaving the subject list: NOMASIG takes DESCCAST of the chosen daeASIGNAT
// entry (the Castilian text whatever the language), unless the list is
// read-only or the name is already that. True when it changed the record,
// which is left in editing.
bool FillNameFromSubject(tables::Table& classes, const tables::Table& chosenSubject, bool listReadOnly);

// Leaving the level list: PLAN takes the plan of the chosen daeNIVIMP entry,
// or is cleared when GRUPNIV is blank. The record is left in editing.
void FillPlanFromLevel(tables::Table& classes, const tables::Table& chosenLevel);

// The current teacher's TIPODNI and DNI (as being edited) into TIPDOC and DOC
// of all his type-2 and type-3 records; the type-2 and type-3 cursors return
// to the records they stood on.
void CopyDocumentToTeacherRecords(CodificationTables& tables);

// What still lacks a code, by the rules "&Terminar" and the file apply: a
// teacher's DNI empty after the wider trim; a type-2 line neither lective nor
// with an activity (TIP_ACTIV empty after the wider trim).
bool DocumentMissing(std::string_view document);
bool ClassCodeMissing(std::string_view subjectCode, std::string_view activity);

// The abbreviations of the teachers whose DNI is blank, in ABREV order. Going
// through the teachers stores an edit in progress first.
std::vector<std::string> TeachersWithoutDocument(CodificationTables& tables);

enum class TerminarOutcome {
    KeepEditing, // a teacher lacks a document and the user wants to correct it
    WriteFailed, // fCUADROS.txt could not be written: the tables stay open for another try
    Closed,      // the tables are closed; WorkflowState says whether it finished
};

// Asked once every teacher has a document, just before the file is written
// (the check of the timetable file): false keeps the user editing, nothing
// written and nothing closed.
using BeforeWriting = std::function<bool()>;

// "&Terminar": asks about the first teacher without a document (Yes keeps
// the window open on that teacher, No leaves the run unfinished); otherwise
// writes fCUADROS.txt, when `beforeWriting` (if given) agrees. Sets
// CodificationStatus and WorkflowState (CodificationUnfinished when not finished, else Idle) and
// closes the tables unless the user keeps editing or the file could not be
// written (the earlier file stays; the run counts as unfinished until a later
// "&Terminar" writes it).
TerminarOutcome Terminar(ImportContext& context, CodificationTables& tables,
                         const BeforeWriting& beforeWriting = {});

} // namespace tv::tablorix_to_dae
