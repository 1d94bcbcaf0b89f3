#include "app/centre_panel.h"

#include "app/centre_model.h"
#include "app/label_style.h"
#include "app/table_grid.h"

#include <QCheckBox>
#include <QPushButton>
#include <QStyle>

namespace tv::app {

CentrePanel::CentrePanel(CentreModel* model, QWidget* parent) : StepPanel(parent) {
    setObjectName(QStringLiteral("Panel1"));
    StyledLabel(tr("Aceptar o Corregir sus Datos del Centro:"), "blue", this)->setGeometry(7, 6, 258, 14);

    grid_ = new TableGrid(model, {.fixedColumn = false, .scrollBars = false}, this);
    grid_->setObjectName(QStringLiteral("wwDBGridCODCENTRO"));
    grid_->setGeometry(7, 24, 258, 46);

    StyledLabel(tr("!!! I M P O R T A N T E !!!"), "red", this, Underline::Yes)->setGeometry(280, 6, 180, 14);
    StyledLabel(tr("Indique si su Centro es :"), "blue", this)->setGeometry(280, 24, 180, 14);
    // The text stands left of the box.
    publicBox_ = new QCheckBox(tr("de ENTIDAD PÚBLICA:"), this);
    publicBox_->setObjectName(QStringLiteral("CheckBoxPUBLICO"));
    publicBox_->setLayoutDirection(Qt::RightToLeft);
    publicBox_->setChecked(true);
    publicBox_->setGeometry(280, 44, 175, 18);
    privateBox_ = new QCheckBox(tr("PRIVADO o CONCERTADO:"), this);
    privateBox_->setObjectName(QStringLiteral("CheckBoxPRIVADO"));
    privateBox_->setLayoutDirection(Qt::RightToLeft);
    privateBox_->setGeometry(280, 64, 175, 18);
    connect(publicBox_, &QCheckBox::clicked, this, &CentrePanel::CheckBoxPUBLICOClick);
    connect(privateBox_, &QCheckBox::clicked, this, &CentrePanel::CheckBoxPRIVADOClick);

    okButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("BitBtn1"));
    okButton_->setGeometry(7, 76, 80, 27);
    SetDefaultButton(okButton_);
}

bool CentrePanel::PrivateCentre() const {
    return !publicBox_->isChecked();
}

void CentrePanel::CheckBoxPUBLICOClick() {
    privateBox_->setChecked(!publicBox_->isChecked());
}

void CentrePanel::CheckBoxPRIVADOClick() {
    publicBox_->setChecked(!privateBox_->isChecked());
}

} // namespace tv::app
