// Values that cross the steps of both directions; the main window keeps them.
#pragma once

namespace tv {

// The outcome reported to Tablorix when the main window closes.
enum class TransformResult {
    NothingDone,    // written as 0
    DirectionRan,   // written as 1
    DaeFileMissing, // written as -1: a DAE -> Tablorix step met a missing folder or file
};

// The number Tablorix reads for `result` in Tablorix.ini.
constexpr int StoredNumber(TransformResult result) {
    switch (result) {
    case TransformResult::DirectionRan:
        return 1;
    case TransformResult::DaeFileMissing:
        return -1;
    case TransformResult::NothingDone:
        break;
    }
    return 0;
}

// Which way the next step goes.
enum class WorkflowState {
    Idle,                   // nothing pending
    CentreDataAsked,        // Tablorix -> DAE created daeCENTRO and waits for the centre panel
    FreshWorkTables,        // Tablorix -> DAE renewed CUADROH2/CUADROH3
    RepeatedAbbreviation,   // the levels check found an abbreviation twice
    CodificationUnfinished, // the codification ended with records still lacking their data
};

struct WorkflowValues {
    // 2 when Tablorix started the tool (two arguments).
    int LaunchParamCount = 0;
    tv::TransformResult TransformResult = tv::TransformResult::NothingDone;
    tv::WorkflowState WorkflowState = tv::WorkflowState::Idle;
};

} // namespace tv
