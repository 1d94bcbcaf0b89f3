// The centre-data panel: the centre's row to accept or correct, and whether
// the centre is public or private (which fixes the teacher record length).
#pragma once

#include "app/step_panel.h"

class QCheckBox;
class QPushButton;

namespace tv::app {

class CentreModel;
class TableGrid;

class CentrePanel : public StepPanel {
    Q_OBJECT
  public:
    CentrePanel(CentreModel* model, QWidget* parent = nullptr);

    TableGrid* Grid() const { return grid_; }
    QPushButton* OkButton() const { return okButton_; }
    bool PrivateCentre() const;

    // The two boxes are kept opposite: exactly one is checked.
    void CheckBoxPUBLICOClick();
    void CheckBoxPRIVADOClick();

  private:
    TableGrid* grid_ = nullptr;
    QCheckBox* publicBox_ = nullptr;
    QCheckBox* privateBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace tv::app
