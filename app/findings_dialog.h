// The list of what the check of the timetable file found, beside the
// codification window: how many errors and warnings, one line per finding
// (a double-click asks the window to go to its record), and "Guardar
// informe..." to save the list as a CSV file.
#pragma once

#include "tablorix_to_dae/timetable_finding.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableView;

namespace tv::app {

class FindingsModel;

class FindingsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FindingsDialog(QWidget* parent);

    void Show(std::vector<tablorix_to_dae::Finding> findings);
    const std::vector<tablorix_to_dae::Finding>& Findings() const;

    QTableView* List() const { return list_; }
    QPushButton* SaveButton() const { return save_; }
    QLabel* Summary() const { return summary_; }

    // Writes the report to `file`; a failure is shown in an error box.
    bool SaveReport(const QString& file);

    // ----- test hook ---------------------------------------------------------
    // The file the next "Guardar informe..." saves to, instead of asking.
    static void SetNextSaveFile(const QString& file);

  signals:
    void findingChosen(const tablorix_to_dae::Finding& finding);

  private:
    void SaveClicked();

    FindingsModel* model_ = nullptr;
    QLabel* summary_ = nullptr;
    QTableView* list_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace tv::app
