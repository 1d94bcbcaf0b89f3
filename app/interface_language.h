// The language of the windows and of the core's messages. Spanish is the
// language the texts are written in and the default; a catalogue embedded
// under :/i18n (translations/*.ts, today Basque) replaces it when the
// system's language asks for it, and texts it lacks stay in Spanish.
#pragma once

#include <QLocale>

class QCoreApplication;

namespace tv::app {

// Loads Qt's own Spanish translation (Sí, No, Aceptar, Cancelar) from the
// program's resources, Qt's translations folder or "translations" beside the
// executable.
bool InstallSpanishTranslation(QCoreApplication& application);

// Qt's Spanish texts, then the program's catalogue for the first of the
// locale's interface languages that is Spanish or has a catalogue, and the
// core's texts routed through the same catalogues. Returns the catalogue's
// language code ("eu"), empty for Spanish.
QString InstallInterfaceLanguage(QCoreApplication& application, const QLocale& locale);

} // namespace tv::app
