// The folder panel: where the DAE text files are (folder tree, its path and
// the drive box), help, version and "&Salir". The centre panel opens over it.
#pragma once

#include <QFrame>

class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace tv::app {

class DriveBox;

class FolderPanel : public QFrame {
    Q_OBJECT
  public:
    explicit FolderPanel(QWidget* parent = nullptr);

    QString CurrentDirectory() const;
    void SetCurrentDirectory(const QString& path);
    // The folder can no longer be changed once the DAE files are being read.
    void HideFolderChoice();

    QPushButton* HelpButton() const { return helpButton_; }
    QPushButton* CloseButton() const { return closeButton_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowPath();
    void FolderLoaded(const QString& folder);

    QFileSystemModel* folders_ = nullptr;
    QTreeView* tree_ = nullptr;
    DriveBox* drives_ = nullptr;
    QLabel* path_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QString currentPath_;
    // Rows going away move the tree's current row to a neighbour: that is no choice of the user's.
    bool rowsGoing_ = false;
    // The tree scrolls to the current folder as its parents load, until the user takes it in hand.
    bool followLoading_ = true;
};

} // namespace tv::app
