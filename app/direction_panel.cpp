#include "app/direction_panel.h"

#include "app/application_info.h"
#include "app/label_style.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace tv::app {

DirectionPanel::DirectionPanel(Kind kind, QWidget* parent) : QFrame(parent) {
    const bool daeToTablorix = kind == Kind::DaeToTablorix;
    setObjectName(daeToTablorix ? QStringLiteral("Draw3D2") : QStringLiteral("Draw3D3"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setStyleSheet(QStringLiteral("#%1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #f6f1dc, "
                                 "stop:1 #c9dcf2); }")
                      .arg(objectName()));

    title_ = new QLabel(daeToTablorix ? tr("Transformar datos desde DAE hacia Tablorix ")
                                      : tr("Transformar datos desde Tablorix hacia DAE"),
                        this);
    QFont titleFont = title_->font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setWordWrap(true);
    title_->setGeometry(8, 6, 280, 42);

    okButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    okButton_->setObjectName(daeToTablorix ? QStringLiteral("BExportar") : QStringLiteral("BImportar"));
    okButton_->setGeometry(daeToTablorix ? 196 : 104, 66, 80, 27);

    if (!daeToTablorix) return;
    StyledLabel(tr("Recoger Textos en:"), "red", this)->setGeometry(8, 50, 180, 17);
    languageBox_ = new QComboBox(this);
    languageBox_->setObjectName(QStringLiteral("ComboBoxEuskCast"));
    languageBox_->setEditable(true);
    // Values the writers compare, not texts to translate.
    languageBox_->addItems({QStringLiteral("EUSKERA"), QStringLiteral("CASTELLANO")});
    languageBox_->setCurrentText(QStringLiteral("EUSKERA"));
    languageBox_->setProperty("helpContext", kLanguageHelpContext);
    languageBox_->setGeometry(8, 68, 150, 23);
    // Tab goes through the controls in their order on the panel: the language, then OK.
    setTabOrder(languageBox_, okButton_);
}

} // namespace tv::app
