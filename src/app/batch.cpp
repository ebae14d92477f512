#include "app/batch.h"

#include "app/make_chart.h"
#include "app/run_pipeline.h"

namespace lg {

bool ReportedErrors(Session& session, bool loadReported) {
    int errors = session.GetReporter().ErrorCount();
    if (loadReported) --errors;
    return errors > 0;
}

BatchResult RunBatch(Session& session, const std::filesystem::path& parameterFile) {
    BatchResult result;
    session.autoRun = true;
    if (!LoadParameterFile(session, parameterFile)) {
        result.failed = ReportedErrors(session, session.viewAction == ViewAction::ShowErrorReport);
        return result;
    }
    bool loadReported = session.viewAction == ViewAction::ShowErrorReport;
    result.page = AutoRunChart(session);
    result.failed = ReportedErrors(session, loadReported);
    return result;
}

BatchResult MakeBatchChart(Session& session, const std::filesystem::path& parameterFile) {
    BatchResult result;
    session.autoRun = true;
    if (!LoadParameterFile(session, parameterFile)) {
        result.failed = ReportedErrors(session, session.viewAction == ViewAction::ShowErrorReport);
        return result;
    }
    bool loadReported = session.viewAction == ViewAction::ShowErrorReport;
    session.ctrlHeld = true;
    GoButtonClick(session);
    result.chartMade =
        session.viewEnabled && session.Charts(session.settings.options.charttype).Current();
    result.failed = ReportedErrors(session, loadReported);
    return result;
}

}  // namespace lg
