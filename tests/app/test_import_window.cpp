// The Tablorix -> DAE direction driven through the windows: the template
// check window, the centre panel when the centre's data are missing, the
// three paths of the extraction's questions, "&Terminar" with a teacher
// lacking a document in a run started by Tablorix, and a whole run on the
// sample school that writes the same fCUADROS.txt as transveloradae-cli.
#include "app/ajusta_dae.h"
#include "app/control_plantilla.h"
#include "app/qt_text.h"
#include "app/record_navigator.h"
#include "app/teachers_model.h"
#include "gui_test_main.h"
#include "import_fixture.h"
#include "tablorix_to_dae/messages.h"

#include <QLineEdit>
#include <QToolButton>

using tv::app::FromCp1252;
using tv::app::MessageBoxes;
using tv::test::ByKey;
using tv::test::Column;
using tv::test::WhenModal;
using tv::test::WindowFixture;
namespace t2d = tv::tablorix_to_dae;

namespace {

void AcceptTemplate() {
    WhenModal("ControlPlantilla",
              [](QWidget* window) { window->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click(); });
}

// The codification closed from its title bar: no check, no file.
void CloseCodificationFromTitleBar() {
    WhenModal("AjustaDAE", [](QWidget* window) { window->close(); });
}

// The documents of documentos.csv typed into the teachers grid, then "&Terminar".
void TypeDocumentsAndFinish() {
    WhenModal("AjustaDAE", [](QWidget* window) {
        auto* dialog = static_cast<tv::app::TAjustaDAE*>(window);
        tv::app::TableGrid* grid = dialog->TeachersGrid();
        auto* model = grid->Model();
        QFile csv(tv::test::kSampleSchool + "/documentos.csv");
        QVERIFY(csv.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString& line : QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts)) {
            const QStringList fields = line.trimmed().split(';');
            for (int row = 0; row < model->rowCount(); ++row) {
                if (model->index(row, tv::app::TeachersModel::Abrev).data().toString() != fields[0]) continue;
                grid->setCurrentIndex(model->index(row, tv::app::TeachersModel::Dni));
                model->setData(model->index(row, tv::app::TeachersModel::TipoDni), fields[1]);
                model->setData(model->index(row, tv::app::TeachersModel::Dni), fields[2]);
            }
        }
        dialog->TerminarButton()->click();
    });
}

QStringList Texts(std::initializer_list<std::string_view> texts) {
    QStringList list;
    for (auto text : texts)
        list << FromCp1252(text);
    return list;
}

} // namespace

class ImportWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { tv::app::LookupDelegate::SetDropDownOnEntry(false); }
    void init() { MessageBoxes::ClearShown(); }

    void theTemplateWindowShowsTheDefaultAndKeepsAnEdit() {
        WindowFixture fixture; // no DIASHORAST, no daeCENTRO
        tv::app::TMForm& form = fixture.Open();
        bool checked = false;
        WhenModal("ControlPlantilla", [&](QWidget* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Control de Plantilla Horaria"));
            QCOMPARE(window->size(), QSize(595, 305));
            auto* grid = window->findChild<tv::app::TableGrid*>(QStringLiteral("PlantiHorDBGrid"));
            auto* model = grid->Model();
            QCOMPARE(model->rowCount(), 20);
            const QList<QStringList> rows = {
                {"1", "08:00", "09:00"}, {"16", "23:00", "24:00"}, {"20", "03:00", "04:00"}};
            for (const QStringList& row : rows)
                for (int column = 0; column < 3; ++column)
                    QCOMPARE(model->index(row[0].toInt() - 1, column).data().toString(), row[column]);
            QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("HORA INICIO CLASE"));
            QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
            QVERIFY(model->flags(model->index(0, 2)) & Qt::ItemIsEditable);
            QVERIFY(model->Editing()); // the grid took the focus as the window opened

            auto* navigator = window->findChild<tv::app::RecordNavigator*>();
            QStringList order;
            for (auto* button : navigator->findChildren<QToolButton*>())
                order << button->objectName();
            QCOMPARE(order, QStringList({"NavFirst", "NavPriorPage", "NavPrior", "NavNext", "NavNextPage",
                                         "NavLast", "NavEdit", "NavPost", "NavCancel", "NavRefresh"}));
            navigator->Press(tv::app::RecordNavigator::NextPage);
            QCOMPARE(model->CurrentRow(), 10);

            // A time typed and "Aceptar" clicked while the editor is still open.
            const QModelIndex cell = model->index(2, 1);
            grid->setCurrentIndex(cell);
            grid->edit(cell);
            auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
            QVERIFY(editor);
            editor->setText(QStringLiteral("10:05"));
            window->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
            checked = true;
        });
        fixture.Button("BImportar")->click();
        QVERIFY(checked);
        QCOMPARE(Column(fixture.ktemp, "PLANTILLA", "HORAINI")[2], std::string("10:05"));
        QCOMPARE(Column(fixture.ktemp, "PLANTILLA", "HORAFIN")[2], std::string("11:00"));

        // No centre data yet: the centre panel asks for them, and no extraction runs.
        QVERIFY(fixture.Shown("Panel1"));
        QCOMPARE(form.Values().WorkflowState, 1);
        QVERIFY(MessageBoxes::ShownTexts().isEmpty());
        auto* centre = fixture.Model("wwDBGridCODCENTRO");
        centre->setData(centre->index(0, 0), QStringLiteral("014725"));
        centre->setData(centre->index(0, 1), QStringLiteral("2025"));
        centre->setData(centre->index(0, 2), QStringLiteral("   "));
        fixture.Button("BitBtn1")->click(); // the version is still blank: the panel stays
        QVERIFY(fixture.Shown("Panel1"));
        QCOMPARE(form.Values().WorkflowState, 1);
        QVERIFY(MessageBoxes::ShownTexts().isEmpty());

        // All three typed: the row is stored and the extraction starts (and
        // stops here, Tablorix having solved no timetable in this KTEMP).
        centre->setData(centre->index(0, 2), QStringLiteral("2526"));
        fixture.Button("BitBtn1")->click();
        QVERIFY(!fixture.Shown("Panel1"));
        QCOMPARE(Column(fixture.ktemp, "daeCENTRO", "CODCENTRO"), std::vector<std::string>{"014725"});
        QCOMPARE(Column(fixture.ktemp, "daeCENTRO", "VERSION"), std::vector<std::string>{"2526"});
        QCOMPARE(MessageBoxes::Shown().size(), 1);
        QCOMPARE(MessageBoxes::Shown().first().kind, tv::app::BoxKind::Error);
    }

    void theQuestionsAboutEarlierWorkTables_data() {
        QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<bool>("refreshed"); // the extraction ran over the tables
        QTest::addColumn<bool>("codesKept"); // what the user coded survived
        const QStringList keep = Texts({t2d::KeepEarlierDataQuestion()});
        const QStringList both = Texts({t2d::KeepEarlierDataQuestion(), t2d::CodificationOnlyQuestion()});
        QTest::newRow("No: fresh tables") << QList{QMessageBox::No} << keep << true << false;
        QTest::newRow("Yes, No: merged") << QList{QMessageBox::Yes, QMessageBox::No} << both << true << true;
        QTest::newRow("Yes, Yes: codification only")
            << QList{QMessageBox::Yes, QMessageBox::Yes} << both << false << true;
    }

    void theQuestionsAboutEarlierWorkTables() {
        QFETCH(QList<QMessageBox::StandardButton>, answers);
        QFETCH(QStringList, questions);
        QFETCH(bool, refreshed);
        QFETCH(bool, codesKept);
        WindowFixture fixture;
        tv::test::ExportSample(fixture.ktemp);
        tv::app::TMForm& form = fixture.Open();

        // The first run: no earlier tables, so no question.
        AcceptTemplate();
        CloseCodificationFromTitleBar();
        fixture.Button("BImportar")->click();
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{"Proceso finalizado"});
        QCOMPARE(form.Values().WorkflowState, 0);
        QCOMPARE(form.Values().TransformResult, 1);
        QVERIFY(!QFile::exists(fixture.dae + "/fCUADROS.txt"));

        // The user's code on a record, and a name the timetable decides.
        std::string key;
        {
            tv::tables::Table classes;
            classes.Open(tv::test::ToStdPath(fixture.ktemp), "CUADROH2");
            classes.First();
            key = classes.AsString("PROF_DIA_SES");
            classes.Edit();
            classes.SetString("GRUPNIV", "9999");
            classes.SetString("NOMASIG", "CAMBIADO");
            classes.Post();
        }

        MessageBoxes::ClearShown();
        for (auto answer : answers)
            MessageBoxes::SetNextAnswer(answer);
        AcceptTemplate();
        CloseCodificationFromTitleBar();
        fixture.Button("BImportar")->click();
        QCOMPARE(MessageBoxes::ShownTexts(), questions + QStringList{"Proceso finalizado"});
        for (const auto& box : MessageBoxes::Shown().mid(0, questions.size()))
            QCOMPARE(box.kind, tv::app::BoxKind::Question);
        QCOMPARE(ByKey(fixture.ktemp, "CUADROH2", "NOMASIG")[key] != "CAMBIADO", refreshed);
        QCOMPARE(ByKey(fixture.ktemp, "CUADROH2", "GRUPNIV")[key] == "9999", codesKept);
    }

    void terminarWithATeacherLackingADocumentInALaunchedRun() {
        WindowFixture fixture;
        tv::test::ExportSample(fixture.ktemp);
        tv::app::TMForm& form = fixture.Open({"importar", "x"});
        AcceptTemplate();
        bool stayedOpen = false;
        QString current;
        int stateWhileOpen = -1;
        WhenModal("AjustaDAE", [&](QWidget* window) {
            auto* dialog = static_cast<tv::app::TAjustaDAE*>(window);
            const int stateBefore = form.Values().WorkflowState;
            MessageBoxes::SetNextAnswer(QMessageBox::Yes);
            dialog->TerminarButton()->click();
            // Yes: the window stays on the teacher, WorkflowState untouched.
            stayedOpen = dialog->isVisible();
            current = dialog->TeachersGrid()->Model()->CurrentText(tv::app::TeachersModel::Abrev);
            stateWhileOpen = form.Values().WorkflowState == stateBefore ? 0 : form.Values().WorkflowState;
            MessageBoxes::SetNextAnswer(QMessageBox::No);
            dialog->TerminarButton()->click();
        });
        fixture.Button("BImportar")->click();
        QVERIFY(stayedOpen);
        QCOMPARE(current, QStringLiteral("EFI")); // the first in ABREV order
        QCOMPARE(stateWhileOpen, 0);
        const QString question = FromCp1252(t2d::TeacherWithoutDocumentQuestion());
        QCOMPARE(MessageBoxes::ShownTexts(),
                 QStringList({question, question, FromCp1252(t2d::ProcessNotFinished())}));
        QVERIFY(question.startsWith(QStringLiteral("           !!!ATENCIÓN!!!                 \r")));
        QVERIFY(!QFile::exists(fixture.dae + "/fCUADROS.txt"));
        QCOMPARE(form.Values().WorkflowState, 4);
        QVERIFY(!form.isVisible()); // started by Tablorix: the window closes
        QVERIFY(fixture.ResultFile().contains("Transformado=1"));
    }

    void anUnfinishedCodificationLeavesOnlyTheTemplateStepForThisStart() {
        WindowFixture fixture;
        tv::test::ExportSample(fixture.ktemp);
        tv::app::TMForm& form = fixture.Open();
        AcceptTemplate();
        WhenModal("AjustaDAE", [](QWidget* window) {
            MessageBoxes::SetNextAnswer(QMessageBox::No);
            static_cast<tv::app::TAjustaDAE*>(window)->TerminarButton()->click();
        });
        fixture.Button("BImportar")->click();
        QCOMPARE(form.Values().WorkflowState, 4);
        QVERIFY(form.isVisible()); // started by hand: the window stays

        MessageBoxes::ClearShown();
        bool templateShown = false;
        WhenModal("ControlPlantilla", [&](QWidget* window) {
            templateShown = true;
            window->close();
        });
        fixture.Button("BImportar")->click();
        QVERIFY(templateShown);
        QVERIFY(MessageBoxes::ShownTexts().isEmpty()); // no question, no codification, no end message
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void aWholeRunWritesTheSameFileAsTheCommandLine() {
        WindowFixture fixture;
        fixture.Open();
        fixture.ToTemplatePanel();
        fixture.Button("BitBtn3")->click(); // DAE -> Tablorix, as Tablorix needs it
        QFile::copy(tv::test::kSampleSchool + "/SOLUC.DBF", fixture.ktemp + "/SOLUC.DBF");
        MessageBoxes::ClearShown();

        fixture.form.reset(); // a new start of the program
        fixture.Open();
        AcceptTemplate();
        TypeDocumentsAndFinish();
        fixture.Button("BImportar")->click();
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{"Proceso finalizado"});

        const QString cliDae = fixture.root.filePath(QStringLiteral("DAE-cli"));
        const QString cliKtemp = fixture.root.filePath(QStringLiteral("KTEMP-cli"));
        tv::test::CopyFolder(tv::test::kSampleDae, cliDae);
        tv::test::ExportSample(cliKtemp);
        QCOMPARE(tv::test::RunCli({"importar", "--dae", cliDae, "--ktemp", cliKtemp, "--documentos",
                                   tv::test::kSampleSchool + "/documentos.csv"}),
                 0);
        QFile window(fixture.dae + "/fCUADROS.txt");
        QFile commandLine(cliDae + "/fCUADROS.txt");
        QVERIFY(window.open(QIODevice::ReadOnly));
        QVERIFY(commandLine.open(QIODevice::ReadOnly));
        const QByteArray written = window.readAll();
        QVERIFY(written.startsWith("1CH"));
        QCOMPARE(written, commandLine.readAll());
    }
};

TV_GUI_TEST_MAIN(ImportWindowTest)
#include "test_import_window.moc"
