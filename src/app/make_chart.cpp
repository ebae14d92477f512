#include "app/make_chart.h"

#include <exception>
#include <filesystem>

#include "app/chart_kinds.h"
#include "app/run_pipeline.h"
#include "base/encoding.h"
#include "base/fill_in.h"
#include "base/help_texts.h"
#include "base/messages.h"
#include "base/safe_file.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

// Said of a chart type whose computation this version does not have.
constexpr std::string_view kNotAvailable = "This chart type is not available in this version.";

PageContext PageContextOf(Session& session) {
    PageContext context{session.settings.current, session.settings.options,
                        *session.language,        session.workingDirectory.string(),
                        session.GetReporter(),    session.GetClock(),
                        session.chartTitle};
    context.chartImage = session.chartImage;
    return context;
}

}  // namespace

void RunHtmlChart(Session& session, bool select, ChartType type) {
    Reporter& reporter = session.GetReporter();
    try {
        if (session.settings.current.output.empty())
            reporter.AddMessage(MessageText(Msg::NoOutputFileSpecified));
        int32_t persons = static_cast<int32_t>(session.Db().persons.Count());
        reporter.AddMessage(FillInNumber(Msg::NNamesInTree, persons));
        if (reporter.RunState() == kRunError) {
            reporter.AddMessage(MessageText(Msg::NoOutputGenerated));
            reporter.ShowStatus(MessageText(Msg::AnErrorWasReported), StatusColour::Error);
            return;
        }
        if (reporter.RunState() == kRunCancelled || persons == 0) {
            reporter.ShowStatus("", StatusColour::Normal);
            return;
        }
        const ChartKind& kind = KindOf(type);
        if (!kind.build) {
            reporter.AddMessage(kNotAvailable, true);
            return;
        }
        // The new chart is made on the side: a failed or cancelled run
        // leaves the type's last chart, and every other type's, as it was.
        ChartList next;
        reporter.BeginInterruptible();
        TlossPerson* root = kind.build(session, next.pool, select);
        reporter.EndInterruptible();
        if (reporter.RunState() != kRunNormal) return;
        kind.produce(root, next.pool, next, reporter, session.settings.current);
        session.Charts(type) = std::move(next);
        ++session.runCount;
        reporter.ShowStatus(FillInNumber(Msg::RunNCompleted, session.runCount),
                            StatusColour::Normal);
    } catch (const std::exception&) {
        if (reporter.InInterruptibleSection()) reporter.EndInterruptible();
        reporter.AddMessage(ProgramErrorText(), true);
    }
}

void RunScreenChart(Session& session, bool select, ChartType type) {
    Reporter& reporter = session.GetReporter();
    const ChartKind& kind = KindOf(type);
    if (!kind.analyse) {
        reporter.AddMessage(kNotAvailable, true);
        return;
    }
    ++session.runCount;
    try {
        // As for the pages: a failed or cancelled run leaves the last charts.
        ChartList next;
        reporter.BeginInterruptible();
        kind.analyse(session, next, select);
        if (reporter.InInterruptibleSection()) reporter.EndInterruptible();
        if (reporter.RunState() == kRunError)
            reporter.ShowStatus(MessageText(Msg::AnErrorWasReported), StatusColour::Error);
        if (reporter.RunState() == kRunNormal) session.Charts(type) = std::move(next);
    } catch (const std::exception&) {
        if (reporter.InInterruptibleSection()) reporter.EndInterruptible();
        reporter.AddMessage(ProgramErrorText(), true);
    }
}

bool GoButtonClick(Session& session) {
    Reporter& reporter = session.GetReporter();
    bool ctrlHeld = session.ctrlHeld;
    session.ctrlHeld = false;
    bool showNow = false;
    try {
        reporter.ClearMessages();
        // The status of an earlier command must not outlive this one, which
        // may end without a status of its own (cancelled in the dialog).
        reporter.ShowStatus("", StatusColour::Normal);
        if (!ctrlHeld)
            reporter.AddMessage(
                FillIn(Msg::BypassSelectionHint, MessageText(Msg::MakeChartCaption)));
        session.goEnabled = false;
        session.viewAction = ViewAction::InspectCharts;
        // Without a language no page or box text can be made: keep the error.
        bool haveLanguage = SelectLanguage(session);
        if (haveLanguage) {
            reporter.SetRunState(kRunNormal);
            ChartType type = session.settings.options.charttype;
            if (!KindOf(type).analysis)
                RunHtmlChart(session, !ctrlHeld, type);
            else
                RunScreenChart(session, !ctrlHeld, type);
        }
        session.goEnabled = true;
        // A cancelled run leaves no progress text standing.
        if (reporter.RunState() == kRunCancelled) reporter.ShowStatus("", StatusColour::Normal);
        if (reporter.RunState() == kRunError)
            reporter.AddMessage(MessageText(Msg::AnErrorWasReported), true);
        if (reporter.RunState() != kRunNormal) {
            session.viewEnabled = session.viewAction == ViewAction::ShowErrorReport;
        } else {
            session.viewEnabled = true;
            showNow = ctrlHeld;
        }
    } catch (const std::exception&) {
        reporter.AddMessage(MessageText(Msg::ErrorTrappedCauseUnknown), true);
        session.goEnabled = true;
    }
    reporter.SetRunState(kRunNormal);
    return showNow;
}

std::string PublishChart(Session& session, ChartType type) {
    Reporter& reporter = session.GetReporter();
    ChartList& charts = session.Charts(type);
    TinbredPerson* chart = charts.Current();
    const ChartKind& kind = KindOf(type);
    if (!chart || !chart->proband || !kind.publish || !session.language) {
        reporter.AddMessage(MessageText(Msg::NoFileToView), true);
        return {};
    }
    // A new command: an error of an earlier one (a page that failed) must not
    // make the writers stop early, as they do when this one fails.
    reporter.SetRunState(kRunNormal);
    const Tvariables& s = session.settings.current;
    for (const std::string* name : {&s.output, &s.page, &s.outline, &s.links}) {
        // Text links with "#" name the user's own files, which are not written.
        if (name == &s.links && name->find('#') != std::string::npos) continue;
        if (!IsPlainFileName(*name)) {
            reporter.AddMessage(FillIn(Msg::OutputNameWithFolder, *name), true);
            return {};
        }
    }
    // Every page is written beside its place first; only a complete set
    // replaces the old one, so a failure or an interruption leaves the
    // pages a reader has as they were.
    SafeFileSet pages;
    PageContext context = PageContextOf(session);
    context.pages = &pages;
    reporter.BeginInterruptible();
    try {
        kind.publish(*chart, context);
        if (!reporter.CheckInterrupted() && !pages.CommitAll()) {
            const FileError error = pages.Error();
            throw PageWriteError(error);
        }
    } catch (const PageWriteError& error) {
        reporter.EndInterruptible();
        pages.AbandonAll();
        reporter.AddMessage(FillInAll(Msg::UnableToWritePages, {error.File(), error.Reason()}),
                            true);
        return {};
    } catch (const PagesInterrupted&) {
    }
    reporter.EndInterruptible();
    if (reporter.Interrupted()) {
        pages.AbandonAll();
        reporter.ShowStatus("", StatusColour::Normal);
        return {};
    }
    std::string view = context.PathOf(s.page.empty() || kind.singlePage ? s.output : s.page);
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(view, ignored)) {
        reporter.AddMessage(MessageText(Msg::NoFileToView), true);
        return {};
    }
    reporter.ShowStatus(FillIn(Msg::PagesWritten, DecodeUtf8(view)), StatusColour::Normal);
    return view;
}

std::string AutoRunChart(Session& session) {
    ChartType type = session.settings.options.charttype;
    if (!KindOf(type).batch) return {};
    try {
        session.ctrlHeld = true;
        GoButtonClick(session);
        if (!session.viewEnabled) return {};
        return PublishChart(session, type);
    } catch (const std::exception&) {
        session.GetHost().ShowMessageBox("AutoRun failed");
        return {};
    }
}

}  // namespace lg
