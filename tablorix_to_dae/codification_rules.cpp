#include "tablorix_to_dae/codification_rules.h"

#include "tablorix_to_dae/crea_txt_cuadro_horario.h"
#include "tablorix_to_dae/messages.h"

#include "tables/text.h"
#include "tablorix_schema/table_names.h"
#include "tablorix_schema/teacher_table.h"

namespace tv::tablorix_to_dae {
namespace {

// Sets TIPDOC and DOC on the records of `detail` (one teacher's records) from
// its first record on, stopping at one of another teacher.
void CopyDocument(tables::Table& detail, const std::string& abbreviation, const std::string& documentType,
                  const std::string& document) {
    for (detail.First(); !detail.Eof(); detail.Next()) {
        if (detail.AsString("ABREVPROF") != abbreviation) break;
        detail.Edit();
        detail.SetString("TIPDOC", documentType);
        detail.SetString("DOC", document);
        detail.Post();
    }
}

void ReturnTo(tables::Table& table, const tables::Bookmark& mark) {
    if (mark.record != 0) table.GotoBookmark(mark);
}

} // namespace

LectiveEditing LectiveRule(std::string_view subjectCode) {
    const bool lective = TrimControl(subjectCode).size() >= 5;
    return {lective, lective, !lective};
}

std::optional<LectiveEditing> ApplyLective(std::string_view column, const tables::Table& classes) {
    if (column != "CODASIG" && column != "TIP_ACTIV") return std::nullopt;
    return LectiveRule(classes.AsString("CODASIG"));
}

std::optional<std::string> ReadOnlyListMessage(CodeList list, const LectiveEditing& editing) {
    if (list == CodeList::Subject && !editing.subjectEditable) return SubjectListOnNonLectiveLine();
    if (list == CodeList::Activity && !editing.activityEditable) return ActivityListOnLectiveLine();
    return std::nullopt;
}

bool FillNameFromSubject(tables::Table& classes, const tables::Table& chosenSubject, bool listReadOnly) {
    if (listReadOnly) return false;
    const std::string description = chosenSubject.AsString("DESCCAST");
    if (classes.AsString("NOMASIG") == description) return false;
    classes.Edit();
    classes.SetString("NOMASIG", description);
    return true;
}

void FillPlanFromLevel(tables::Table& classes, const tables::Table& chosenLevel) {
    classes.Edit();
    if (TrimControl(classes.AsString("GRUPNIV")).empty())
        classes.Clear("PLAN");
    else
        classes.SetString("PLAN", chosenLevel.AsString("PLAN"));
}

void CopyDocumentToTeacherRecords(CodificationTables& tables) {
    const std::string abbreviation = tables.teachers.AsString(schema::kAbbreviationField);
    const std::string documentType = tables.teachers.AsString(schema::kDocumentTypeField);
    const std::string document = tables.teachers.AsString(schema::kDocumentField);

    // The groups' place is taken first: walking the type-2 records moves
    // their master, which puts them on the first group of each record.
    const tables::Bookmark groupMark = tables.groups.GetBookmark();
    const tables::Bookmark classMark = tables.classes.GetBookmark();
    CopyDocument(tables.classes, abbreviation, documentType, document);
    ReturnTo(tables.classes, classMark);
    CopyDocument(tables.teacherGroups, abbreviation, documentType, document);
    ReturnTo(tables.groups, groupMark);
}

bool DocumentMissing(std::string_view document) {
    return TrimControl(document).empty();
}

bool ClassCodeMissing(std::string_view subjectCode, std::string_view activity) {
    return !LectiveRule(subjectCode).lective && TrimControl(activity).empty();
}

std::vector<std::string> TeachersWithoutDocument(CodificationTables& tables) {
    std::vector<std::string> missing;
    tables.WalkTeachers([&] {
        if (DocumentMissing(tables.teachers.AsString(schema::kDocumentField)))
            missing.push_back(tables.teachers.AsString(schema::kAbbreviationField));
        return true;
    });
    return missing;
}

TerminarOutcome Terminar(ImportContext& context, CodificationTables& tables,
                         const BeforeWriting& beforeWriting) {
    context.codificationStatus = CodificationStatus::Finished;
    tables::Bookmark withoutDocument;
    tables.WalkTeachers([&] {
        if (DocumentMissing(tables.teachers.AsString(schema::kDocumentField)))
            withoutDocument = tables.teachers.GetBookmark();
        return withoutDocument.record == 0;
    });
    if (withoutDocument.record != 0) {
        // Asked with the window on that teacher, where the user goes on editing.
        tables.teachers.GotoBookmark(withoutDocument);
        if (context.prompt.Question(TeacherWithoutDocumentQuestion())) return TerminarOutcome::KeepEditing;
        context.codificationStatus = CodificationStatus::NotFinished;
    }
    if (context.codificationStatus == CodificationStatus::Finished) {
        if (beforeWriting && !beforeWriting()) return TerminarOutcome::KeepEditing;
        if (CreaTXTCuadroHorario(context, tables) == TimetableWrite::Failed) {
            // Its message is shown; the user frees the file or the folder and tries again.
            context.state.WorkflowState = WorkflowState::CodificationUnfinished;
            return TerminarOutcome::WriteFailed;
        }
    }
    context.state.WorkflowState = context.codificationStatus == CodificationStatus::NotFinished
                                      ? WorkflowState::CodificationUnfinished
                                      : WorkflowState::Idle;
    tables.Close();
    return TerminarOutcome::Closed;
}

} // namespace tv::tablorix_to_dae
