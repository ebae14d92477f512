#include "app/batch.h"

#include "app/make_chart.h"
#include "app/run_pipeline.h"

namespace lg {

bool ReportedErrors(Session& session, bool loadReported) {
    int errors = session.GetReporter().ErrorCount();
    if (loadReported) --errors;
    return errors > 0;
}

namespace {

// Loads the parameter file for a run without dialogs, then lets `make` do
// the chart; the failure counts only errors beyond the load's own report.
template <typename Make>
BatchResult BatchRun(Session& session, const std::filesystem::path& parameterFile, Make make) {
    BatchResult result;
    session.autoRun = true;
    if (!LoadParameterFile(session, parameterFile)) {
        result.failed = ReportedErrors(session, session.viewAction == ViewAction::ShowErrorReport);
        return result;
    }
    const bool loadReported = session.viewAction == ViewAction::ShowErrorReport;
    make(result);
    result.failed = ReportedErrors(session, loadReported);
    return result;
}

}  // namespace

BatchResult RunBatch(Session& session, const std::filesystem::path& parameterFile) {
    return BatchRun(session, parameterFile,
                    [&](BatchResult& result) { result.page = AutoRunChart(session); });
}

BatchResult MakeBatchChart(Session& session, const std::filesystem::path& parameterFile) {
    return BatchRun(session, parameterFile, [&](BatchResult& result) {
        session.ctrlHeld = true;
        GoButtonClick(session);
        result.chartMade =
            session.viewEnabled && session.Charts(session.settings.options.charttype).Current();
    });
}

}  // namespace lg
