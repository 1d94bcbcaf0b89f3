// The grids' models over table cursors: Qt's model checks, and the edit/post
// behaviour of the window's grids (typing edits the cursor's row, moving to
// another row posts it, an empty table shows the row Edit starts, rows are
// deleted but never inserted from the grid), and the rows another cursor
// writes shown without the window asking.
#include "app/centre_model.h"
#include "app/levels_model.h"
#include "app/templates_model.h"
#include "dae_to_tablorix/catalogue_files.h"
#include "dae_to_tablorix/centre_table.h"
#include "dae_to_tablorix/template_heads.h"
#include "gui_test_main.h"
#include "tablorix_schema/centre_table.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <memory>

using tv::app::CentreModel;
using tv::app::LevelsModel;
using tv::app::TemplatesModel;
namespace tables = tv::tables;

namespace {

std::filesystem::path FolderOf(const QTemporaryDir& dir) {
    return dir.path().toStdString();
}

// daeNIVIMP with three levels: COD, PLAN, DESCCAST, DESCEUSK, DESCCASTR, DESCEUSKR, ABREVCAST, ABREVEUSK.
void MakeLevels(const std::filesystem::path& folder) {
    tables::Table::Create(folder, "daeNIVIMP",
                          tv::dae_to_tablorix::CatalogueDecl(tv::dae_to_tablorix::LevelsCatalogue()));
    tables::Table levels;
    levels.Open(folder, "daeNIVIMP");
    levels.AppendRecord(
        {"0005", "LOE", "Educaci\xF3n Secundaria", "Bigarren Hezkuntza", "E.S.O.", "D.B.H.", "", ""});
    levels.AppendRecord(
        {"0007", "LOE", "Bachillerato", "Batxilergoa", "Bachillerato", "Batxilergoa", "", ""});
    levels.AppendRecord(
        {"0012", "LOE", "Diversificaci\xF3n", "Dibertsifikazioa", "Divers.", "Dibert.", "", ""});
    levels.Close();
}

std::vector<std::string> Column(const std::filesystem::path& folder, const char* table, const char* field) {
    tables::Table reader;
    reader.Open(folder, table, tables::OpenMode::ReadOnly);
    std::vector<std::string> values;
    for (reader.First(); !reader.Eof(); reader.Next())
        values.push_back(reader.AsString(field));
    return values;
}

} // namespace

class GridModelsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyModelPassesQtsChecksWhileEdited() {
        QTemporaryDir dir;
        const auto folder = FolderOf(dir);
        MakeLevels(folder);
        tv::dae_to_tablorix::StoreCentreFromTeacherFile("   012345 2025", folder);
        tv::dae_to_tablorix::StoreTemplateHeads({{"1", "General"}, {"2", "Tarde"}}, folder);

        tables::Table levels, centre, templates;
        LevelsModel levelsModel(levels);
        CentreModel centreModel(centre);
        TemplatesModel templatesModel(templates);
        QAbstractItemModelTester t1(&levelsModel, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester t2(&centreModel, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester t3(&templatesModel, QAbstractItemModelTester::FailureReportingMode::QtTest);

        levelsModel.Open(folder, "daeNIVIMP");
        centreModel.Open(folder, "daeCENTRO");
        templatesModel.Open(folder, "daePLANTILLAS");
        QCOMPARE(levelsModel.rowCount(), 3);
        QCOMPARE(levelsModel.columnCount(), int(std::size(LevelsModel::kColumns)));
        QCOMPARE(levelsModel.headerData(LevelsModel::DescCastR, Qt::Horizontal).toString(),
                 QStringLiteral("DESCCASTELLANO"));
        QCOMPARE(levelsModel.index(0, LevelsModel::DescCastR).data().toString(), QStringLiteral("E.S.O."));
        QCOMPARE(centreModel.headerData(CentreModel::AnoAcad, Qt::Horizontal).toString(),
                 QStringLiteral("Año Académico"));
        QCOMPARE(centreModel.index(0, CentreModel::CodCentro).data().toString(), QStringLiteral("012345"));
        QCOMPARE(templatesModel.index(1, TemplatesModel::Plantilla).data().toString(),
                 QStringLiteral("Tarde"));

        QVERIFY(levelsModel.setData(levelsModel.index(1, LevelsModel::AbrevEusk), QStringLiteral("BATX")));
        levelsModel.DeleteCurrentRow();
        QCOMPARE(levelsModel.rowCount(), 2);
        templatesModel.StartEdit();
        templatesModel.MoveToRow(1);
        centreModel.Close();
        QCOMPARE(centreModel.rowCount(), 0);
    }

    void onlyTheAbbreviationColumnsTakeText_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("editable");
        QTest::newRow("COD") << int(LevelsModel::Cod) << false;
        QTest::newRow("DESCCASTELLANO") << int(LevelsModel::DescCastR) << false;
        QTest::newRow("ABREVCAST") << int(LevelsModel::AbrevCast) << true;
        QTest::newRow("DESCEUSKERA") << int(LevelsModel::DescEuskR) << false;
        QTest::newRow("ABREVEUSK") << int(LevelsModel::AbrevEusk) << true;
    }

    void onlyTheAbbreviationColumnsTakeText() {
        QFETCH(int, column);
        QFETCH(bool, editable);
        QTemporaryDir dir;
        MakeLevels(FolderOf(dir));
        tables::Table levels;
        LevelsModel model(levels);
        model.Open(FolderOf(dir), "daeNIVIMP");
        const QModelIndex cell = model.index(0, column);
        QCOMPARE(bool(model.flags(cell) & Qt::ItemIsEditable), editable);
        QCOMPARE(model.setData(cell, QStringLiteral("X")), editable);
    }

    void typingEditsTheRowAndMovingAwayPostsIt() {
        QTemporaryDir dir;
        const auto folder = FolderOf(dir);
        MakeLevels(folder);
        tables::Table levels;
        LevelsModel model(levels);
        model.Open(folder, "daeNIVIMP");

        // Cut to the field's 5 characters; Windows-1252 letters kept.
        QVERIFY(model.setData(model.index(0, LevelsModel::AbrevCast), QStringLiteral("ÑAÑOSX")));
        QCOMPARE(model.index(0, LevelsModel::AbrevCast).data().toString(), QStringLiteral("ÑAÑOS"));
        QVERIFY(model.Editing());
        QCOMPARE(Column(folder, "daeNIVIMP", "ABREVCAST")[0], std::string()); // not posted yet

        model.MoveToRow(2);
        QVERIFY(!model.Editing());
        QCOMPARE(model.CurrentRow(), 2);
        QCOMPARE(Column(folder, "daeNIVIMP", "ABREVCAST")[0], std::string("\xD1"
                                                                          "A\xD1"
                                                                          "OS"));

        // A character Windows-1252 cannot hold is refused with a message, not replaced.
        QSignalSpy failed(&model, &LevelsModel::failed);
        QVERIFY(!model.setData(model.index(2, LevelsModel::AbrevEusk), QStringLiteral("€✓")));
        QCOMPARE(failed.size(), 1);
        QCOMPARE(model.index(2, LevelsModel::AbrevEusk).data().toString(), QString());
    }

    void anEmptyTableShowsTheRowThatEditingStarts() {
        QTemporaryDir dir;
        const auto folder = FolderOf(dir);
        tv::schema::CreaTablaCentro(folder);
        tables::Table centre;
        CentreModel model(centre);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Open(folder, "daeCENTRO");
        QCOMPARE(model.rowCount(), 0);
        model.StartEdit();
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.CurrentRow(), 0);
        QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("*"));
        QVERIFY(model.setData(model.index(0, CentreModel::Version), QStringLiteral("2526")));
        model.PostEdit();
        QCOMPARE(Column(folder, "daeCENTRO", "VERSION"), std::vector<std::string>{"2526"});
        QCOMPARE(model.rowCount(), 1);
    }

    void whatAnotherCursorWritesIsShown_data() {
        QTest::addColumn<QString>("write");
        QTest::addColumn<QStringList>("abbreviations"); // ABREVCAST of the rows shown afterwards
        QTest::addColumn<int>("currentRow");
        QTest::newRow("a row changed") << "change" << QStringList{"", "BACH", ""} << 0;
        QTest::newRow("a row added") << "append" << QStringList{"", "", "", "NEW"} << 0;
        QTest::newRow("the current row deleted") << "delete" << QStringList{"", ""} << 0;
        QTest::newRow("a row typed into, another changed")
            << "change while typing" << QStringList{"TYPED", "BACH", ""} << 0;
    }

    void whatAnotherCursorWritesIsShown() {
        QFETCH(QString, write);
        QFETCH(QStringList, abbreviations);
        QFETCH(int, currentRow);
        QTemporaryDir dir;
        const auto folder = FolderOf(dir);
        MakeLevels(folder);
        tables::Table levels;
        LevelsModel model(levels);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.Open(folder, "daeNIVIMP");
        if (write == "change while typing")
            QVERIFY(model.setData(model.index(0, LevelsModel::AbrevCast), QStringLiteral("TYPED")));

        tables::Table step; // a step's own cursor on the same table
        step.Open(folder, "daeNIVIMP");
        if (write.startsWith("change")) {
            step.GotoBookmark({2});
            step.Edit();
            step.SetString("ABREVCAST", "BACH");
            step.Post();
        } else if (write == "append") {
            step.AppendRecord({"0020", "LOE", "", "", "Nuevo", "Berria", "NEW", ""});
        } else {
            step.GotoBookmark({levels.RecNo()});
            step.Delete();
        }

        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row)
            shown << model.index(row, LevelsModel::AbrevCast).data().toString();
        QCOMPARE(shown, abbreviations);
        // The cursor's row, after the event loop: a deleted one gives way to the first.
        QTRY_COMPARE(model.CurrentRow(), currentRow);
        QCOMPARE(model.Editing(), write == "change while typing");
    }

    void deletingTheCurrentRowLeavesTheOthers() {
        QTemporaryDir dir;
        const auto folder = FolderOf(dir);
        MakeLevels(folder);
        tables::Table levels;
        LevelsModel model(levels);
        model.Open(folder, "daeNIVIMP");
        model.MoveToRow(1);
        model.DeleteCurrentRow();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(1, LevelsModel::Cod).data().toString(), QStringLiteral("0012"));
        QCOMPARE(model.CurrentRow(), 1);
        QCOMPARE(Column(folder, "daeNIVIMP", "COD"), (std::vector<std::string>{"0005", "0012"}));
    }
};

TV_GUI_TEST_MAIN(GridModelsTest)
#include "test_grid_models.moc"
