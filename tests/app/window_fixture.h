// What the window tests share: a copy of the sample school's DAE folder as
// the current directory, a fresh KTEMP, the main window on them, and short
// ways to reach its controls by their names.
#pragma once

#include "app/centre_panel.h"
#include "app/cursor_table_model.h"
#include "app/main_form.h"
#include "app/message_boxes.h"
#include "app/table_grid.h"
#include "tables/table.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace tv::test {

inline const QString kSampleDae = QStringLiteral(TV_SOURCE_DIR "/examples/centro-ejemplo/DAE");

inline std::filesystem::path ToStdPath(const QString& path) {
    return path.toStdString();
}

inline void CopyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + "/" + name, to + "/" + name);
}

inline std::vector<std::string> Column(const QString& folder, const char* table, const char* field) {
    tables::Table reader;
    reader.Open(ToStdPath(folder), table, tables::OpenMode::ReadOnly);
    std::vector<std::string> values;
    for (reader.First(); !reader.Eof(); reader.Next())
        values.push_back(reader.AsString(field));
    return values;
}

class WindowFixture {
  public:
    WindowFixture() {
        dae = root.filePath(QStringLiteral("DAE"));
        ktemp = root.filePath(QStringLiteral("KTEMP"));
        results = root.filePath(QStringLiteral("programa"));
        CopyFolder(kSampleDae, dae);
        QDir().mkpath(ktemp);
        QDir().mkpath(results);
        qputenv("TRANSVELORADAE_KTEMP", QFile::encodeName(ktemp));
        QDir::setCurrent(dae);
        app::MessageBoxes::ClearShown();
    }
    ~WindowFixture() { QDir::setCurrent(QDir::tempPath()); }

    app::TMForm& Open(const QStringList& arguments = {}) {
        form = std::make_unique<app::TMForm>(arguments, results);
        form->show();
        return *form;
    }

    template <typename T = QWidget> T* Find(const char* name) const {
        T* child = form->findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no control named %s", name);
        return child;
    }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    app::TableGrid* Grid(const char* name) const { return Find<app::TableGrid>(name); }
    app::CursorTableModel* Model(const char* grid) const { return Grid(grid)->Model(); }
    bool Shown(const char* name) const { return !Find(name)->isHidden(); }

    QByteArray ResultFile() const {
        QFile file(results + QStringLiteral("/Tablorix.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The levels' abbreviations typed into the grid, by level code.
    void TypeAbbreviations(const std::vector<std::array<const char*, 3>>& levels) const {
        app::CursorTableModel* model = Model("wwDBGridNIVIMP");
        for (const auto& [code, castilian, basque] : levels)
            for (int row = 0; row < model->rowCount(); ++row) {
                if (model->index(row, 0).data().toString() != QLatin1String(code)) continue;
                model->setData(model->index(row, 2), QString::fromUtf8(castilian));
                model->setData(model->index(row, 4), QString::fromUtf8(basque));
            }
    }

    // From the start to the template panel, with the sample's abbreviations.
    void ToTemplatePanel() {
        Button("BExportar")->click();
        Button("BitBtn1")->click();
        TypeAbbreviations({{"0005", "ESO", "DBH"}, {"0007", "BACH", "BATX"}, {"0012", "DIVER", "DIBER"}});
        Button("BitBtn2")->click();
    }

    QTemporaryDir root;
    QString dae;
    QString ktemp;
    QString results;
    std::unique_ptr<app::TMForm> form;
};

} // namespace tv::test
