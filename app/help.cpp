#include "app/help.h"

#include "app/application_info.h"
#include "app/message_boxes.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace tv::app {
namespace {

std::function<bool(const QUrl&, int)>& Opener() {
    static std::function<bool(const QUrl&, int)> opener;
    return opener;
}

QString BesideExecutable(const QString& relative) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(relative);
}

bool OpenWithSystemViewer(const QUrl& url, int context) {
#ifdef Q_OS_WIN
    // The Windows help viewer opens a compiled help file at a context number.
    if (context != 0 && url.fileName().compare(QLatin1String(kHelpFileName), Qt::CaseInsensitive) == 0 &&
        QProcess::startDetached(QStringLiteral("hh.exe"),
                                {QStringLiteral("-mapid"), QString::number(context), url.toLocalFile()}))
        return true;
#else
    Q_UNUSED(context);
#endif
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without xdg-open Qt would only write a line on the terminal.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return false;
#endif
    return QDesktopServices::openUrl(url);
}

void Open(QWidget* parent, int context) {
    const QUrl url = Help::HelpUrl(context);
    const QString file = QDir::toNativeSeparators(url.toLocalFile());
    if (!QFileInfo::exists(url.toLocalFile())) {
        MessageBoxes::Plain(parent, QCoreApplication::translate("Help", "No se encuentra la ayuda: falta el "
                                                                        "archivo %1.")
                                        .arg(file));
        return;
    }
    const bool opened = Opener() ? Opener()(url, context) : OpenWithSystemViewer(url, context);
    if (!opened)
        MessageBoxes::Plain(parent,
                            QCoreApplication::translate("Help", "No se puede mostrar la ayuda: este "
                                                                "equipo no tiene ningún programa para "
                                                                "abrir %1.")
                                .arg(file));
}

} // namespace

void Help::ShowContents(QWidget* parent) {
    Open(parent, 0);
}

void Help::ShowContext(QWidget* parent, int context) {
    Open(parent, context);
}

QUrl Help::HelpUrl(int context) {
    const QString chm = BesideExecutable(QLatin1String(kHelpFileName));
    if (QFileInfo::exists(chm)) return QUrl::fromLocalFile(chm);
    QUrl guide = QUrl::fromLocalFile(BesideExecutable(QLatin1String(kUserGuideFile)));
    if (context != 0) guide.setFragment(QStringLiteral("contexto-%1").arg(context));
    return guide;
}

void Help::SetOpener(std::function<bool(const QUrl&, int)> opener) {
    Opener() = std::move(opener);
}

} // namespace tv::app
