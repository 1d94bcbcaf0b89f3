#include "app/folder_panel.h"

#include "app/drive_box.h"
#include "app/label_style.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>

namespace tv::app {

FolderPanel::FolderPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel4"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    StyledLabel(tr("Carpeta en la que se encuentran los Ficheros TXT de DAE"), "blue", this)
        ->setGeometry(9, 6, 400, 14);
    StyledLabel(tr("Ruta Actual:"), "black", this)->setGeometry(9, 28, 80, 14);
    path_ = StyledLabel(QString(), "red", this);
    path_->setObjectName(QStringLiteral("LabelRuta"));
    path_->setGeometry(90, 28, 495, 14);

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QDir::rootPath());
    // Connected before the tree's own selection model, so that these run first.
    connect(folders_, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { rowsGoing_ = true; });
    connect(folders_, &QAbstractItemModel::rowsRemoved, this, [this] {
        rowsGoing_ = false;
        // The chosen folder went away: the tree shows no other folder as chosen.
        if (!QFileInfo(currentPath_).isDir()) {
            tree_->selectionModel()->clear();
        }
    });
    connect(folders_, &QFileSystemModel::directoryLoaded, this, &FolderPanel::FolderLoaded);
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("Directorios"));
    tree_->setModel(folders_);
    tree_->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->setGeometry(9, 50, 287, 110);
    tree_->viewport()->installEventFilter(this);
    tree_->installEventFilter(this);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, &FolderPanel::ShowPath);

    drives_ = new DriveBox(this);
    drives_->setObjectName(QStringLiteral("Unidades"));
    drives_->setGeometry(8, 163, 288, 23);
    connect(drives_, &DriveBox::driveChosen, this, &FolderPanel::SetCurrentDirectory);

    StyledLabel(tr("TransTablorixDAE para TX19 V-1.0"), "red", this)->setGeometry(330, 166, 250, 14);
    helpButton_ = new QPushButton(tr("F1 AYUDA"), this);
    helpButton_->setObjectName(QStringLiteral("Button1"));
    helpButton_->setGeometry(330, 192, 100, 27);
    closeButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("&Salir"), this);
    closeButton_->setObjectName(QStringLiteral("BClose"));
    closeButton_->setGeometry(480, 192, 100, 27);

    SetCurrentDirectory(QDir::currentPath());
}

QString FolderPanel::CurrentDirectory() const {
    return currentPath_;
}

void FolderPanel::SetCurrentDirectory(const QString& path) {
    const QModelIndex index = folders_->index(QDir(path).absolutePath());
    if (!index.isValid()) return;
    tree_->setCurrentIndex(index);
    tree_->expand(index);
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    ShowPath();
}

void FolderPanel::HideFolderChoice() {
    tree_->hide();
    drives_->hide();
}

void FolderPanel::FolderLoaded(const QString& folder) {
    if (!followLoading_ || !tree_->currentIndex().isValid()) return;
    if (currentPath_.startsWith(folder))
        tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
}

bool FolderPanel::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress || type == QEvent::Wheel)
        followLoading_ = false;
    return QFrame::eventFilter(watched, event);
}

void FolderPanel::ShowPath() {
    // The chosen folder changes only by the user's choice: a folder removed or
    // renamed meanwhile stays the current path, and OK then says it is missing.
    if (!rowsGoing_ && tree_->currentIndex().isValid())
        currentPath_ = folders_->filePath(tree_->currentIndex());
    path_->setText(QDir::toNativeSeparators(currentPath_));
    drives_->ShowDriveOf(currentPath_);
}

} // namespace tv::app
