#include "app/interface_language.h"

#include "tables/user_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace tv::app {
namespace {

// The core's texts through the same catalogues as the windows' (see
// tables/user_text.h): empty when there is no translation.
std::string TranslateCoreText(const char* context, const char* utf8_source) {
    const QString translated = QCoreApplication::translate(context, utf8_source);
    if (translated == QString::fromUtf8(utf8_source)) return {};
    return translated.toStdString();
}

QString CatalogueFile(const QString& languageCode) {
    return QStringLiteral(":/i18n/transveloradae_%1.qm").arg(languageCode);
}

} // namespace

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

QString InstallInterfaceLanguage(QCoreApplication& application, const QLocale& locale) {
    // Qt's dialogs fall back to Spanish for what the catalogue does not name.
    InstallSpanishTranslation(application);
    tv::SetTextTranslator(&TranslateCoreText);
    // "es-ES", "eu", "eu-ES"... in the user's order of preference; Spanish needs no catalogue.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale preferred(name);
        if (preferred.language() == QLocale::Spanish) return {};
        const QString code = preferred.name().section(QLatin1Char('_'), 0, 0);
        if (!QFile::exists(CatalogueFile(code))) continue;
        auto* translator = new QTranslator(&application);
        if (translator->load(CatalogueFile(code)) && QCoreApplication::installTranslator(translator))
            return code;
        delete translator;
    }
    return {};
}

} // namespace tv::app
