// Beside the codification grids, for the user's overview: how many records
// still lack a code (listed on demand) and the current teacher's week. Views
// only: they read the tables and change nothing.
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <filesystem>

class QDialog;
class QLabel;
class QPushButton;

namespace tv::app {

class TeacherWeekModel;
class TeachersModel;

// Where a window of `size` opens beside `owner`, wholly on `screen`: to its
// right when there is room, else to its left, else over it.
QPoint BesideOnScreen(const QRect& owner, const QSize& size, const QRect& screen);

class CodificationExtras : public QWidget {
    Q_OBJECT
  public:
    CodificationExtras(const std::filesystem::path& ktemp, TeachersModel* teachers,
                       QWidget* parent = nullptr);

    int MissingCount() const { return missing_.size(); }
    const QStringList& Missing() const { return missing_; }
    TeacherWeekModel* WeekModel() const { return weekModel_; }

    // Counts again and reloads the week of the teacher now current.
    void Refresh();
    void ShowMissingList();
    void ShowWeek();

  private:
    std::filesystem::path ktemp_;
    TeachersModel* teachers_;
    QStringList missing_;
    QLabel* countLabel_ = nullptr;
    QPushButton* listButton_ = nullptr;
    QPushButton* weekButton_ = nullptr;
    TeacherWeekModel* weekModel_ = nullptr;
    QDialog* weekWindow_ = nullptr;
};

} // namespace tv::app
