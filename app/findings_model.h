// The findings of the timetable check as a two-column list: severity and
// text. Blocking findings are drawn in red.
#pragma once

#include "tablorix_to_dae/timetable_finding.h"

#include <QAbstractTableModel>

#include <vector>

namespace tv::app {

class FindingsModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Gravedad, Descripcion, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void SetFindings(std::vector<tablorix_to_dae::Finding> findings);
    const std::vector<tablorix_to_dae::Finding>& Findings() const { return findings_; }

  private:
    std::vector<tablorix_to_dae::Finding> findings_;
};

} // namespace tv::app
