// A panel of the window with a default button: Enter anywhere in the panel
// (outside a grid, which takes Enter for its columns) presses it.
#pragma once

#include <QFrame>

class QPushButton;

namespace tv::app {

class StepPanel : public QFrame {
    Q_OBJECT
  public:
    explicit StepPanel(QWidget* parent = nullptr);

    void SetDefaultButton(QPushButton* button);
    QPushButton* DefaultButton() const { return defaultButton_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPushButton* defaultButton_ = nullptr;
};

} // namespace tv::app
