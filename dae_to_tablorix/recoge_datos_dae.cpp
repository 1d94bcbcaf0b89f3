#include "dae_to_tablorix/recoge_datos_dae.h"

#include "dae_to_tablorix/catalogue_files.h"
#include "dae_to_tablorix/catalogue_loading.h"
#include "dae_to_tablorix/centre_table.h"
#include "dae_to_tablorix/record_line.h"
#include "dae_to_tablorix/template_file.h"
#include "dae_to_tablorix/template_heads.h"
#include "tables/file_names.h"
#include "tables/user_text.h"

#include <string>

namespace tv::dae_to_tablorix {
namespace {

bool ReportIfMissing(ExportContext& context, std::string_view fileName, std::string_view message) {
    if (tables::FileExistsNoCase(context.dirTxt, fileName)) return false;
    context.prompt.Message(message);
    context.state.TransformResult = -1;
    return true;
}

} // namespace

bool RecogeDatosDAE(ExportContext& context) {
    // Tablorix tables of an earlier run that this run may not replace.
    tables::DeleteFileNoCase(context.ktemp, "ASIGT.DBF");
    tables::DeleteFileNoCase(context.ktemp, "DIASHORAST.DBF");

    for (const CatalogueFile& catalogue : CatalogueFiles()) {
        if (ReportIfMissing(
                context, catalogue.fileName,
                FormatText(TV_TEXT("Exportar", "No existe archivo DAE (%1)"), {catalogue.nameInMessage})))
            return false;
        // The line is read before the table is replaced, so an unreadable file
        // leaves the earlier table as it was.
        const std::string line = ReadFirstLine(tables::ResolveFileName(context.dirTxt, catalogue.fileName));
        LoadCatalogue(catalogue, line, context.ktemp);
    }

    if (ReportIfMissing(context, "profesorado.txt",
                        TV_TEXT("Exportar", "No existe archivo DAE de Profesores (profesorado.txt)")))
        return false;
    StoreCentreFromTeacherFile(ReadFirstLine(tables::ResolveFileName(context.dirTxt, "profesorado.txt")),
                               context.ktemp);

    std::vector<TemplateHead> heads;
    if (const auto templateFile = FindTemplateFile(context.dirTxt))
        heads = ListTemplateHeads(ReadFirstLine(*templateFile));
    else
        ShowTemplateFileMissing(context.prompt); // the step goes on with no templates
    StoreTemplateHeads(heads, context.ktemp);

    return CentreTableExists(context);
}

} // namespace tv::dae_to_tablorix
