#include "app/template_panel.h"

#include "app/label_style.h"
#include "app/table_grid.h"
#include "app/templates_model.h"

#include <QPushButton>
#include <QStyle>

namespace tv::app {

TemplatePanel::TemplatePanel(TemplatesModel* model, QWidget* parent) : StepPanel(parent) {
    setObjectName(QStringLiteral("Panel3"));
    StyledLabel(tr("Seleccione la Plantilla Horaria a Integrar en TabloRix"), "maroon", this)
        ->setGeometry(7, 6, 380, 14);

    grid_ = new TableGrid(model, {.fixedColumn = false, .scrollBars = false}, this);
    grid_->setObjectName(QStringLiteral("wwDBGridPlantillas"));
    grid_->setGeometry(7, 24, 380, 98);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);

    okButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("BitBtn3"));
    okButton_->setGeometry(157, 126, 80, 27);
    SetDefaultButton(okButton_);

    waitLabel_ = StyledLabel(tr("RECOGIENDO DATOS PARA TABLORIX -  ESPERE UN MOMENTO "), "red", this);
    waitLabel_->setObjectName(QStringLiteral("LabelEspere2"));
    waitLabel_->setAlignment(Qt::AlignCenter);
    waitLabel_->setGeometry(7, 130, 380, 18);
    waitLabel_->hide();
}

} // namespace tv::app
