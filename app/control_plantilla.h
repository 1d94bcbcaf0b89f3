// ControlPlantilla: the modal check of the centre's class-hour template. The
// user corrects the start and end times of each period in PLANTILLA so that
// they are the centre's real class hours; the extraction takes them from here.
#pragma once

#include "tables/table.h"

#include <QDialog>

#include <filesystem>

class QPushButton;

namespace tv::app {

class PlantillaModel;
class RecordNavigator;
class TableGrid;

class TControlPlantilla : public QDialog {
    Q_OBJECT
  public:
    TControlPlantilla(const std::filesystem::path& ktemp, QWidget* parent = nullptr);
    ~TControlPlantilla() override;

    TableGrid* Grid() const { return PlantiHorDBGrid; }
    QPushButton* AcceptButton() const { return BitBtn2; }

    // ----- handlers ---------------------------------------------------------
    void PlantiHorDBGridEnter();
    void PlantiHorDBGridExit();
    void BitBtn1Click();

  private:
    std::filesystem::path ktemp_;
    tables::Table wwTablePlantilla;
    PlantillaModel* model_ = nullptr;
    TableGrid* PlantiHorDBGrid = nullptr;
    RecordNavigator* wwDBNavigator1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
};

} // namespace tv::app
