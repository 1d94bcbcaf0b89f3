#include "app/teacher_week_model.h"

#include "app/qt_text.h"
#include "tables/file_names.h"
#include "tables/table.h"
#include "tablorix_to_dae/work_tables.h"

#include <algorithm>

namespace tv::app {

TeacherWeekModel::TeacherWeekModel(QObject* parent) : QAbstractTableModel(parent) {}

void TeacherWeekModel::Load(const std::filesystem::path& ktemp, const QString& teacher) {
    beginResetModel();
    cells_.clear();
    days_ = 5;
    periods_ = 0;
    if (tables::FileExistsNoCase(ktemp, "CUADROH2.DBF") && tables::FileExistsNoCase(ktemp, "CUADROH3.DBF")) {
        const auto wanted = ToCp1252(teacher).value_or(std::string());
        tables::Table groups;
        groups.Open(ktemp, tablorix_to_dae::kCuadroH3, tables::OpenMode::ReadOnly);
        std::map<std::string, QStringList> groupsOfKey;
        for (groups.First(); !groups.Eof(); groups.Next())
            if (groups.AsString("ABREVPROF") == wanted)
                groupsOfKey[groups.AsString("PROF_DIA_SES")] << FromCp1252(groups.AsString("ABREVGRUP"));
        tables::Table classes;
        classes.Open(ktemp, tablorix_to_dae::kCuadroH2, tables::OpenMode::ReadOnly);
        for (classes.First(); !classes.Eof(); classes.Next()) {
            if (classes.AsString("ABREVPROF") != wanted) continue;
            const int day = FromCp1252(classes.AsString("DIASEM")).toInt();
            const int period = FromCp1252(classes.AsString("NUMSESION")).toInt();
            if (day <= 0 || period <= 0) continue;
            days_ = std::max(days_, day);
            periods_ = std::max(periods_, period);
            QString text = FromCp1252(classes.AsString("ABREVASIG"));
            const QStringList& names = groupsOfKey[classes.AsString("PROF_DIA_SES")];
            if (!names.isEmpty()) text += QLatin1Char('\n') + names.join(QStringLiteral(", "));
            cells_[{period, day}] = text;
        }
    }
    endResetModel();
}

int TeacherWeekModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : periods_;
}

int TeacherWeekModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : days_;
}

QVariant TeacherWeekModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    const auto found = cells_.find({index.row() + 1, index.column() + 1});
    return found == cells_.end() ? QVariant() : QVariant(found->second);
}

QVariant TeacherWeekModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return tr("Sesión %1").arg(section + 1);
    static const char* const names[] = {QT_TR_NOOP("Lunes"),  QT_TR_NOOP("Martes"),  QT_TR_NOOP("Miércoles"),
                                        QT_TR_NOOP("Jueves"), QT_TR_NOOP("Viernes"), QT_TR_NOOP("Sábado"),
                                        QT_TR_NOOP("Domingo")};
    return section < 7 ? tr(names[section]) : tr("Día %1").arg(section + 1);
}

} // namespace tv::app
