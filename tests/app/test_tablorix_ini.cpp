// The result entry in Tablorix.ini against golden files: only the line of
// "Transformado" in "Transformadores" changes or is added; every other byte,
// line ends and Windows-1252 text included, stays.
#include "app/tablorix_ini.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray ReadAll(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return {};
    return in.readAll();
}

void WriteAll(const QString& file, const QByteArray& bytes) {
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(bytes);
}

const QDir kGolden(QStringLiteral(TV_TEST_DATA_DIR "/ini"));

} // namespace

class TablorixIniTest : public QObject {
    Q_OBJECT
  private slots:
    void updatesOnlyTheResultLine_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"other-entries", "key-missing", "section-missing", "names-any-case",
                                 "lf-unfinished", "key-elsewhere", "empty"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void updatesOnlyTheResultLine() {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QByteArray before = ReadAll(kGolden.filePath(name + QStringLiteral(".ini")));
        const QByteArray expected = ReadAll(kGolden.filePath(name + QStringLiteral(".expected.ini")));
        QVERIFY(!expected.isEmpty());
        WriteAll(folder.filePath(QStringLiteral("Tablorix.ini")), before);

        tv::app::WriteTransformResult(folder.path().toStdString(), tv::TransformResult::DaeFileMissing);
        QCOMPARE(ReadAll(folder.filePath(QStringLiteral("Tablorix.ini"))), expected);

        // Writing the same value again changes nothing more.
        tv::app::WriteTransformResult(folder.path().toStdString(), tv::TransformResult::DaeFileMissing);
        QCOMPARE(ReadAll(folder.filePath(QStringLiteral("Tablorix.ini"))), expected);
    }

    void createsAMissingFileAndReplacesTheValueLater() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("Tablorix.ini"));
        tv::app::WriteTransformResult(folder.path().toStdString(), tv::TransformResult::NothingDone);
        QCOMPARE(ReadAll(file), QByteArray("[Transformadores]\r\nTransformado=0\r\n"));
        tv::app::WriteTransformResult(folder.path().toStdString(), tv::TransformResult::DirectionRan);
        QCOMPARE(ReadAll(file), QByteArray("[Transformadores]\r\nTransformado=1\r\n"));
    }

    void aFolderThatCannotBeWrittenIsReported() {
        QTemporaryDir folder;
        const std::string missing = folder.filePath(QStringLiteral("no-existe")).toStdString();
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 tv::app::WriteTransformResult(missing, tv::TransformResult::DirectionRan));
    }
};

QTEST_GUILESS_MAIN(TablorixIniTest)
#include "test_tablorix_ini.moc"
