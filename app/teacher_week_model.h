// One teacher's week as a grid of periods (rows) by days (columns), each
// class in the cell of its first period with its subject and groups. Read
// from the work tables through its own cursors; a view only.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <filesystem>
#include <map>
#include <utility>

namespace tv::app {

class TeacherWeekModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TeacherWeekModel(QObject* parent = nullptr);

    // Reads the classes of `teacher` (ABREVPROF) from CUADROH2 and CUADROH3.
    void Load(const std::filesystem::path& ktemp, const QString& teacher);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    int days_ = 5;
    int periods_ = 0;
    std::map<std::pair<int, int>, QString> cells_; // (period, day) -> text
};

} // namespace tv::app
