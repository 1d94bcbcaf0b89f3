// The codification window on the sample school's work tables: its layout,
// the drop-down lists storing their codes, the lective rule both ways, the
// document copy touching only the current teacher's records, the grids
// following their cursors by themselves, and the views beside the grids
// (records lacking a code, the teacher's week).
#include "app/ajusta_dae.h"
#include "app/classes_model.h"
#include "app/codification_extras.h"
#include "app/dae_heading.h"
#include "app/groups_model.h"
#include "app/gui_prompt.h"
#include "app/lookup_delegate.h"
#include "app/qt_text.h"
#include "app/teacher_week_model.h"
#include "app/teachers_model.h"
#include "codification_fixture.h"
#include "gui_test_main.h"
#include "person_input.h"
#include "tablorix_to_dae/messages.h"

#include <QLineEdit>

using tv::app::ClassesModel;
using tv::app::FromCp1252;
using tv::app::GroupsModel;
using tv::app::MessageBoxes;
using tv::app::TeachersModel;
using tv::test::ToStdPath;
namespace t2d = tv::tablorix_to_dae;

using tv::test::CodificationFixture;

namespace {

// (ABREVPROF, TIPDOC, DOC) of every record of a work table, in stored order.
QStringList Documents(const QString& ktemp, const char* table) {
    QStringList rows;
    for (std::size_t i = 0; i < tv::test::Column(ktemp, table, "ABREVPROF").size(); ++i)
        rows << QString::fromStdString(tv::test::Column(ktemp, table, "ABREVPROF")[i] + "|" +
                                       tv::test::Column(ktemp, table, "TIPDOC")[i] + "|" +
                                       tv::test::Column(ktemp, table, "DOC")[i]);
    return rows;
}

} // namespace

class CodificationWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { tv::app::LookupDelegate::SetDropDownOnEntry(false); }
    void init() { MessageBoxes::ClearShown(); }

    void theWindowShowsTheCentreAndTheThreeGrids() {
        CodificationFixture fixture;
        auto& window = *fixture.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("CODIFICACIÓN Datos DAE"));
        QCOMPARE(window.size(), QSize(845, 498));
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("CentroCODCENTRO"))->text(),
                 QStringLiteral("014725"));
        QCOMPARE(window.findChildren<tv::app::DaeHeading*>().size(), 3);
        QCOMPARE(window.TerminarButton()->text(), QStringLiteral("&Terminar"));
        const QList<QPair<tv::app::TableGrid*, QStringList>> grids = {
            {window.TeachersGrid(), {"Profesor", "Nombre", "Departamento", "TipoDOC", "DOCUMENTO D.N.I."}},
            {window.ClassesGrid(),
             {"Profe.", "Día", "Sesión", "H.INI.", "H. FIN", "Asignatura", "Nombre ASIGNATURA", "Cód.ASIG",
              "TAREA", "NIVEL", "IDIOMA", "ACTIV.", "PLAN"}},
            {window.GroupsGrid(), {"Grupo", "Cód.GRUP.", "Grupo ALIAS DAE", "Núm.Alumnos"}}};
        for (const auto& [grid, titles] : grids) {
            QStringList shown;
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                shown << grid->model()->headerData(column, Qt::Horizontal).toString();
            QCOMPARE(shown, titles);
            // A fixed column is never entered: the cell beside them is.
            grid->setCurrentIndex(grid->model()->index(0, 0));
            QCOMPARE(grid->currentIndex().column(), grid->FixedColumns());
        }
        // Master and detail: the type-2 rows are the current teacher's, the type-3 rows the current class's.
        fixture.ChooseTeacher(QStringLiteral("ABN"));
        auto* classes = window.ClassesGrid()->model();
        const auto owners = tv::test::Column(fixture.ktemp, "CUADROH2", "ABREVPROF");
        QCOMPARE(classes->rowCount(), int(std::count(owners.begin(), owners.end(), std::string("ABN"))));
        for (int row = 0; row < classes->rowCount(); ++row)
            QCOMPARE(classes->index(row, ClassesModel::AbrevProf).data().toString(), QStringLiteral("ABN"));
        QVERIFY(window.GroupsGrid()->model()->rowCount() >= 1);
    }

    void theListsStoreTheirCodes_data() {
        QTest::addColumn<QString>("teacher");
        QTest::addColumn<bool>("lective");
        QTest::addColumn<int>("column"); // of the type-2 grid; -1 for the teachers' TipoDOC
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("codeField");
        QTest::newRow("document type") << "EFI" << true << -1 << "daeTIPDOC"
                                       << "COD";
        QTest::newRow("subject") << "ABN" << true << int(ClassesModel::CodAsig) << "daeASIGNAT"
                                 << "COD";
        QTest::newRow("task") << "ABN" << true << int(ClassesModel::TipTar) << "daeTIPTAR"
                              << "COD";
        QTest::newRow("level") << "ABN" << true << int(ClassesModel::GrupNiv) << "daeNIVIMP"
                               << "COD";
        QTest::newRow("language") << "ABN" << true << int(ClassesModel::Idioma) << "daeIDIOMA"
                                  << "IDIOMA";
        QTest::newRow("activity") << "IJE" << false << int(ClassesModel::TipActiv) << "daeOTRACT"
                                  << "COD";
    }

    void theListsStoreTheirCodes() {
        QFETCH(QString, teacher);
        QFETCH(bool, lective);
        QFETCH(int, column);
        QFETCH(QString, catalogue);
        QFETCH(QString, codeField);
        CodificationFixture fixture;
        fixture.ChooseTeacher(teacher);
        tv::app::TableGrid* grid =
            column < 0 ? fixture.window->TeachersGrid() : fixture.window->ClassesGrid();
        const QModelIndex cell = column < 0 ? grid->currentIndex().siblingAtColumn(TeachersModel::TipoDni)
                                            : fixture.ChooseClass(lective, column);
        QVERIFY(cell.isValid());
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* list = qobject_cast<tv::app::LookupCombo*>(grid->indexWidget(cell));
        QVERIFY(list);
        const auto codes = tv::test::Column(fixture.ktemp, catalogue.toLatin1(), codeField.toLatin1());
        QCOMPARE(list->model()->columnCount(), 3);
        QCOMPARE(list->count(), int(codes.size()));
        const int chosen = int(codes.size()) - 1;
        list->setCurrentIndex(chosen);
        QTest::keyClick(list, Qt::Key_Delete); // a chosen value is never emptied
        QTest::keyClick(list, Qt::Key_Backspace);
        QCOMPARE(list->currentIndex(), chosen);
        grid->CommitEdit();
        QCOMPARE(cell.data().toString(), FromCp1252(codes[std::size_t(chosen)]));

        // The rules on leaving the subject and level lists.
        if (column == ClassesModel::CodAsig)
            QCOMPARE(
                cell.siblingAtColumn(ClassesModel::NomAsig).data().toString(),
                FromCp1252(tv::test::Column(fixture.ktemp, "daeASIGNAT", "DESCCAST")[std::size_t(chosen)]));
        if (column == ClassesModel::GrupNiv)
            QCOMPARE(cell.siblingAtColumn(ClassesModel::Plan).data().toString(),
                     FromCp1252(tv::test::Column(fixture.ktemp, "daeNIVIMP", "PLAN")[std::size_t(chosen)]));
    }

    void aListDropsDownOnEntryAndTakesTheChoice() {
        CodificationFixture fixture;
        fixture.window->activateWindow();
        QApplication::setActiveWindow(fixture.window.get());
        QVERIFY(QTest::qWaitForWindowActive(fixture.window.get()));
        // The window opens with no list down; the user goes into the grid and along its row.
        QVERIFY(fixture.window->findChildren<tv::app::LookupCombo*>().isEmpty());
        fixture.ChooseTeacher(QStringLiteral("ABN"));
        fixture.window->ClassesGrid()->setFocus();
        QTRY_VERIFY(fixture.window->ClassesGrid()->hasFocus());
        tv::app::LookupDelegate::SetDropDownOnEntry(true);
        const QModelIndex cell = fixture.ChooseClass(true, ClassesModel::Idioma);
        auto* list = qobject_cast<tv::app::LookupCombo*>(fixture.window->ClassesGrid()->indexWidget(cell));
        QVERIFY(list);
        QTRY_VERIFY(list->view()->isVisible()); // entering the cell dropped the list down
        const auto codes = tv::test::Column(fixture.ktemp, "daeIDIOMA", "IDIOMA");
        QVERIFY(cell.data().toString() != FromCp1252(codes.front()));
        list->view()->setCurrentIndex(list->model()->index(0, 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
        tv::app::LookupDelegate::SetDropDownOnEntry(false);
        QTRY_COMPARE(cell.data().toString(), FromCp1252(codes.front()));
    }

    void theLectiveRule_data() {
        QTest::addColumn<QString>("teacher");
        QTest::addColumn<bool>("lective");
        QTest::addColumn<int>("readOnlyColumn");
        QTest::addColumn<QString>("message");
        QTest::newRow("a lective line: no activity")
            << "ABN" << true << int(ClassesModel::TipActiv) << FromCp1252(t2d::ActivityListOnLectiveLine());
        QTest::newRow("a line that is not lective: no subject")
            << "IJE" << false << int(ClassesModel::CodAsig) << FromCp1252(t2d::SubjectListOnNonLectiveLine());
    }

    void theLectiveRule() {
        QFETCH(QString, teacher);
        QFETCH(bool, lective);
        QFETCH(int, readOnlyColumn);
        QFETCH(QString, message);
        CodificationFixture fixture;
        fixture.ChooseTeacher(teacher);
        const QModelIndex cell = fixture.ChooseClass(lective, readOnlyColumn);
        QVERIFY(cell.isValid());
        const int editableColumn =
            readOnlyColumn == ClassesModel::CodAsig ? ClassesModel::TipActiv : ClassesModel::CodAsig;
        QVERIFY(!(cell.flags() & Qt::ItemIsEditable));
        QVERIFY(cell.siblingAtColumn(editableColumn).flags() & Qt::ItemIsEditable);
        const QString before = cell.data().toString();
        QTest::keyClick(fixture.window->ClassesGrid(), Qt::Key_A);
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{message});
        QCOMPARE(MessageBoxes::Shown().first().kind, tv::app::BoxKind::Information);
        QCOMPARE(cell.data().toString(), before);
    }

    void theDocumentGoesToAllOfTheTeachersRecordsOnly() {
        CodificationFixture fixture;
        const QStringList classesBefore = Documents(fixture.ktemp, "CUADROH2");
        const QStringList groupsBefore = Documents(fixture.ktemp, "CUADROH3");
        const int missingBefore = fixture.window->findChild<tv::app::CodificationExtras*>()->MissingCount();
        fixture.ChooseTeacher(QStringLiteral("EFI"));
        auto* teachers = fixture.window->TeachersGrid()->model();
        const QModelIndex cell = fixture.window->TeachersGrid()->currentIndex();
        teachers->setData(cell.siblingAtColumn(TeachersModel::TipoDni), QStringLiteral("0001"));
        teachers->setData(cell.siblingAtColumn(TeachersModel::Dni), QStringLiteral("12345678Z"));

        for (const auto& [table, before] :
             {std::pair{"CUADROH2", classesBefore}, std::pair{"CUADROH3", groupsBefore}}) {
            const QStringList after = Documents(fixture.ktemp, table);
            QCOMPARE(after.size(), before.size());
            int copied = 0;
            for (int i = 0; i < after.size(); ++i) {
                if (after[i].startsWith(QStringLiteral("EFI|"))) {
                    QCOMPARE(after[i], QStringLiteral("EFI|0001|12345678Z"));
                    ++copied;
                } else {
                    QCOMPARE(after[i], before[i]);
                }
            }
            QVERIFY2(copied > 0, table);
        }
        // The grid shows the copy, and the count beside the grids knows the teacher has a document now.
        QCOMPARE(fixture.window->ClassesGrid()->model()->index(0, ClassesModel::AbrevProf).data().toString(),
                 QStringLiteral("EFI"));
        auto* extras = fixture.window->findChild<tv::app::CodificationExtras*>();
        QCOMPARE(extras->MissingCount(), missingBefore - 1);
        QVERIFY(!extras->Missing().join('\n').contains(QStringLiteral("Profesor EFI")));
    }

    void theGridsFollowTheirCursorsWithoutTheWindowReloadingThem() {
        CodificationFixture fixture;
        tv::test::Activate(fixture.window.get());
        auto* teachers = fixture.window->TeachersGrid();
        auto* classes = fixture.window->ClassesGrid();
        auto* groups = fixture.window->GroupsGrid();
        const auto rowOf = [](tv::app::TableGrid* grid, int column, const QString& text) {
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                if (grid->model()->index(row, column).data().toString() == text) return row;
            return -1;
        };

        // A click on a teacher: his lines, the grid on the first of them.
        tv::test::ClickCell(teachers, rowOf(teachers, TeachersModel::Abrev, QStringLiteral("IJE")),
                            TeachersModel::Nombre);
        const auto owners = tv::test::Column(fixture.ktemp, "CUADROH2", "ABREVPROF");
        QCOMPARE(classes->model()->rowCount(),
                 int(std::count(owners.begin(), owners.end(), std::string("IJE"))));
        QTRY_COMPARE(classes->currentIndex().row(), 0);

        // A click on his last line: its groups.
        const int line = classes->model()->rowCount() - 1;
        tv::test::ClickCell(classes, line, ClassesModel::NomAsig);
        const std::string key = tv::test::Column(
            fixture.ktemp, "CUADROH2", "PROF_DIA_SES")[std::size_t(classes->Model()->RecordAt(line) - 1)];
        const auto groupKeys = tv::test::Column(fixture.ktemp, "CUADROH3", "PROF_DIA_SES");
        const auto groupNames = tv::test::Column(fixture.ktemp, "CUADROH3", "ABREVGRUP");
        QStringList expected;
        for (std::size_t i = 0; i < groupKeys.size(); ++i)
            if (groupKeys[i] == key) expected << FromCp1252(groupNames[i]);
        QStringList shown;
        for (int row = 0; row < groups->model()->rowCount(); ++row)
            shown << groups->model()->index(row, GroupsModel::AbrevGrup).data().toString();
        expected.sort();
        shown.sort();
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown, expected);

        // "&Terminar" stops on the first teacher without a document (a rule moving
        // the teachers' cursor): the grid goes there, his lines below it.
        MessageBoxes::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(fixture.window->TerminarButton(), Qt::LeftButton);
        QVERIFY(fixture.window->isVisible());
        QTRY_COMPARE(teachers->currentIndex().row(),
                     rowOf(teachers, TeachersModel::Abrev, QStringLiteral("EFI")));
        QCOMPARE(classes->model()->index(0, ClassesModel::AbrevProf).data().toString(),
                 QStringLiteral("EFI"));

        // Typed at once into his document, as a person types, then another
        // teacher clicked: stored, and the count beside the grids follows.
        auto* extras = fixture.window->findChild<tv::app::CodificationExtras*>();
        const int missing = extras->MissingCount();
        const int efi = teachers->currentIndex().row();
        if (teachers->currentIndex().column() != TeachersModel::Dni)
            tv::test::ClickCell(teachers, efi, TeachersModel::Dni);
        tv::test::TypeFast(QStringLiteral("12345678Z"));
        tv::test::ClickCell(teachers, efi + 1, TeachersModel::Nombre); // moving away stores it
        QCOMPARE(teachers->model()->index(efi, TeachersModel::Dni).data().toString(),
                 QStringLiteral("12345678Z"));
        QTRY_COMPARE(extras->MissingCount(), missing - 1);
    }

    void closingTheWindowDropsAnEditNotYetStored() {
        CodificationFixture fixture;
        fixture.ChooseTeacher(QStringLiteral("EFI"));
        const QModelIndex cell = fixture.window->TeachersGrid()->currentIndex();
        fixture.window->TeachersGrid()->model()->setData(cell.siblingAtColumn(TeachersModel::Dni),
                                                         QStringLiteral("12345678Z"));
        fixture.window->close(); // from the title bar
        fixture.window.reset();
        const auto teachers = tv::test::Column(fixture.ktemp, "PROFT", "ABREV");
        const auto documents = tv::test::Column(fixture.ktemp, "PROFT", "DNI");
        const auto efi = std::find(teachers.begin(), teachers.end(), std::string("EFI"));
        QVERIFY(efi != teachers.end());
        QCOMPARE(documents[std::size_t(efi - teachers.begin())], std::string());
        QVERIFY(!QFile::exists(fixture.dae + "/fCUADROS.txt"));
    }

    void aReadOnlyListSaysWhyAsItIsEntered_data() { theLectiveRule_data(); }

    void aReadOnlyListSaysWhyAsItIsEntered() {
        QFETCH(QString, teacher);
        QFETCH(bool, lective);
        QFETCH(int, readOnlyColumn);
        QFETCH(QString, message);
        CodificationFixture fixture;
        tv::test::Activate(fixture.window.get());
        fixture.ChooseTeacher(teacher);
        auto* grid = fixture.window->ClassesGrid();
        int row = 0;
        while (row < grid->model()->rowCount() &&
               (grid->model()->index(row, ClassesModel::CodAsig).data().toString().trimmed().size() >= 5) !=
                   lective)
            ++row;
        QVERIFY(row < grid->model()->rowCount());
        tv::test::ClickCell(grid, row, ClassesModel::NomAsig); // the line, on a fixed column
        QVERIFY(MessageBoxes::Shown().isEmpty());
        tv::test::ClickCell(grid, row, readOnlyColumn); // into the list, nothing typed
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{message});
        QCOMPARE(MessageBoxes::Shown().first().kind, tv::app::BoxKind::Information);
        QVERIFY(!grid->indexWidget(grid->currentIndex())); // no list opened
    }

    void terminarKeepsTheWindowOpenWhenTheFileCannotBeWritten() {
        CodificationFixture fixture;
        auto* teachers = fixture.window->TeachersGrid()->Model();
        for (int row = 0; row < teachers->rowCount(); ++row)
            teachers->setData(teachers->index(row, TeachersModel::Dni), QStringLiteral("D%1").arg(row));
        QVERIFY(QDir(fixture.dae).mkdir(QStringLiteral("fCUADROS.txt"))); // a folder where the file goes
        fixture.state.WorkflowState = 0;
        // The sample's codes are incomplete: the check asks first, and Sí writes.
        MessageBoxes::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(fixture.window->TerminarButton(), Qt::LeftButton);
        QVERIFY(!MessageBoxes::Shown().isEmpty());
        QVERIFY(MessageBoxes::Shown().last().kind !=
                tv::app::BoxKind::Question); // why it could not be written
        QVERIFY(MessageBoxes::ShownTexts().last().contains(QStringLiteral("fCUADROS.txt")));
        QVERIFY(fixture.window->isVisible());
        QCOMPARE(fixture.window->result(), 0);
        QCOMPARE(fixture.state.WorkflowState, 4); // closed now, the run would not count as finished
        // The grids work on: another teacher, his records.
        fixture.ChooseTeacher(QStringLiteral("ABN"));
        QCOMPARE(fixture.window->ClassesGrid()->model()->index(0, ClassesModel::AbrevProf).data().toString(),
                 QStringLiteral("ABN"));

        // The file's place freed, "&Terminar" again writes it and closes.
        QVERIFY(QDir(fixture.dae).rmdir(QStringLiteral("fCUADROS.txt")));
        MessageBoxes::SetNextAnswer(QMessageBox::Yes);
        QTest::mouseClick(fixture.window->TerminarButton(), Qt::LeftButton);
        QCOMPARE(fixture.window->result(), int(QDialog::Accepted));
        QCOMPARE(fixture.state.WorkflowState, 0);
        QVERIFY(QFileInfo(fixture.dae + QStringLiteral("/fCUADROS.txt")).isFile());
    }

    void theCountOfRecordsWithoutACodeFollowsTheRulesOfTerminar() {
        CodificationFixture fixture;
        auto* extras = fixture.window->findChild<tv::app::CodificationExtras*>();
        const int before = extras->MissingCount();
        // A document of one non-breaking space is a document for "&Terminar", so for the count too.
        fixture.ChooseTeacher(QStringLiteral("EFI"));
        QVERIFY(extras->Missing().join('\n').contains(QStringLiteral("Profesor EFI")));
        auto* teachers = fixture.window->TeachersGrid()->Model();
        teachers->setData(fixture.window->TeachersGrid()->currentIndex().siblingAtColumn(TeachersModel::Dni),
                          QStringLiteral("\u00A0"));
        QCOMPARE(extras->MissingCount(), before - 1);

        // A line lacking a code counts until its activity is stored.
        fixture.ChooseTeacher(QStringLiteral("IJE"));
        auto* grid = fixture.window->ClassesGrid();
        auto* classes = grid->Model();
        int row = 0;
        while (row < classes->rowCount() &&
               !(classes->index(row, ClassesModel::CodAsig).data().toString().trimmed().size() < 5 &&
                 classes->index(row, ClassesModel::TipActiv).data().toString().trimmed().isEmpty()))
            ++row;
        if (row == classes->rowCount()) QSKIP("the sample has no line without a code for IJE");
        grid->setCurrentIndex(classes->index(row, ClassesModel::TipActiv));
        classes->setData(classes->index(row, ClassesModel::TipActiv), QStringLiteral("0101"));
        QCOMPARE(extras->MissingCount(), before - 1); // typed, not yet stored
        classes->PostEdit();
        QCOMPARE(extras->MissingCount(), before - 2);
    }

    void theTeachersWeekIsShownBesideTheGrids() {
        CodificationFixture fixture;
        fixture.ChooseTeacher(QStringLiteral("ABN"));
        const QByteArray before = [&] {
            QFile file(fixture.ktemp + "/CUADROH2.DBF");
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        auto* extras = fixture.window->findChild<tv::app::CodificationExtras*>();
        extras->ShowWeek();
        auto* week = extras->WeekModel();
        QCOMPARE(week->columnCount(), 5);
        QCOMPARE(week->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Lunes"));
        // ABN teaches GH on Monday in period 6, and nothing in period 1.
        QVERIFY(week->index(5, 0).data().toString().startsWith(QStringLiteral("GH\n")));
        QVERIFY(week->index(0, 0).data().isNull());
        QFile after(fixture.ktemp + "/CUADROH2.DBF");
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
    }
};

TV_GUI_TEST_MAIN(CodificationWindowTest)
#include "test_codification_window.moc"
