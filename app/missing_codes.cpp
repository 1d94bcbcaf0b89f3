#include "app/missing_codes.h"

#include "app/qt_text.h"
#include "app/teachers_model.h"
#include "tables/file_names.h"
#include "tables/table.h"
#include "tablorix_to_dae/codification_rules.h"
#include "tablorix_to_dae/work_tables.h"

#include <QCoreApplication>

namespace tv::app {

QStringList MissingCodes(const TeachersModel& teachers, const std::filesystem::path& ktemp) {
    QStringList missing;
    for (int row = 0; row < teachers.rowCount(); ++row)
        if (tablorix_to_dae::DocumentMissing(
                ToCp1252(teachers.index(row, TeachersModel::Dni).data().toString()).value_or(std::string())))
            missing << QCoreApplication::translate("MissingCodes", "Profesor %1: sin documento (DNI)")
                           .arg(teachers.index(row, TeachersModel::Abrev).data().toString());

    if (!tables::FileExistsNoCase(ktemp, "CUADROH2.DBF")) return missing;
    tables::Table classes;
    classes.Open(ktemp, tablorix_to_dae::kCuadroH2, tables::OpenMode::ReadOnly);
    classes.SetIndexName("PROF_DIA_SES");
    for (classes.First(); !classes.Eof(); classes.Next()) {
        if (!tablorix_to_dae::ClassCodeMissing(classes.AsString("CODASIG"), classes.AsString("TIP_ACTIV")))
            continue;
        missing << QCoreApplication::translate("MissingCodes",
                                               "%1, día %2, sesión %3 (%4): sin Cód.ASIG ni ACTIV.")
                       .arg(FromCp1252(classes.AsString("ABREVPROF")), FromCp1252(classes.AsString("DIASEM")),
                            FromCp1252(classes.AsString("NUMSESION")),
                            FromCp1252(classes.AsString("ABREVASIG")));
    }
    return missing;
}

} // namespace tv::app
