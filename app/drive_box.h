// The drive box under the folder tree: drive letters on Windows, the mounted
// volumes elsewhere. Choosing one moves the folder tree to its root.
#pragma once

#include <QComboBox>

namespace tv::app {

class DriveBox : public QComboBox {
    Q_OBJECT
  public:
    explicit DriveBox(QWidget* parent = nullptr);

    // Selects the drive or volume that holds `path`.
    void ShowDriveOf(const QString& path);

  signals:
    void driveChosen(const QString& rootPath);
};

} // namespace tv::app
