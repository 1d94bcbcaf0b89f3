// The check of the timetable file in the codification window, driven with
// clicks: "Comprobar" lists the findings, a double-click on one goes to its
// teacher, class and group, the list saves as CSV, and "&Terminar" with a
// blocking finding asks first: No writes nothing and keeps the window, Sí
// writes the file the command line writes from the same tables.
#include "app/ajusta_dae.h"
#include "app/classes_model.h"
#include "app/findings_dialog.h"
#include "app/groups_model.h"
#include "app/gui_prompt.h"
#include "app/lookup_delegate.h"
#include "app/qt_text.h"
#include "app/teachers_model.h"
#include "gui_test_main.h"
#include "import_fixture.h"
#include "tablorix_to_dae/messages.h"

#include <QTableView>

using tv::app::ClassesModel;
using tv::app::FromCp1252;
using tv::app::GroupsModel;
using tv::app::MessageBoxes;
using tv::app::TeachersModel;
using tv::test::ToStdPath;
namespace t2d = tv::tablorix_to_dae;

namespace {

const QString kDocuments = tv::test::kSampleSchool + "/documentos.csv";

// The sample school's work tables with every document typed (the command
// line's check stores them and writes no file), and one group of ABN's first
// class left without its DAE code: the one blocking finding.
struct CheckFixture {
    explicit CheckFixture(bool documentsTyped = true) {
        ktemp = root.filePath(QStringLiteral("KTEMP"));
        dae = root.filePath(QStringLiteral("DAE"));
        tv::test::CopyFolder(tv::test::kSampleDae, dae);
        tv::test::ExportSample(ktemp);
        if (documentsTyped) {
            tv::test::RunCli(
                {"importar", "--dae", dae, "--ktemp", ktemp, "--documentos", kDocuments, "--comprobar"});
            BlankFirstGroupCodeOf("ABN");
        } else {
            tv::test::RunCli({"importar", "--dae", dae, "--ktemp", ktemp});
        }
        context = std::make_unique<t2d::ImportContext>(
            t2d::ImportContext{prompt, state, ToStdPath(ktemp), ToStdPath(dae + "/"), ToStdPath(dae + "/")});
        window = std::make_unique<tv::app::TAjustaDAE>(*context);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void BlankFirstGroupCodeOf(const std::string& teacher) {
        tv::tables::Table groups;
        groups.Open(ToStdPath(ktemp), "CUADROH3");
        groups.SetIndexName("PROF_DIA_SES");
        for (groups.First(); !groups.Eof(); groups.Next()) {
            if (groups.AsString("ABREVPROF") != teacher) continue;
            brokenKey = groups.AsString("PROF_DIA_SES");
            brokenGroup = FromCp1252(groups.AsString("ABREVGRUP"));
            groups.Edit();
            groups.SetString("CODGRUPO", "");
            groups.Post();
            return;
        }
    }

    QString File() const { return dae + "/fCUADROS.txt"; }

    QTemporaryDir root;
    QString ktemp;
    QString dae;
    std::string brokenKey;
    QString brokenGroup;
    tv::app::GuiPrompt prompt{nullptr};
    tv::WorkflowValues state;
    std::unique_ptr<t2d::ImportContext> context;
    std::unique_ptr<tv::app::TAjustaDAE> window;
};

void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// A double-click as a person makes it: a click, then the second press.
void DoubleClick(QTableView* view, const QModelIndex& index) {
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

QString CurrentText(tv::app::TableGrid* grid, int column) {
    return grid->model()->index(grid->currentIndex().row(), column).data().toString().trimmed();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class CodificationCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { tv::app::LookupDelegate::SetDropDownOnEntry(false); }
    void init() { MessageBoxes::ClearShown(); }

    void comprobarListsTheFindingsAndADoubleClickGoesToTheRecord() {
        CheckFixture fixture;
        auto& window = *fixture.window;
        QVERIFY(!fixture.brokenKey.empty());
        QCOMPARE(window.ComprobarButton()->text(), QStringLiteral("&Comprobar"));
        QVERIFY(!window.Findings());
        Click(window.ComprobarButton());

        tv::app::FindingsDialog* findings = window.Findings();
        QVERIFY(findings && findings->isVisible());
        QCOMPARE(findings->Summary()->text(),
                 QStringLiteral("Comprobación de fCUADROS.txt: 1 error y 0 avisos."));
        QTableView* list = findings->List();
        QCOMPARE(list->model()->rowCount(), 1);
        QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("ERROR"));
        const QString text = list->model()->index(0, 1).data().toString();
        QVERIFY2(
            text.startsWith(QStringLiteral("Grupo ") + fixture.brokenGroup + QStringLiteral(" con ABN, ")),
            qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral(": falta el código DAE del grupo (Cód.GRUP.).")),
                 qPrintable(text));
        QCOMPARE(MessageBoxes::Shown().size(), 0); // checking asks nothing

        // The window stands on another teacher; the double-click brings the record.
        const QString firstTeacher = CurrentText(window.TeachersGrid(), TeachersModel::Abrev);
        QVERIFY(firstTeacher != QStringLiteral("ABN"));
        DoubleClick(list, list->model()->index(0, 1));
        QCOMPARE(CurrentText(window.TeachersGrid(), TeachersModel::Abrev), QStringLiteral("ABN"));
        const std::string& key = fixture.brokenKey;
        QCOMPARE(CurrentText(window.ClassesGrid(), ClassesModel::DiaSem),
                 QString::fromStdString(key.substr(10, 1)));
        QCOMPARE(CurrentText(window.ClassesGrid(), ClassesModel::NumSesion),
                 QString::fromStdString(key.substr(11, 2)));
        QCOMPARE(CurrentText(window.GroupsGrid(), GroupsModel::AbrevGrup), fixture.brokenGroup);
        QCOMPARE(window.GroupsGrid()->currentIndex().column(), int(GroupsModel::NumAlum));

        // Saved as a spreadsheet's CSV.
        const QString report = fixture.root.filePath(QStringLiteral("informe.csv"));
        tv::app::FindingsDialog::SetNextSaveFile(report);
        Click(findings->SaveButton());
        const QByteArray csv = ReadAll(report);
        const QByteArray expected = "\xEF\xBB\xBFGravedad;Tipo;Descripci\xC3\xB3n;Tabla;Registro\r\n"
                                    "\"ERROR\";\"grupo-sin-codigo\";\"" +
                                    text.toUtf8() + "\";\"CUADROH3\";";
        QVERIFY2(csv.startsWith(expected), csv.constData());
        QVERIFY(!QFile::exists(fixture.File()));
    }

    void terminarWithABlockingFindingAsksNoByDefault() {
        CheckFixture fixture;
        auto& window = *fixture.window;
        MessageBoxes::SetNextAnswer(QMessageBox::No);
        Click(window.TerminarButton());

        QCOMPARE(MessageBoxes::Shown().size(), 1);
        const tv::app::ShownBox& box = MessageBoxes::Shown().first();
        QCOMPARE(box.kind, tv::app::BoxKind::Question);
        QCOMPARE(box.defaultButton, QMessageBox::No);
        QCOMPARE(box.text,
                 QStringLiteral("La comprobación ha encontrado 1 error que DAE no puede aceptar (vea la "
                                "lista).\n¿Desea escribir fCUADROS.txt de todos modos?"));
        QVERIFY(!QFile::exists(fixture.File()));
        QVERIFY(window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(window.Findings() && window.Findings()->isVisible());
        // Back to editing, on the record of the error.
        QTRY_COMPARE(CurrentText(window.TeachersGrid(), TeachersModel::Abrev), QStringLiteral("ABN"));
        QTRY_COMPARE(CurrentText(window.GroupsGrid(), GroupsModel::AbrevGrup), fixture.brokenGroup);

        // Sí: the file as the command line writes it from the same tables.
        MessageBoxes::ClearShown();
        MessageBoxes::SetNextAnswer(QMessageBox::Yes);
        Click(window.TerminarButton());
        QCOMPARE(MessageBoxes::Shown().size(), 1);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(fixture.state.WorkflowState, 0);
        QCOMPARE(fixture.context->codificationStatus, t2d::kCodificationFinished);
        const QByteArray written = ReadAll(fixture.File());
        QVERIFY(written.startsWith("1CH0147252025\r\n"));
        const QString other = fixture.root.filePath(QStringLiteral("DAE2"));
        QDir().mkpath(other);
        fixture.window.reset();
        QCOMPARE(tv::test::RunCli({"importar", "--dae", other, "--ktemp", fixture.ktemp, "--conservar",
                                   "--solo-codificar", "--escribir-igualmente"}),
                 0);
        QVERIFY(written == ReadAll(other + "/fCUADROS.txt"));
    }

    void theDocumentRuleStillComesFirst() {
        CheckFixture fixture(false); // three teachers without a document
        MessageBoxes::SetNextAnswer(QMessageBox::No);
        Click(fixture.window->TerminarButton());
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{FromCp1252(t2d::TeacherWithoutDocumentQuestion())});
        QCOMPARE(fixture.state.WorkflowState, 4);
        QVERIFY(!QFile::exists(fixture.File()));
        QVERIFY(!fixture.window->Findings());
    }
};

TV_GUI_TEST_MAIN(CodificationCheckTest)
#include "test_codification_check.moc"
