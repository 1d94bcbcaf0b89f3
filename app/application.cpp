#include "app/application.h"

#include "app/application_info.h"
#include "app/main_form.h"

#include <QApplication>
#include <QLocale>

namespace tv::app {

int RunApplication(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallInterfaceLanguage(application, QLocale::system());
    // The name only: a display name would be appended to every caption on Linux.
    QApplication::setApplicationName(ApplicationTitle());
    // Numbers and dates stay as the school's Spanish data writes them, whatever the interface language.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));

    // Qt has taken its own options out; what is left after the program's name is ours.
    const QStringList arguments = QApplication::arguments().mid(1);
    TMForm MForm(arguments, QCoreApplication::applicationDirPath());
    MForm.show();
    return QApplication::exec();
}

} // namespace tv::app
