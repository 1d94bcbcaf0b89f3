#include "dae_to_tablorix/recoge_datos_dae.h"

#include "dae_to_tablorix/catalogue_files.h"
#include "dae_to_tablorix/catalogue_loading.h"
#include "dae_to_tablorix/centre_table.h"
#include "dae_to_tablorix/record_line.h"
#include "dae_to_tablorix/required_file.h"
#include "dae_to_tablorix/template_file.h"
#include "dae_to_tablorix/template_heads.h"
#include "tables/file_names.h"
#include "tables/user_text.h"
#include "tables/write_batch.h"

#include <string>

namespace tv::dae_to_tablorix {
namespace {

// The catalogues, the centre and the template heads; false when a required
// file is missing.
bool LoadDaeTables(ExportContext& context) {
    for (const CatalogueFile& catalogue : CatalogueFiles()) {
        const auto file = FindDaeFile(
            context, catalogue.fileName,
            FormatText(TV_TEXT("Exportar", "No existe archivo DAE (%1)"), {catalogue.nameInMessage}));
        if (!file) return false;
        // The line is read before the table is replaced, so an unreadable file
        // leaves the earlier table as it was.
        const FirstLine line(*file);
        LoadCatalogue(catalogue, line.Text(), context.ktemp);
    }

    const auto teachers =
        FindDaeFile(context, "profesorado.txt",
                    TV_TEXT("Exportar", "No existe archivo DAE de Profesores (profesorado.txt)"));
    if (!teachers) return false;
    // Only its head here: the teachers themselves are read by their writer.
    StoreCentreFromTeacherFile(ReadFirstLineStart(*teachers, kTeacherFileHeadLength), context.ktemp);

    std::vector<TemplateHead> heads;
    if (const auto templateFile = FindTemplateFile(context.dirTxt))
        heads = ListTemplateHeads(ReadFirstLine(*templateFile));
    else
        ShowTemplateFileMissing(context.prompt); // the step goes on with no templates
    StoreTemplateHeads(heads, context.ktemp);
    return true;
}

} // namespace

bool RecogeDatosDAE(ExportContext& context) {
    // Tablorix tables of an earlier run that this run may not replace.
    tables::DeleteFileNoCase(context.ktemp, "ASIGT.DBF");
    tables::DeleteFileNoCase(context.ktemp, "DIASHORAST.DBF");

    // The tables of the step reach the disk together, each whole or as it was.
    tables::WriteBatch batch;
    const bool loaded = LoadDaeTables(context);
    batch.Commit();
    return loaded && CentreTableExists(context);
}

} // namespace tv::dae_to_tablorix
