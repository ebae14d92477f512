#pragma once
// The unattended run of a saved parameter file, shared by the command-line
// tool and the desktop program's hide mode.

#include <filesystem>
#include <string>

#include "app/session.h"

namespace lg {

struct BatchResult {
    std::string page;     // the page to open (a file-system path); empty when nothing was written
    bool failed = false;  // an error line was reported
    bool chartMade = false;  // MakeBatchChart: the chart type's list has a current chart
};

// Loads the parameter file without dialogs (session.autoRun), makes its
// chart and writes the pages. Findings of the consistency checks are no
// failure: the hint to their report is an error line, the only one then.
BatchResult RunBatch(Session& session, const std::filesystem::path& parameterFile);

// Loads the parameter file as RunBatch does and makes its chart, but writes
// no pages: the chart is then the current one of the list of the settings'
// chart type (chartMade), for a picture of it.
BatchResult MakeBatchChart(Session& session, const std::filesystem::path& parameterFile);

// Whether error lines other than the hint to the check's report were
// reported; loadReported says whether the load wrote that report.
bool ReportedErrors(Session& session, bool loadReported);

}  // namespace lg
