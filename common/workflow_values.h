// Values that cross the steps of both directions; the main window keeps them.
#pragma once

namespace tv {

struct WorkflowValues {
    // 2 when Tablorix started the tool (two arguments).
    int LaunchParamCount = 0;
    // Written to Tablorix.ini: 0 nothing done, 1 a direction ran, -1 a DAE file was missing.
    int TransformResult = 0;
    // 0 nothing pending; 1 centre data asked by Tablorix -> DAE, fresh work
    // tables or a repeated level abbreviation; 4 codification left unfinished.
    int WorkflowState = 0;
};

} // namespace tv
