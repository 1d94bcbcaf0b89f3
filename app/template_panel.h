// The template-choice panel: the centre's day/hour templates, "OK" to start
// the transfer run, and the label shown while it runs.
#pragma once

#include "app/step_panel.h"

class QLabel;
class QPushButton;

namespace tv::app {

class TableGrid;
class TemplatesModel;

class TemplatePanel : public StepPanel {
    Q_OBJECT
  public:
    TemplatePanel(TemplatesModel* model, QWidget* parent = nullptr);

    TableGrid* Grid() const { return grid_; }
    QPushButton* OkButton() const { return okButton_; }
    QLabel* WaitLabel() const { return waitLabel_; }

  private:
    TableGrid* grid_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QLabel* waitLabel_ = nullptr;
};

} // namespace tv::app
