// The codification window over the sample school's work tables, for the
// window tests: the sample exported into a fresh KTEMP and extracted by the
// command line (which stops at the teachers without a document, the tables
// filled), and the window open on them.
#pragma once

#include "app/ajusta_dae.h"
#include "app/classes_model.h"
#include "app/gui_prompt.h"
#include "app/teachers_model.h"
#include "import_fixture.h"

#include <memory>

namespace tv::test {

// The sample school extracted into fresh work tables (the command line stops
// at the teachers without a document, the tables filled).
struct CodificationFixture {
    CodificationFixture() {
        ktemp = root.filePath(QStringLiteral("KTEMP"));
        dae = root.filePath(QStringLiteral("DAE"));
        CopyFolder(kSampleDae, dae);
        ExportSample(ktemp);
        RunCli({"importar", "--dae", dae, "--ktemp", ktemp});
        context = std::make_unique<tablorix_to_dae::ImportContext>(tablorix_to_dae::ImportContext{
            prompt, state, ToStdPath(ktemp), ToStdPath(dae + "/"), ToStdPath(dae + "/")});
        window = std::make_unique<tv::app::TAjustaDAE>(*context);
        window->show();
    }

    // Makes the teacher `abbreviation` current, as a click in the grid does.
    void ChooseTeacher(const QString& abbreviation) const {
        auto* grid = window->TeachersGrid();
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            if (grid->model()->index(row, app::TeachersModel::Abrev).data().toString() == abbreviation)
                return grid->setCurrentIndex(grid->model()->index(row, app::TeachersModel::TipoDni));
        QFAIL("no such teacher");
    }

    // The current teacher's first line that is lective or not, made current at `column`.
    QModelIndex ChooseClass(bool lective, int column) const {
        auto* grid = window->ClassesGrid();
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            const QString code =
                grid->model()->index(row, app::ClassesModel::CodAsig).data().toString().trimmed();
            if ((code.size() >= 5) != lective) continue;
            grid->setCurrentIndex(grid->model()->index(row, column));
            return grid->currentIndex();
        }
        return {};
    }

    QTemporaryDir root;
    QString ktemp;
    QString dae;
    tv::app::GuiPrompt prompt{nullptr};
    tv::WorkflowValues state;
    std::unique_ptr<tablorix_to_dae::ImportContext> context;
    std::unique_ptr<tv::app::TAjustaDAE> window;
};

} // namespace tv::test
