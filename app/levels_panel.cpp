#include "app/levels_panel.h"

#include "app/label_style.h"
#include "app/levels_model.h"
#include "app/table_grid.h"

#include <QPushButton>
#include <QStyle>

namespace tv::app {

LevelsPanel::LevelsPanel(LevelsModel* model, QWidget* parent) : StepPanel(parent) {
    setObjectName(QStringLiteral("Panel2"));
    StyledLabel(tr("NIVELES DE ESTUDIOS"), "green", this, Underline::Yes)->setGeometry(43, 3, 200, 14);
    QLabel* instructions =
        StyledLabel(tr("Escriba las Abreviaturas (hasta 5 caracteres) en Castellano y / o "
                       "Euskera, de los NIVELES de Estudio que se imparten en el Centro. "),
                    "blue", this);
    instructions->setWordWrap(true);
    instructions->setGeometry(43, 16, 502, 28);

    grid_ = new TableGrid(
        model, {.fixedColumn = true, .scrollBars = true, .alternatingRows = true, .rowsDeletable = true},
        this);
    grid_->setObjectName(QStringLiteral("wwDBGridNIVIMP"));
    grid_->setGeometry(43, 45, 502, 191);

    StyledLabel(tr("ATENCIÓN - Las Abreviaturas deben ser distintas, y no repetirse. "), "red", this)
        ->setGeometry(43, 240, 502, 14);
    backButton_ = new QPushButton(tr("Volver a Datos Centro"), this);
    backButton_->setObjectName(QStringLiteral("Button2"));
    backButton_->setGeometry(43, 256, 160, 20);
    acceptButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("Aceptar"), this);
    acceptButton_->setObjectName(QStringLiteral("BitBtn2"));
    acceptButton_->setGeometry(465, 256, 80, 20);
    SetDefaultButton(acceptButton_);
}

} // namespace tv::app
