#include "app/control_plantilla.h"

#include "app/label_style.h"
#include "app/plantilla_model.h"
#include "app/record_navigator.h"
#include "app/table_grid.h"
#include "tablorix_to_dae/plantilla_centro.h"

#include <QPushButton>
#include <QStyle>

namespace tv::app {
namespace {

constexpr int kHelpContext = 1;
constexpr int kAcceptHelpContext = 3;

} // namespace

TControlPlantilla::TControlPlantilla(const std::filesystem::path& ktemp, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ktemp_(ktemp) {
    setObjectName(QStringLiteral("ControlPlantilla"));
    setWindowTitle(tr("Control de Plantilla Horaria"));
    setFixedSize(595, 305);
    setProperty("helpContext", kHelpContext);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setStyleSheet(QStringLiteral("TControlPlantilla { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                 "stop:0 #fdf6e3, stop:1 #d9e6f2); }"));

    auto* title =
        StyledLabel(tr("COMPROBACIÓN DE LA PLANTILLA HORARIA DEL CENTRO"), "navy", this, Underline::Yes);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(10, 8, 400, 16);

    model_ = new PlantillaModel(wwTablePlantilla, this);
    PlantiHorDBGrid =
        new TableGrid(model_, {.fixedColumn = false, .scrollBars = true, .twoLineTitles = true}, this);
    PlantiHorDBGrid->setObjectName(QStringLiteral("PlantiHorDBGrid"));
    PlantiHorDBGrid->setProperty("helpContext", kHelpContext);
    PlantiHorDBGrid->setGeometry(10, 30, 385, 230);

    wwDBNavigator1 = new RecordNavigator(model_, this);
    wwDBNavigator1->setGeometry(10, 266, 300, 28);

    auto* heading = StyledLabel(tr("PLANTILLA HORARIA DEL CENTRO"), "navy", this, Underline::Yes);
    heading->setObjectName(QStringLiteral("Label3"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true); // on two lines where the font is wider than the place
    heading->setGeometry(400, 34, 190, 32);
    auto* advice =
        new QLabel(tr("Modifique, en caso necesario, las Horas de Inicio y Final de Clase, en la "
                      "presente rejilla. Deben ser iguales que la Plantilla Horaria de su Centro."),
                   this);
    advice->setObjectName(QStringLiteral("Label2"));
    advice->setWordWrap(true);
    advice->setGeometry(408, 72, 180, 120);

    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("Aceptar"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setProperty("helpContext", kAcceptHelpContext);
    BitBtn2->setDefault(true);
    BitBtn2->setGeometry(480, 262, 100, 30);

    connect(PlantiHorDBGrid, &TableGrid::entered, this, &TControlPlantilla::PlantiHorDBGridEnter);
    connect(BitBtn2, &QPushButton::clicked, this, &TControlPlantilla::BitBtn1Click);
    // The grid is first in the tab order: it takes the focus as the window opens.
    setTabOrder(PlantiHorDBGrid, BitBtn2);
    PlantiHorDBGrid->setFocus();
    PlantiHorDBGridEnter();
}

TControlPlantilla::~TControlPlantilla() {
    // The grid posts into the cursor as it goes: it goes while the cursor exists.
    delete PlantiHorDBGrid;
}

void TControlPlantilla::PlantiHorDBGridEnter() {
    if (!model_->IsOpen()) {
        model_->Open(ktemp_, tablorix_to_dae::kTemplateTable);
        model_->First();
    }
    model_->StartEdit();
}

void TControlPlantilla::PlantiHorDBGridExit() {
    model_->PostEdit();
}

void TControlPlantilla::BitBtn1Click() {
    // Leaving the grid for the button stores what was being typed.
    PlantiHorDBGrid->CommitEdit();
    PlantiHorDBGridExit();
    model_->Close();
    accept();
}

} // namespace tv::app
