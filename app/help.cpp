#include "app/help.h"

#include "app/application_info.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace tv::app {
namespace {

std::function<void(const QUrl&, int)>& Opener() {
    static std::function<void(const QUrl&, int)> opener;
    return opener;
}

QString BesideExecutable(const QString& relative) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(relative);
}

void Open(int context) {
    const QUrl url = Help::HelpUrl(context);
    if (Opener()) return Opener()(url, context);
#ifdef Q_OS_WIN
    // The Windows help viewer opens a compiled help file at a context number.
    if (context != 0 && url.fileName().compare(QLatin1String(kHelpFileName), Qt::CaseInsensitive) == 0 &&
        QProcess::startDetached(QStringLiteral("hh.exe"),
                                {QStringLiteral("-mapid"), QString::number(context), url.toLocalFile()}))
        return;
#endif
    QDesktopServices::openUrl(url);
}

} // namespace

void Help::ShowContents() {
    Open(0);
}

void Help::ShowContext(int context) {
    Open(context);
}

QUrl Help::HelpUrl(int context) {
    const QString chm = BesideExecutable(QLatin1String(kHelpFileName));
    if (QFileInfo::exists(chm)) return QUrl::fromLocalFile(chm);
    QUrl guide = QUrl::fromLocalFile(BesideExecutable(QLatin1String(kUserGuideFile)));
    if (context != 0) guide.setFragment(QStringLiteral("contexto-%1").arg(context));
    return guide;
}

void Help::SetOpener(std::function<void(const QUrl&, int)> opener) {
    Opener() = std::move(opener);
}

} // namespace tv::app
