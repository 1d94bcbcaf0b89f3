// What the Tablorix -> DAE window tests share: the sample school exported
// into KTEMP (the tables Tablorix reads) with its solved timetable beside
// them, a way to act on a modal window once it opens, and reading a table's
// rows by key.
#pragma once

#include "app/lookup_delegate.h"
#include "app/when_modal.h"
#include "window_fixture.h"

#include <QApplication>
#include <QProcess>

#include <map>

namespace tv::test {

inline const QString kSampleSchool = QStringLiteral(TV_SOURCE_DIR "/examples/centro-ejemplo");

// transveloradae-cli with `arguments`; its exit code.
inline int RunCli(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(TV_CLI_PATH), arguments);
    if (!cli.waitForFinished(60000)) return -1;
    return cli.exitCode();
}

// KTEMP as Tablorix leaves it for this direction: the DAE -> Tablorix tables
// of the sample school and the timetable it solved.
inline void ExportSample(const QString& ktemp) {
    QDir().mkpath(ktemp);
    RunCli({"exportar", "--dae", kSampleDae, "--ktemp", ktemp, "--niveles", kSampleSchool + "/niveles.csv"});
    QFile::copy(kSampleSchool + "/SOLUC.DBF", ktemp + "/SOLUC.DBF");
}

// The CTest timeout ends a test whose window never comes.
using tv::app::WhenModal;

// field values of a work table by PROF_DIA_SES (the first record of each key).
inline std::map<std::string, std::string> ByKey(const QString& ktemp, const char* table, const char* field) {
    tables::Table reader;
    reader.Open(ToStdPath(ktemp), table, tables::OpenMode::ReadOnly);
    std::map<std::string, std::string> values;
    for (reader.First(); !reader.Eof(); reader.Next())
        values.emplace(reader.AsString("PROF_DIA_SES"), reader.AsString(field));
    return values;
}

} // namespace tv::test
