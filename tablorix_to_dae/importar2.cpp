#include "tablorix_to_dae/importar2.h"

#include "tablorix_to_dae/crea_txt_cuadro_horario.h"
#include "tablorix_to_dae/extraction.h"
#include "tablorix_to_dae/messages.h"
#include "tablorix_to_dae/table_snapshot.h"
#include "tablorix_to_dae/work_tables.h"

#include "tables/file_names.h"
#include "tablorix_schema/table_names.h"

namespace tv::tablorix_to_dae {

ImportPath ChooseImportPath(ImportContext& context) {
    if (!tables::FileExistsNoCase(context.ktemp, "CUADROH2.DBF") ||
        !context.prompt.Question(KeepEarlierDataQuestion())) {
        CreaCuadrosHorarios(context.ktemp);
        context.state.WorkflowState = 1;
        return ImportPath::Fresh;
    }
    if (context.prompt.Question(CodificationOnlyQuestion())) {
        context.state.WorkflowState = 0;
        return ImportPath::CodificationOnly;
    }
    return ImportPath::Merging;
}

void Importar2(ImportContext& context, const OpenCodification& openCodification) {
    // The file this run ends by replacing must be free before the work tables change.
    RefuseIfTimetableFileInUse(context.dirTxt);
    const TableSnapshot before(
        context.ktemp, {std::string(kCuadroH2), std::string(kCuadroH3), std::string(schema::kTeacherTable)});
    // The work tables just written stay in memory through the codification.
    WrittenWorkTables written;
    RunRestoringOnFailure(before, [&] {
        const ImportPath path = ChooseImportPath(context);
        if (path == ImportPath::CodificationOnly) return;
        // A CUADROH3 kept from an earlier version would cut 100 pupils or more to two digits.
        if (path == ImportPath::Merging) WidenNumberOfPupils(context.ktemp);
        written = ExtractTimetable(context.ktemp);
    });

    context.daeFolder = context.dirTxt;
    openCodification(context);
    // Whatever the codification changed in them is written now, and a failure said.
    written.classes.Close();
    written.groups.Close();
    if (context.state.WorkflowState != 4) context.state.WorkflowState = 0;
    context.state.TransformResult = 1;
    context.prompt.Message(context.state.WorkflowState == 4 ? ProcessNotFinished() : ProcessFinished());
}

} // namespace tv::tablorix_to_dae
