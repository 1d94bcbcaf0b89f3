// Every grid of the program under a person's hands: a click on a cell's
// rectangle (in the fixed columns too) makes its record current at once, and
// the text typed straight after the click, with no pause, is the text stored
// in the table: no keystroke lost, no character beyond the field's width.
#include "app/control_plantilla.h"
#include "app/qt_text.h"
#include "codification_fixture.h"
#include "gui_test_main.h"
#include "person_input.h"
#include "tablorix_to_dae/import_context.h"
#include "tablorix_to_dae/plantilla_centro.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QTableView>

using tv::app::CursorTableModel;
using tv::app::FromCp1252;
using tv::app::TableGrid;
using tv::test::ClickCell;
using tv::test::ToStdPath;
using tv::test::TypeFast;

namespace {

// A field of one record of a table, read back from its files.
QString Stored(const QString& folder, const char* table, std::uint32_t record, const char* field) {
    tv::tables::Table reader;
    reader.Open(ToStdPath(folder), table, tv::tables::OpenMode::ReadOnly);
    reader.GotoBookmark({record});
    return FromCp1252(reader.AsString(field));
}

// One grid on its window, as the user meets it.
class Scene {
  public:
    virtual ~Scene() = default;
    virtual TableGrid* Grid() const = 0;
    // What a person does next that stores the row (leaving the grid, a button).
    virtual void Store() = 0;
    // Where the grid's rows are kept.
    virtual QString Folder() const = 0;
    virtual const char* Table() const = 0;
    // The other grids follow the record clicked (master and detail).
    virtual void CheckDetails(int /*row*/) const {}
};

// The three grids of the main window, reached by the panels' buttons.
class MainWindowScene : public Scene {
  public:
    explicit MainWindowScene(const char* grid) : gridName_(grid) {
        fixture_.Open();
        tv::test::Activate(fixture_.form.get());
        fixture_.Button("BExportar")->click();
        if (gridName_ != "wwDBGridCODCENTRO") fixture_.Button("BitBtn1")->click();
        if (gridName_ == "wwDBGridPlantillas") fixture_.Button("BitBtn2")->click();
    }
    TableGrid* Grid() const override { return fixture_.Grid(gridName_.data()); }
    void Store() override {
        const char* button = gridName_ == "wwDBGridCODCENTRO" ? "BitBtn1"
                             : gridName_ == "wwDBGridNIVIMP"  ? "BitBtn2"
                                                              : nullptr;
        if (button) QTest::mouseClick(fixture_.Button(button), Qt::LeftButton);
    }
    QString Folder() const override { return fixture_.ktemp; }
    const char* Table() const override {
        return gridName_ == "wwDBGridCODCENTRO" ? "daeCENTRO"
               : gridName_ == "wwDBGridNIVIMP"  ? "daeNIVIMP"
                                                : "daePLANTILLAS";
    }

  private:
    std::string gridName_;
    tv::test::WindowFixture fixture_;
};

// The template check over the default template of twenty periods.
class TemplateCheckScene : public Scene {
  public:
    TemplateCheckScene() {
        ktemp_ = root_.filePath(QStringLiteral("KTEMP"));
        QDir().mkpath(ktemp_);
        tv::app::GuiPrompt prompt(nullptr);
        tv::WorkflowValues state;
        tv::tablorix_to_dae::ImportContext context{prompt, state, ToStdPath(ktemp_), {}, {}};
        tv::tablorix_to_dae::PlantillaCentro(context);
        window_ = std::make_unique<tv::app::TControlPlantilla>(ToStdPath(ktemp_));
        window_->show();
        tv::test::Activate(window_.get());
    }
    TableGrid* Grid() const override {
        return window_->findChild<TableGrid*>(QStringLiteral("PlantiHorDBGrid"));
    }
    void Store() override {
        QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("BitBtn2")), Qt::LeftButton);
    }
    QString Folder() const override { return ktemp_; }
    const char* Table() const override { return "PLANTILLA"; }

  private:
    QTemporaryDir root_;
    QString ktemp_;
    std::unique_ptr<tv::app::TControlPlantilla> window_;
};

// The codification window: teachers, their type-2 records, the groups of a record.
class CodificationScene : public Scene {
  public:
    enum Which { Teachers, Classes, Groups };
    explicit CodificationScene(Which which) : which_(which) { tv::test::Activate(fixture_.window.get()); }
    TableGrid* Grid() const override { return GridOf(which_); }
    void Store() override {
        // Going to another grid stores the row; closing the window releases PROFT.
        const Which other = which_ == Groups ? Classes : Groups;
        const int row = std::max(GridOf(other)->currentIndex().row(), 0);
        ClickCell(GridOf(other), row, 0);
        fixture_.window.reset();
    }
    QString Folder() const override { return fixture_.ktemp; }
    const char* Table() const override {
        return which_ == Teachers ? "PROFT" : which_ == Classes ? "CUADROH2" : "CUADROH3";
    }
    void CheckDetails(int row) const override {
        if (which_ == Teachers) {
            // The type-2 grid shows the records of the teacher clicked, all of them.
            const QString teacher = Grid()->model()->index(row, 0).data().toString();
            const auto owners = tv::test::Column(fixture_.ktemp, "CUADROH2", "ABREVPROF");
            auto* classes = GridOf(Classes)->model();
            QCOMPARE(classes->rowCount(),
                     int(std::count(owners.begin(), owners.end(), teacher.toStdString())));
            for (int i = 0; i < classes->rowCount(); ++i)
                QCOMPARE(classes->index(i, 0).data().toString(), teacher);
            // "Horario semanal del profesor..." opens on him.
            QTest::mouseClick(fixture_.window->findChild<QPushButton*>(QStringLiteral("BHorarioProfesor")),
                              Qt::LeftButton);
            auto* week = fixture_.window->findChild<QDialog*>(QStringLiteral("HorarioProfesor"));
            QVERIFY(week && week->isVisible());
            QCOMPARE(week->windowTitle(), QStringLiteral("Horario semanal de %1").arg(teacher));
            week->close();
            tv::test::Activate(fixture_.window.get()); // back to the codification, as the next click does
        }
        if (which_ == Classes) {
            // The type-3 grid shows the groups of the record clicked.
            const QString key =
                Stored(fixture_.ktemp, "CUADROH2", Grid()->Model()->RecordAt(row), "PROF_DIA_SES");
            const auto keys = tv::test::Column(fixture_.ktemp, "CUADROH3", "PROF_DIA_SES");
            QCOMPARE(GridOf(Groups)->model()->rowCount(),
                     int(std::count(keys.begin(), keys.end(), tv::app::ToCp1252(key).value())));
        }
    }

  private:
    TableGrid* GridOf(Which which) const {
        return which == Teachers  ? fixture_.window->TeachersGrid()
               : which == Classes ? fixture_.window->ClassesGrid()
                                  : fixture_.window->GroupsGrid();
    }
    Which which_;
    tv::test::CodificationFixture fixture_;
};

std::unique_ptr<Scene> OpenScene(const QString& grid) {
    if (grid == QLatin1String("PlantiHorDBGrid")) return std::make_unique<TemplateCheckScene>();
    if (grid == QLatin1String("wwDBGridPROFT"))
        return std::make_unique<CodificationScene>(CodificationScene::Teachers);
    if (grid == QLatin1String("DBGridCUADROH2"))
        return std::make_unique<CodificationScene>(CodificationScene::Classes);
    if (grid == QLatin1String("wwDBGridCUADROH3"))
        return std::make_unique<CodificationScene>(CodificationScene::Groups);
    return std::make_unique<MainWindowScene>(grid.toLatin1().constData());
}

} // namespace

class GridTypingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { tv::app::LookupDelegate::SetDropDownOnEntry(false); }
    void init() { tv::app::MessageBoxes::ClearShown(); }

    void aClickChoosesTheRecordAndWhatIsTypedIsStored_data() {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("firstClick"); // the column clicked first, a fixed one where the grid has them
        QTest::addColumn<int>("column");     // then clicked unless current, and typed into; -1 types nothing
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("pauseAfter");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        // Centre: CODCENTRO, ANOACAD, VERSION; one row.
        QTest::newRow("centre code, current as the panel opens")
            << "wwDBGridCODCENTRO" << 0 << 0 << 0 << "014726" << -1 << "CODCENTRO"
            << "014726";
        QTest::newRow("centre year") << "wwDBGridCODCENTRO" << 0 << 0 << 1 << "2027" << -1 << "ANOACAD"
                                     << "2027";
        QTest::newRow("centre code, a pause while typing")
            << "wwDBGridCODCENTRO" << 0 << 1 << 0 << "014726" << 2 << "CODCENTRO"
            << "014726";
        QTest::newRow("centre version, one character too many")
            << "wwDBGridCODCENTRO" << 0 << 0 << 2 << "123456" << -1 << "VERSION"
            << "12345";
        // Levels: COD (fixed), DESCCASTR, ABREVCAST, DESCEUSKR, ABREVEUSK.
        QTest::newRow("level abbreviation") << "wwDBGridNIVIMP" << 2 << 0 << 2 << "ABCDE" << -1 << "ABREVCAST"
                                            << "ABCDE";
        QTest::newRow("level abbreviation, straight onto the cell")
            << "wwDBGridNIVIMP" << 0 << 4 << 4 << "DBH" << -1 << "ABREVEUSK"
            << "DBH";
        QTest::newRow("level abbreviation, a sixth character")
            << "wwDBGridNIVIMP" << 1 << 1 << 4 << "ZZZZZY" << -1 << "ABREVEUSK"
            << "ZZZZZ";
        // Templates: chosen by a click, nothing typed.
        QTest::newRow("template chosen") << "wwDBGridPlantillas" << 1 << 1 << -1 << "" << -1 << ""
                                         << "";
        // Template check: HORA, HORAINI, HORAFIN.
        QTest::newRow("period start") << "PlantiHorDBGrid" << 3 << 0 << 1 << "07:45" << -1 << "HORAINI"
                                      << "07:45";
        QTest::newRow("first period, current as the window opens")
            << "PlantiHorDBGrid" << 0 << 1 << 1 << "07:50" << -1 << "HORAINI"
            << "07:50";
        QTest::newRow("period end, a pause while typing")
            << "PlantiHorDBGrid" << 5 << 1 << 2 << "13:10" << 1 << "HORAFIN"
            << "13:10";
        // Codification: the teachers (3 fixed columns), their type-2 records (7), the groups (3).
        QTest::newRow("teacher's document, clicked on the name")
            << "wwDBGridPROFT" << 3 << 1 << 4 << "12345678Z" << -1 << "DNI"
            << "12345678Z";
        QTest::newRow("teacher's document, clicked on the department")
            << "wwDBGridPROFT" << 5 << 2 << 4 << "X7654321" << 3 << "DNI"
            << "X7654321";
        QTest::newRow("class plan, clicked on the subject")
            << "DBGridCUADROH2" << 1 << 5 << 12 << "00991" << -1 << "PLAN"
            << "0099";
        QTest::newRow("class plan, clicked on the day")
            << "DBGridCUADROH2" << 2 << 1 << 12 << "0042" << 1 << "PLAN"
            << "0042";
        QTest::newRow("group's pupils, clicked on the alias")
            << "wwDBGridCUADROH3" << 0 << 2 << 3 << "27" << -1 << "NUMALUM"
            << "27";
        QTest::newRow("group's pupils, straight onto the cell")
            << "wwDBGridCUADROH3" << 0 << 3 << 3 << "31" << -1 << "NUMALUM"
            << "31";
    }

    void aClickChoosesTheRecordAndWhatIsTypedIsStored() {
        QFETCH(QString, grid);
        QFETCH(int, row);
        QFETCH(int, firstClick);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(int, pauseAfter);
        QFETCH(QString, field);
        QFETCH(QString, stored);
        auto scene = OpenScene(grid);
        TableGrid* view = scene->Grid();
        QVERIFY(view && view->isVisible());
        CursorTableModel* model = view->Model();
        QVERIFY(model->rowCount() > row);

        // The first click makes the record current at once, wherever it lands on the row.
        ClickCell(view, row, firstClick);
        QCOMPARE(model->CurrentRow(), row);
        QCOMPARE(view->currentIndex().row(), row);
        QCOMPARE(model->headerData(row, Qt::Vertical).toString().isEmpty(), false); // the row marker
        scene->CheckDetails(row);
        // A click on a row opens no list by itself.
        QVERIFY(view->findChildren<QComboBox*>().isEmpty() || firstClick >= view->FixedColumns());
        if (column < 0) return;

        // The cell is clicked unless the first click made it current, then typed into straight away.
        if (view->currentIndex().column() != column) ClickCell(view, row, column);
        QCOMPARE(view->currentIndex(), model->index(row, column));
        TypeFast(typed, pauseAfter);

        if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
            QCOMPARE(editor->text(), stored); // the cell holds no more than the field
        const std::uint32_t record = model->RecordAt(row);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
        scene->Store();
        QCOMPARE(Stored(scene->Folder(), scene->Table(), record, field.toLatin1().constData()), stored);
    }
};

TV_GUI_TEST_MAIN(GridTypingTest)
#include "test_grid_typing.moc"
