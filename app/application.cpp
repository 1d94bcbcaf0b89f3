#include "app/application.h"

#include "app/application_info.h"
#include "app/main_form.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tv::app {

bool InstallSpanishTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    // The Windows program carries the file in its resources: one file to ship.
    const QStringList folders = {
        QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& folder : folders) {
        if (translator->load(spanish, QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

int RunApplication(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallSpanishTranslation(application);
    QApplication::setApplicationName(ApplicationTitle());
    QApplication::setApplicationDisplayName(ApplicationTitle());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));

    // Qt has taken its own options out; what is left after the program's name is ours.
    const QStringList arguments = QApplication::arguments().mid(1);
    TMForm MForm(arguments, QCoreApplication::applicationDirPath());
    MForm.show();
    return QApplication::exec();
}

} // namespace tv::app
