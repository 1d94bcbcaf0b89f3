#include "app/step_panel.h"

#include <QKeyEvent>
#include <QPushButton>

namespace tv::app {

StepPanel::StepPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
}

void StepPanel::SetDefaultButton(QPushButton* button) {
    defaultButton_ = button;
    button->setDefault(true);
}

void StepPanel::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && defaultButton_ && defaultButton_->isVisible() && defaultButton_->isEnabled()) {
        defaultButton_->click();
        return;
    }
    QFrame::keyPressEvent(event);
}

} // namespace tv::app
