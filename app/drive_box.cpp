#include "app/drive_box.h"

#include <QDir>
#include <QStorageInfo>

namespace tv::app {

DriveBox::DriveBox(QWidget* parent) : QComboBox(parent) {
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) {
        const QString root = QDir::toNativeSeparators(drive.absolutePath());
        addItem(root.left(2).toLower(), drive.absolutePath());
    }
#else
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady()) continue;
        const QString name = volume.displayName();
        const QString text =
            name == volume.rootPath() ? name : QStringLiteral("%1 [%2]").arg(volume.rootPath(), name);
        addItem(text, volume.rootPath());
    }
#endif
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit driveChosen(itemData(index).toString()); });
}

void DriveBox::ShowDriveOf(const QString& path) {
    const QString root = QStorageInfo(path).rootPath();
    const int index = findData(root);
    if (index >= 0) setCurrentIndex(index);
}

} // namespace tv::app
