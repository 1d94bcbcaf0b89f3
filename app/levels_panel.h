// The study-levels panel: the centre's levels with the abbreviations to type,
// "Volver a Datos Centro" and "Aceptar". The template panel opens over its grid.
#pragma once

#include "app/step_panel.h"

class QPushButton;

namespace tv::app {

class LevelsModel;
class TableGrid;

class LevelsPanel : public StepPanel {
    Q_OBJECT
  public:
    LevelsPanel(LevelsModel* model, QWidget* parent = nullptr);

    TableGrid* Grid() const { return grid_; }
    QPushButton* BackButton() const { return backButton_; }
    QPushButton* AcceptButton() const { return acceptButton_; }

  private:
    TableGrid* grid_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* acceptButton_ = nullptr;
};

} // namespace tv::app
