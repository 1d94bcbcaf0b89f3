// How the window starts and ends: manual and launched mode by the arguments,
// the direction panels shown, and the result entry written when it closes
// (0 nothing done, 1 a direction ran, -1 a folder or file was missing).
#include "gui_test_main.h"
#include "window_fixture.h"

#include <QTreeView>

using tv::app::MessageBoxes;
using tv::test::WindowFixture;

class LaunchModesTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { MessageBoxes::ClearShown(); }

    void theArgumentsChooseModeAndPanels_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("daeToTablorix");
        QTest::addColumn<bool>("tablorixToDae");
        QTest::addColumn<QByteArray>("resultAtClose");
        const QByteArray none;
        const QByteArray zero("[Transformadores]\r\nTransformado=0\r\n");
        QTest::newRow("no arguments") << QStringList{} << true << true << none;
        QTest::newRow("one argument") << QStringList{"exportar"} << true << true << none;
        QTest::newRow("exportar") << QStringList{"exportar", "x"} << true << false << zero;
        QTest::newRow("EXPORTAR in capitals") << QStringList{"EXPORTAR", "x"} << true << false << zero;
        QTest::newRow("importar") << QStringList{"Importar", "x"} << false << true << zero;
        QTest::newRow("unknown first word") << QStringList{"transformar", "x"} << true << true << zero;
        QTest::newRow("three arguments") << QStringList{"exportar", "x", "y"} << true << true << none;
    }

    void theArgumentsChooseModeAndPanels() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, daeToTablorix);
        QFETCH(bool, tablorixToDae);
        QFETCH(QByteArray, resultAtClose);
        WindowFixture fixture;
        tv::app::TMForm& form = fixture.Open(arguments);

        QCOMPARE(form.windowTitle(), QStringLiteral("Exportar e importar datos entre Tablorix y DAE"));
        QCOMPARE(form.size(), QSize(593, 351));
        QVERIFY(form.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(fixture.Shown("Draw3D2"), daeToTablorix);
        QCOMPARE(fixture.Shown("Draw3D3"), tablorixToDae);
        // The one direction left spreads over the window, still behind the folder panel.
        if (daeToTablorix != tablorixToDae) {
            QWidget* shown = fixture.Find(daeToTablorix ? "Draw3D2" : "Draw3D3");
            QCOMPARE(shown->geometry(), form.rect());
            // Children are stacked in the order of the list: later ones cover earlier ones.
            QVERIFY(form.children().indexOf(shown) < form.children().indexOf(fixture.Find("Panel4")));
        } else {
            QCOMPARE(fixture.Find("Draw3D2")->geometry(), QRect(0, 0, 301, 121));
            QCOMPARE(fixture.Find("Draw3D3")->geometry(), QRect(301, 0, 293, 121));
        }
        QCOMPARE(form.Values().LaunchParamCount, resultAtClose.isEmpty() ? 0 : 2);

        QVERIFY(form.close());
        QCOMPARE(fixture.ResultFile(), resultAtClose);
    }

    void altSClosesTheWindow() {
        WindowFixture fixture;
        tv::app::TMForm& form = fixture.Open({"exportar", "x"});
        form.activateWindow(); // no window manager under Xvfb does it
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(!form.isVisible());
        QCOMPARE(fixture.ResultFile(), QByteArray("[Transformadores]\r\nTransformado=0\r\n"));
    }

    void aMissingFolder_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("manual, DAE -> Tablorix") << QStringList{} << "BExportar" << false << QByteArray();
        QTest::newRow("manual, Tablorix -> DAE") << QStringList{} << "BImportar" << false << QByteArray();
        QTest::newRow("launched, DAE -> Tablorix") << QStringList{"exportar", "x"} << "BExportar" << true
                                                   << QByteArray("[Transformadores]\r\nTransformado=-1\r\n");
        QTest::newRow("launched, Tablorix -> DAE") << QStringList{"importar", "x"} << "BImportar" << true
                                                   << QByteArray("[Transformadores]\r\nTransformado=0\r\n");
    }

    void aMissingFolder() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, button);
        QFETCH(bool, closes);
        QFETCH(QByteArray, result);
        WindowFixture fixture;
        const QString chosen = fixture.root.filePath(QStringLiteral("elegida"));
        QDir().mkpath(chosen);
        QDir::setCurrent(chosen);
        tv::app::TMForm& form = fixture.Open(arguments);
        QCOMPARE(fixture.Find<QLabel>("LabelRuta")->text(), QDir::toNativeSeparators(chosen));
        QDir(chosen).removeRecursively(); // removed after it was chosen

        fixture.Button(button.toLatin1().constData())->click();
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{"No existe la carpeta"});
        QCOMPARE(form.isVisible(), !closes);
        QCOMPARE(fixture.ResultFile(), result);
        if (!closes) {
            // Nothing changed: the user may pick another folder.
            QVERIFY(fixture.Shown("Directorios"));
            QVERIFY(fixture.Shown("Unidades"));
            QCOMPARE(form.Values().TransformResult, tv::TransformResult::NothingDone);
            QVERIFY(!fixture.Shown("Panel1"));
        }
    }

    void launchedDaeToTablorixReportsWhatHappened_data() {
        QTest::addColumn<QString>("removedFile");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("closed at the centre panel") << QString() << QByteArray("Transformado=1");
        QTest::newRow("a code list missing") << "V55T11.txt" << QByteArray("Transformado=-1");
    }

    void launchedDaeToTablorixReportsWhatHappened() {
        QFETCH(QString, removedFile);
        QFETCH(QByteArray, result);
        WindowFixture fixture;
        if (!removedFile.isEmpty()) QFile::remove(fixture.dae + "/" + removedFile);
        tv::app::TMForm& form = fixture.Open({"exportar", "x"});
        fixture.Button("BExportar")->click();
        QCOMPARE(fixture.Shown("Panel1"), removedFile.isEmpty());
        if (!removedFile.isEmpty())
            QCOMPARE(MessageBoxes::ShownTexts(), QStringList{"No existe archivo DAE (V55T11.txt)"});
        QVERIFY(form.isVisible()); // a missing file never closes the window
        QVERIFY(!fixture.Shown("Directorios"));
        form.close();
        QVERIFY(fixture.ResultFile().contains("\r\n" + result + "\r\n"));
    }

    void launchedRunClosesTheWindowWhenItEnds() {
        WindowFixture fixture;
        tv::app::TMForm& form = fixture.Open({"exportar", "x"});
        fixture.ToTemplatePanel();
        fixture.Button("BitBtn3")->click();
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{"Proceso finalizado"});
        QVERIFY(!form.isVisible());
        QCOMPARE(fixture.ResultFile(), QByteArray("[Transformadores]\r\nTransformado=1\r\n"));
    }
};

TV_GUI_TEST_MAIN(LaunchModesTest)
#include "test_launch_modes.moc"
