// The windows as they open in front of the user: no label cut, every window
// on the screen, the codification window growing with its frame, the main
// window's tab order, the levels' fixed code column, and the folder list,
// which opens on the current folder and never changes the chosen folder by
// itself.
#include "app/codification_extras.h"
#include "app/control_plantilla.h"
#include "app/folder_panel.h"
#include "codification_fixture.h"
#include "gui_test_main.h"
#include "person_input.h"
#include "tablorix_to_dae/plantilla_centro.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTreeView>

using tv::app::MessageBoxes;
using tv::test::ToStdPath;
using tv::test::WindowFixture;

namespace {

// Every label shown in `window` holds its whole text, inside its parent.
void CheckNoLabelIsCut(QWidget* window) {
    int checked = 0;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
        const QSize needed = label->wordWrap() ? QSize(label->width(), label->heightForWidth(label->width()))
                                               : label->sizeHint();
        const QString where = QStringLiteral("«%1»: %2×%3 needed, %4×%5 given")
                                  .arg(label->text())
                                  .arg(needed.width())
                                  .arg(needed.height())
                                  .arg(label->width())
                                  .arg(label->height());
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(), qPrintable(where));
        QVERIFY2(label->parentWidget()->rect().contains(label->geometry()),
                 qPrintable(where + " (out of its panel)"));
        ++checked;
    }
    QVERIFY(checked > 0);
}

// The application's font for as long as the object lives: "" keeps the
// platform's (DejaVu Sans on Debian), "Tahoma" loads the font Windows gives
// from Wine's copy (Debian fonts-wine).
class FontScope {
  public:
    explicit FontScope(const QString& family) : saved_(QApplication::font()) {
        if (family.isEmpty()) return;
        for (const char* file : {"tahoma.ttf", "tahomabd.ttf"})
            QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file));
        if (!QFontDatabase::families().contains(family)) QSKIP("Tahoma is not installed (fonts-wine)");
        QApplication::setFont(QFont(family));
    }
    ~FontScope() { QApplication::setFont(saved_); }

  private:
    QFont saved_;
};

void AddFonts() {
    QTest::addColumn<QString>("font");
    QTest::newRow("Debian's font") << QString();
    QTest::newRow("Tahoma, as on Windows") << QStringLiteral("Tahoma");
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { tv::app::LookupDelegate::SetDropDownOnEntry(false); }
    void init() { MessageBoxes::ClearShown(); }

    void noLabelOfTheMainWindowIsCut_data() { AddFonts(); }

    void noLabelOfTheMainWindowIsCut() {
        QFETCH(QString, font);
        const FontScope scope(font);
        WindowFixture fixture;
        auto& form = fixture.Open();
        CheckNoLabelIsCut(&form);
        fixture.Button("BExportar")->click(); // the centre panel
        CheckNoLabelIsCut(&form);
        fixture.Button("BitBtn1")->click(); // the levels
        CheckNoLabelIsCut(&form);
        fixture.TypeAbbreviations({{"0005", "ESO", "DBH"}});
        fixture.Button("BitBtn2")->click(); // the templates
        CheckNoLabelIsCut(&form);
    }

    void noLabelOfTheTemplateCheckIsCut_data() { AddFonts(); }

    void noLabelOfTheTemplateCheckIsCut() {
        QFETCH(QString, font);
        const FontScope scope(font);
        QTemporaryDir ktemp;
        tv::app::GuiPrompt prompt(nullptr);
        tv::WorkflowValues state;
        tv::tablorix_to_dae::ImportContext context{prompt, state, ToStdPath(ktemp.path()), {}, {}};
        tv::tablorix_to_dae::PlantillaCentro(context);
        tv::app::TControlPlantilla window(ToStdPath(ktemp.path()));
        window.show();
        CheckNoLabelIsCut(&window);
    }

    void noLabelOfTheCodificationIsCutWhateverItsSize_data() { AddFonts(); }

    void noLabelOfTheCodificationIsCutWhateverItsSize() {
        QFETCH(QString, font);
        const FontScope scope(font);
        tv::test::CodificationFixture fixture;
        CheckNoLabelIsCut(fixture.window.get());
        fixture.window->resize(1200, 760);
        CheckNoLabelIsCut(fixture.window.get());
    }

    void theCodificationGrowsWithItsWindowFromItsDesignSize() {
        tv::test::CodificationFixture fixture;
        auto& window = *fixture.window;
        QCOMPARE(window.size(), QSize(845, 498));
        QCOMPARE(window.minimumSize(), QSize(845, 498));
        QVERIFY(window.maximumWidth() > 2000); // it may be maximised
        const auto shown = [](tv::app::TableGrid* grid) {
            const int last = grid->rowAt(grid->viewport()->height() - 1);
            return last < 0 ? grid->model()->rowCount() : last + 1;
        };
        const int teachersBefore = shown(window.TeachersGrid());
        const int groupsWidth = window.GroupsGrid()->width();
        window.resize(1100, 800);
        QVERIFY(shown(window.TeachersGrid()) > std::max(teachersBefore, 3));
        QVERIFY(window.ClassesGrid()->height() > 128);
        QVERIFY(window.GroupsGrid()->width() > groupsWidth);
        // Everything stays inside the window, the button at its bottom right.
        for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                QVERIFY2(window.rect().contains(child->geometry()), qPrintable(child->objectName()));
        QCOMPARE(window.TerminarButton()->geometry().bottomRight(), QPoint(1100 - 11, 800 - 9));
    }

    void theTeachersWeekOpensWhollyOnTheScreen_data() {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("expected");
        const QRect screen(0, 0, 1280, 800);
        QTest::newRow("room on the right") << QRect(10, 10, 600, 400) << screen << QPoint(617, 10);
        QTest::newRow("room on the left only") << QRect(600, 100, 600, 400) << screen << QPoint(56, 100);
        QTest::newRow("no room beside: over it") << QRect(200, 100, 845, 498) << screen << QPoint(240, 140);
        QTest::newRow("a second screen")
            << QRect(1300, 50, 845, 498) << QRect(1280, 0, 1920, 1080) << QPoint(2152, 50);
        QTest::newRow("near the bottom") << QRect(10, 700, 300, 90) << screen << QPoint(317, 340);
    }

    void theTeachersWeekOpensWhollyOnTheScreen() {
        QFETCH(QRect, owner);
        QFETCH(QRect, screen);
        QFETCH(QPoint, expected);
        const QSize size(520, 420);
        const QPoint place = tv::app::BesideOnScreen(owner, size, screen);
        QCOMPARE(place, expected);
        QVERIFY(screen.contains(QRect(place, size + QSize(16, 40))));
    }

    void theWeekWindowOfTheCodificationIsOnItsScreen() {
        tv::test::CodificationFixture fixture;
        auto* extras = fixture.window->findChild<tv::app::CodificationExtras*>();
        QTest::mouseClick(extras->findChild<QPushButton*>(QStringLiteral("BHorarioProfesor")),
                          Qt::LeftButton);
        auto* week = fixture.window->findChild<QDialog*>(QStringLiteral("HorarioProfesor"));
        QVERIFY(week && week->isVisible());
        const QRect screen = fixture.window->screen()->availableGeometry();
        QVERIFY2(screen.contains(week->geometry()), qPrintable(QStringLiteral("%1,%2 %3×%4 on a %5×%6 screen")
                                                                   .arg(week->x())
                                                                   .arg(week->y())
                                                                   .arg(week->width())
                                                                   .arg(week->height())
                                                                   .arg(screen.width())
                                                                   .arg(screen.height())));
    }

    void tabGoesThroughTheMainWindowInTheOrderOfItsControls() {
        WindowFixture fixture;
        auto& form = fixture.Open();
        tv::test::Activate(&form);
        auto* language = fixture.Find<QComboBox>("ComboBoxEuskCast");
        language->setFocus();
        QTRY_VERIFY(language->hasFocus() || language->isAncestorOf(QApplication::focusWidget()));
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order,
                 QStringList({"BExportar", "BImportar", "Directorios", "Unidades", "Button1", "BClose"}));
    }

    void theLevelsCodeStaysInViewWhenTheGridScrolls() {
        WindowFixture fixture;
        fixture.Open();
        tv::test::Activate(fixture.form.get());
        fixture.Button("BExportar")->click();
        fixture.Button("BitBtn1")->click();
        auto* grid = fixture.Grid("wwDBGridNIVIMP");
        QCOMPARE(grid->FixedColumns(), 1);
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        tv::test::ClickCell(grid, 1, 0); // COD, on the fixed column's own view
        QCOMPARE(grid->Model()->CurrentRow(), 1);
        QVERIFY(grid->currentIndex().column() >= 1); // never entered
    }

    void theFolderListOpensOnTheCurrentFolder() {
        WindowFixture fixture;
        auto& form = fixture.Open();
        auto* tree = fixture.Find<QTreeView>("Directorios");
        QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex()).center()));
        QCOMPARE(QDir(form.findChild<tv::app::FolderPanel*>()->CurrentDirectory()), QDir(fixture.dae));
    }

    void aChosenFolderRemovedIsNoOtherFolder_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Tablorix -> DAE") << "BImportar";
        QTest::newRow("DAE -> Tablorix") << "BExportar";
    }

    void aChosenFolderRemovedIsNoOtherFolder() {
        QFETCH(QString, button);
        WindowFixture fixture;
        // KTEMP beside the chosen folder, as the folder list would move to it.
        fixture.ktemp = QFileInfo(fixture.dae).path() + QStringLiteral("/KTEMP");
        QDir().mkpath(fixture.ktemp);
        qputenv("TRANSVELORADAE_KTEMP", QFile::encodeName(fixture.ktemp));
        QFile(fixture.ktemp + QStringLiteral("/nota.txt")).open(QIODevice::WriteOnly);
        auto& form = fixture.Open();
        auto* tree = fixture.Find<QTreeView>("Directorios");
        QTRY_VERIFY(tree->currentIndex().isValid());
        const QPersistentModelIndex chosen = tree->currentIndex();
        QDir::setCurrent(QDir::tempPath());
        QVERIFY(QDir(fixture.dae).removeRecursively());
        QTRY_VERIFY_WITH_TIMEOUT(!chosen.isValid(), 10000); // the folder list heard of it

        QTest::mouseClick(fixture.Button(button.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{QStringLiteral("No existe la carpeta")});
        QCOMPARE(QDir::cleanPath(QDir::fromNativeSeparators(form.DirTxt())), QDir::cleanPath(fixture.dae));
        QCOMPARE(QDir(fixture.ktemp).entryList(QDir::Files), QStringList{QStringLiteral("nota.txt")});
        QVERIFY(form.isVisible());
        QVERIFY(fixture.Shown("Directorios")); // nothing changed: another folder may be chosen
    }
};

TV_GUI_TEST_MAIN(WindowLayoutTest)
#include "test_window_layout.moc"
