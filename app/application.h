// The program's entry: the application object, Qt's Spanish texts for the
// standard buttons, the title, and the main window until it closes.
#pragma once

class QCoreApplication;

namespace tv::app {

// Loads Qt's own Spanish translation (Sí, No, Aceptar, Cancelar) from the
// program's resources, Qt's translations folder or "translations" beside the
// executable.
bool InstallSpanishTranslation(QCoreApplication& application);

int RunApplication(int argc, char** argv);

} // namespace tv::app
