#include "app/findings_model.h"

#include "app/qt_text.h"

#include <QBrush>
#include <QColor>

namespace tv::app {

namespace t2d = tablorix_to_dae;

int FindingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(findings_.size());
}

int FindingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const t2d::Finding& finding = findings_[static_cast<std::size_t>(index.row())];
    const bool blocking = finding.severity == t2d::Severity::Blocking;
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        if (index.column() == Gravedad) return FromCp1252(t2d::SeverityWord(finding.severity));
        return FromCp1252(finding.text);
    }
    if (role == Qt::ForegroundRole && blocking) return QBrush(QColor(Qt::darkRed));
    return {};
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == Gravedad ? tr("Gravedad") : tr("Descripción");
}

void FindingsModel::SetFindings(std::vector<t2d::Finding> findings) {
    beginResetModel();
    findings_ = std::move(findings);
    endResetModel();
}

} // namespace tv::app
