// The DAE -> Tablorix direction driven through the window on the sample
// school: the panels in their order, the check boxes, the recovery question,
// a repeated abbreviation, typing in the levels grid, and a whole run that
// leaves the same tables as transveloradae-cli exportar.
#include "app/qt_text.h"
#include "gui_test_main.h"
#include "window_fixture.h"

#include <QComboBox>
#include <QDirIterator>
#include <QProcess>

using tv::app::MessageBoxes;
using tv::test::Column;
using tv::test::WindowFixture;

namespace {

// Every table of a folder as text: its fields with types and sizes, then its rows.
QMap<QString, QString> DumpTables(const QString& folder) {
    QMap<QString, QString> dumps;
    for (const QString& file : QDir(folder).entryList({"*.DBF", "*.dbf"}, QDir::Files)) {
        tv::tables::Table table;
        table.Open(tv::test::ToStdPath(folder), file.toStdString(), tv::tables::OpenMode::ReadOnly);
        QString dump;
        for (const auto& field : table.Fields())
            dump += QStringLiteral("%1 %2(%3,%4)\n")
                        .arg(QString::fromStdString(field.name))
                        .arg(QLatin1Char(field.type))
                        .arg(field.length)
                        .arg(field.decimals);
        for (table.First(); !table.Eof(); table.Next()) {
            for (int i = 0; i < static_cast<int>(table.Fields().size()); ++i)
                dump += tv::app::FromCp1252(table.AsString(i)) + QLatin1Char('|');
            dump += QLatin1Char('\n');
        }
        dumps.insert(file.toUpper(), dump);
    }
    return dumps;
}

} // namespace

class ExportWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { MessageBoxes::ClearShown(); }

    void thePanelsOpenInTheirOrder() {
        WindowFixture fixture;
        tv::app::TMForm& form = fixture.Open();
        QVERIFY(!fixture.Shown("Panel1") && !fixture.Shown("Panel2") && !fixture.Shown("Panel3"));

        fixture.Button("BExportar")->click();
        QVERIFY(MessageBoxes::ShownTexts().isEmpty());
        QCOMPARE(form.Values().TransformResult, tv::TransformResult::DirectionRan);
        QCOMPARE(form.DirTxt(), QDir::toNativeSeparators(fixture.dae + "/"));
        QVERIFY(fixture.Shown("Panel1"));
        QVERIFY(!fixture.Shown("Directorios") && !fixture.Shown("Unidades"));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        // The centre's row, read from profesorado.txt, is being edited.
        auto* centre = fixture.Model("wwDBGridCODCENTRO");
        QCOMPARE(centre->rowCount(), 1);
        QVERIFY(centre->Editing());
        QCOMPARE(centre->index(0, 0).data().toString(), QStringLiteral("014725"));

        fixture.Button("BitBtn1")->click();
        QVERIFY(!fixture.Shown("Panel1"));
        QVERIFY(fixture.Shown("Panel2"));
        QVERIFY(!fixture.Shown("Panel3"));
        QCOMPARE(fixture.Model("wwDBGridNIVIMP")->rowCount(), 3);

        fixture.Button("Button2")->click(); // "Volver a Datos Centro"
        QVERIFY(fixture.Shown("Panel1"));
        QVERIFY(!fixture.Shown("Panel2"));
        fixture.Button("BitBtn1")->click();
        fixture.TypeAbbreviations({{"0005", "ESO", "DBH"}});
        fixture.Button("BitBtn2")->click();
        QVERIFY(fixture.Shown("Panel3"));
        QCOMPARE(fixture.Model("wwDBGridPlantillas")->rowCount(), 2);
        QVERIFY(!fixture.Shown("LabelEspere2"));

        fixture.Button("BitBtn3")->click();
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{"Proceso finalizado"});
        QVERIFY(form.isVisible()); // started by hand: the window stays
        QVERIFY(!fixture.Shown("Panel2"));
        QVERIFY(!fixture.Button("BExportar")->isEnabled());
        QVERIFY(!fixture.Button("BImportar")->isEnabled());
        QVERIFY(!fixture.Shown("Directorios"));
        QCOMPARE(form.Values().TransformResult, tv::TransformResult::DirectionRan);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void theCentreCheckBoxesStayOpposite() {
        WindowFixture fixture;
        fixture.Open();
        auto* publicBox = fixture.Find<QCheckBox>("CheckBoxPUBLICO");
        auto* privateBox = fixture.Find<QCheckBox>("CheckBoxPRIVADO");
        QVERIFY(publicBox->isChecked() && !privateBox->isChecked());
        const QList<QPair<QCheckBox*, bool>> clicks = {
            {publicBox, false}, {publicBox, true}, {privateBox, false}, {privateBox, true}};
        for (const auto& [box, publicAfter] : clicks) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 8, box->height() / 2));
            QCOMPARE(publicBox->isChecked(), publicAfter);
            QCOMPARE(privateBox->isChecked(), !publicAfter);
        }
    }

    void theRecoveryQuestion_data() {
        QTest::addColumn<bool>("recover");
        QTest::newRow("OK recovers the saved abbreviations") << true;
        QTest::newRow("Cancel deletes them") << false;
    }

    void theRecoveryQuestion() {
        QFETCH(bool, recover);
        WindowFixture fixture;
        fixture.Open();
        fixture.ToTemplatePanel(); // saves the abbreviations in daeNIVIMP2
        QVERIFY(QFile::exists(fixture.ktemp + "/daeNIVIMP2.DBF"));
        QVERIFY(MessageBoxes::Shown().isEmpty()); // first run: no question

        // Typed, back to the centre, on again: the question is asked anew.
        fixture.Find("Panel3")->hide();
        fixture.TypeAbbreviations({{"0005", "XX", "YY"}});
        fixture.Button("Button2")->click();
        MessageBoxes::SetNextAnswer(recover ? QMessageBox::Ok : QMessageBox::Cancel);
        fixture.Button("BitBtn1")->click();

        QCOMPARE(MessageBoxes::Shown().size(), 1);
        const tv::app::ShownBox box = MessageBoxes::Shown().front();
        QCOMPARE(box.kind, tv::app::BoxKind::Warning);
        QCOMPARE(box.caption, QStringLiteral("Recuperación de Niveles y Cursos importados anteriormente"));
        QCOMPARE(box.text,
                 QStringLiteral("Existen Niveles y Cursos ya definidos de una Importación anterior.\n"
                                "¿Quiere recuperar las codificaciones introducidas anteriormente?"));
        auto* levels = fixture.Model("wwDBGridNIVIMP");
        QCOMPARE(levels->index(0, 2).data().toString(),
                 recover ? QStringLiteral("ESO") : QStringLiteral("XX"));
        QCOMPARE(levels->index(0, 4).data().toString(),
                 recover ? QStringLiteral("DBH") : QStringLiteral("YY"));
        QCOMPARE(QFile::exists(fixture.ktemp + "/daeNIVIMP2.DBF"), recover);
    }

    void aRepeatedAbbreviationKeepsTheLevelsStep_data() {
        QTest::addColumn<QStringList>("castilian");
        QTest::addColumn<QStringList>("basque");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("currentRow");
        QTest::newRow("Castilian, letter case ignored")
            << QStringList{"ESO", "", "eso"} << QStringList{"", "", ""}
            << "Abreviatura en Castellano Repetida - Compruébelo." << 2;
        QTest::newRow("Basque") << QStringList{"A", "B", "C"} << QStringList{"DBH", "dbh", ""}
                                << "Abreviatura en Euskera Repetida - Compruébelo." << 1;
        QTest::newRow("both in one row: the Castilian first")
            << QStringList{"ESO", "ESO", ""} << QStringList{"DBH", "DBH", ""}
            << "Abreviatura en Castellano Repetida - Compruébelo." << 1;
    }

    void aRepeatedAbbreviationKeepsTheLevelsStep() {
        QFETCH(QStringList, castilian);
        QFETCH(QStringList, basque);
        QFETCH(QString, message);
        QFETCH(int, currentRow);
        WindowFixture fixture;
        tv::app::TMForm& form = fixture.Open();
        fixture.Button("BExportar")->click();
        fixture.Button("BitBtn1")->click();
        auto* levels = fixture.Model("wwDBGridNIVIMP");
        for (int row = 0; row < 3; ++row) {
            levels->setData(levels->index(row, 2), castilian[row]);
            levels->setData(levels->index(row, 4), basque[row]);
        }
        levels->MoveToRow(0);

        fixture.Button("BitBtn2")->click();
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{message});
        QCOMPARE(form.Values().WorkflowState, tv::WorkflowState::RepeatedAbbreviation);
        QVERIFY(fixture.Shown("Panel2"));
        QVERIFY(!fixture.Shown("Panel3"));
        QCOMPARE(levels->CurrentRow(), currentRow);
        QCOMPARE(fixture.Grid("wwDBGridNIVIMP")->currentIndex().row(), currentRow);
        QVERIFY(!QFile::exists(fixture.ktemp + "/daeNIVIMP2.DBF")); // nothing saved

        // Corrected and accepted again: on to the templates.
        MessageBoxes::ClearShown();
        levels->setData(levels->index(currentRow, 2), QStringLiteral("OTRO"));
        levels->setData(levels->index(currentRow, 4), QStringLiteral("BESTE"));
        fixture.Button("BitBtn2")->click();
        QVERIFY(MessageBoxes::ShownTexts().isEmpty());
        QVERIFY(fixture.Shown("Panel3"));
        QCOMPARE(Column(fixture.ktemp, "daeNIVIMP2", "COD").size(), 3u);
    }

    void aMissingLevelsTableKeepsTheCentrePanel() {
        WindowFixture fixture;
        tv::app::TMForm& form = fixture.Open();
        fixture.Button("BExportar")->click();
        QFile::remove(fixture.ktemp + "/daeNIVIMP.DBF");
        fixture.Button("BitBtn1")->click();
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{"No existe archivo de Niveles (daeNIVIMP.DBF)"});
        QCOMPARE(form.Values().TransformResult, tv::TransformResult::DaeFileMissing);
        QVERIFY(fixture.Shown("Panel1"));
        QVERIFY(!fixture.Shown("Panel2"));
    }

    void typingInTheLevelsGridChangesTheRow() {
        WindowFixture fixture;
        tv::app::TMForm& form = fixture.Open();
        form.activateWindow(); // no window manager under Xvfb does it
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        fixture.Button("BExportar")->click();
        fixture.Button("BitBtn1")->click();
        tv::app::TableGrid* grid = fixture.Grid("wwDBGridNIVIMP");
        QTRY_VERIFY(grid->hasFocus());
        QVERIFY(grid->Model()->Editing()); // entering the grid starts the edit

        grid->setCurrentIndex(grid->model()->index(1, 2));
        QTest::keyClick(grid, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(grid->isAncestorOf(editor));
        QTest::keyClicks(editor, QStringLiteral("bach"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(grid->currentIndex().column(), 3); // Enter goes on to the next column
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(QString::fromStdString(Column(fixture.ktemp, "daeNIVIMP", "ABREVCAST")[1]),
                 QStringLiteral("bach"));

        // Ctrl+Supr deletes the current row after the question.
        MessageBoxes::SetNextAnswer(QMessageBox::Yes);
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{"¿Borrar el registro?"});
        QCOMPARE(grid->model()->rowCount(), 2);
        // Down on the last row adds none.
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->model()->rowCount(), 2);
    }

    void aWholeRunLeavesTheSameTablesAsTheCommandLine() {
        WindowFixture fixture;
        fixture.Open();
        fixture.ToTemplatePanel();
        fixture.Button("BitBtn3")->click();
        QCOMPARE(MessageBoxes::ShownTexts(), QStringList{"Proceso finalizado"});
        fixture.form.reset(); // the window's cursors let go of the tables

        const QString cliKtemp = fixture.root.filePath(QStringLiteral("KTEMP-cli"));
        QProcess cli;
        cli.start(QStringLiteral(TV_CLI_PATH),
                  {"exportar", "--dae", tv::test::kSampleDae, "--ktemp", cliKtemp, "--niveles",
                   QStringLiteral(TV_SOURCE_DIR "/examples/centro-ejemplo/niveles.csv")});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);

        const auto window = DumpTables(fixture.ktemp);
        const auto commandLine = DumpTables(cliKtemp);
        QCOMPARE(window.keys(), commandLine.keys());
        QVERIFY(window.contains("ASIGT.DBF") && window.contains("DIASHORAST.DBF"));
        for (const QString& table : window.keys())
            QCOMPARE(window[table], commandLine[table]);
    }

    void theLanguageBoxTypedInLowerCaseGivesCastilianTexts() {
        WindowFixture fixture;
        fixture.Open();
        fixture.Find<QComboBox>("ComboBoxEuskCast")->setCurrentText(QStringLiteral("euskera"));
        fixture.ToTemplatePanel();
        fixture.Button("BitBtn3")->click();
        QCOMPARE(Column(fixture.ktemp, "GRUPOST", "NIVEL").front(), std::string("ESO"));
    }
};

TV_GUI_TEST_MAIN(ExportWindowTest)
#include "test_export_window.moc"
