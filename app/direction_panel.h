// One direction of the transfer in the band at the top of the window: its
// title and its "OK" button; the DAE -> Tablorix one also holds the language box.
#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QPushButton;

namespace tv::app {

class DirectionPanel : public QFrame {
    Q_OBJECT
  public:
    enum class Kind { DaeToTablorix, TablorixToDae };

    DirectionPanel(Kind kind, QWidget* parent = nullptr);

    QPushButton* OkButton() const { return okButton_; }
    // Only in the DAE -> Tablorix panel; nullptr in the other.
    QComboBox* LanguageBox() const { return languageBox_; }

  private:
    QLabel* title_ = nullptr;
    QComboBox* languageBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace tv::app
