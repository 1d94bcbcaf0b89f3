// Pictures of the main window, each of its panels, the template check and
// the codification window for the documentation,
// taken on the sample school with a scratch KTEMP:
//   transveloradae-screenshots SAMPLE_DAE_FOLDER OUTPUT_FOLDER
// In the system's language, as the program starts: under a Basque system
// (LANGUAGE=eu) each picture's name ends in "-eu".
// Message boxes are answered by script, so nothing waits for a hand.
#include "app/ajusta_dae.h"
#include "app/application.h"
#include "app/codification_extras.h"
#include "app/cursor_table_model.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/table_grid.h"
#include "app/when_modal.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

namespace {

using tv::app::TMForm;
using tv::app::WhenModal;

QString& LanguageSuffix() {
    static QString suffix; // "-eu", or nothing for Spanish
    return suffix;
}

bool Save(QWidget& window, const QDir& output, const QString& name) {
    QApplication::processEvents();
    const QString file = output.filePath(name + LanguageSuffix() + QStringLiteral(".png"));
    if (window.grab().save(file)) return true;
    QTextStream(stderr) << "No se pudo guardar " << file << "\n";
    return false;
}

void Click(TMForm& form, const char* button) {
    form.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

void TypeSampleAbbreviations(TMForm& form) {
    auto* model = form.findChild<tv::app::TableGrid*>(QStringLiteral("wwDBGridNIVIMP"))->Model();
    const QStringList castilian = {"ESO", "BACH", "DIVER"};
    const QStringList basque = {"DBH", "BATX", "DIBER"};
    for (int row = 0; row < model->rowCount() && row < castilian.size(); ++row) {
        model->setData(model->index(row, 2), castilian[row]);
        model->setData(model->index(row, 4), basque[row]);
    }
    model->MoveToRow(0);
}

// The template check and the codification window on the sample's solved timetable.
bool TablorixToDae(const QString& resultFolder, const QDir& output) {
    bool saved = false; // until the codification window was reached
    TMForm form({}, resultFolder);
    form.show();
    WhenModal(QStringLiteral("ControlPlantilla"), [&](QWidget* window) {
        Save(*window, output, QStringLiteral("control-plantilla"));
        window->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    });
    WhenModal(QStringLiteral("AjustaDAE"), [&](QWidget* window) {
        saved = true;
        auto* codification = static_cast<tv::app::TAjustaDAE*>(window);
        auto* teachers = codification->TeachersGrid();
        teachers->setCurrentIndex(teachers->model()->index(2, 4));
        saved &= Save(*window, output, QStringLiteral("codificacion-datos-dae"));
        auto* extras = window->findChild<tv::app::CodificationExtras*>();
        extras->ShowWeek();
        if (auto* week = window->findChild<QWidget*>(QStringLiteral("HorarioProfesor")))
            saved &= Save(*week, output, QStringLiteral("horario-profesor"));
        window->close(); // from the title bar: nothing is written
    });
    Click(form, "BImportar");
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (const QString language = tv::app::InstallInterfaceLanguage(application, QLocale::system());
        !language.isEmpty())
        LanguageSuffix() = QLatin1Char('-') + language;
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "Uso: transveloradae-screenshots CARPETA_DAE CARPETA_DE_SALIDA\n";
        return 2;
    }
    const QDir output(QDir(arguments[2]).absolutePath()); // before the current folder changes
    QDir().mkpath(output.path());
    QTemporaryDir scratch;
    qputenv("TRANSVELORADAE_KTEMP", QFile::encodeName(scratch.filePath(QStringLiteral("KTEMP"))));
    QDir().mkpath(scratch.filePath(QStringLiteral("KTEMP")));
    QDir::setCurrent(arguments[1]);
    tv::app::MessageBoxes::SetScripted(true);

    bool saved = true;
    {
        TMForm launched({QStringLiteral("exportar"), QStringLiteral("x")}, scratch.path());
        launched.show();
        saved &= Save(launched, output, QStringLiteral("ventana-lanzada-exportar"));
        launched.hide();
    }
    TMForm form({}, scratch.path());
    form.show();
    saved &= Save(form, output, QStringLiteral("ventana-principal"));
    Click(form, "BExportar");
    saved &= Save(form, output, QStringLiteral("panel-datos-centro"));
    Click(form, "BitBtn1");
    TypeSampleAbbreviations(form);
    saved &= Save(form, output, QStringLiteral("panel-niveles"));
    Click(form, "BitBtn2");
    saved &= Save(form, output, QStringLiteral("panel-plantillas"));
    Click(form, "BitBtn3");
    saved &= Save(form, output, QStringLiteral("fin-del-proceso"));
    form.hide();

    // Tablorix solved the timetable beside the tables just written.
    QFile::copy(QDir::current().absoluteFilePath(QStringLiteral("../SOLUC.DBF")),
                scratch.filePath(QStringLiteral("KTEMP/SOLUC.DBF")));
    saved &= TablorixToDae(scratch.path(), output);
    return saved ? 0 : 1;
}
