#include "app/make_chart.h"

#include <exception>
#include <filesystem>

#include "app/run_pipeline.h"
#include "charts/descendants.h"
#include "charts/pedigree.h"
#include "html/frames_page.h"
#include "html/genealogy_pages.h"
#include "html/pedigree_tableau.h"
#include "html/pedigree_text.h"
#include "text/fill_in.h"
#include "text/help_texts.h"
#include "text/messages.h"

namespace lg {
namespace {

// Said of a chart type whose computation this version does not have.
constexpr std::string_view kNotAvailable = "This chart type is not available in this version.";

PageContext PageContextOf(Session& session) {
    return PageContext{session.settings.current, session.settings.options,
                       *session.language,        session.workingDirectory.string(),
                       session.GetReporter(),    session.GetClock(),
                       session.chartTitle};
}

// One chart type's steps; a null build step means not available here.
struct ChartSteps {
    TlossPerson* (*build)(Session&, bool select);
    void (*produce)(Session&, TlossPerson* root);
    void (*publish)(Session&, TinbredPerson& chart, PageContext& context);
};

TlossPerson* BuildPedigree(Session& session, bool select) {
    ProbandDialog dialog = [&session] { return session.GetHost().ChooseProband(session); };
    PedigreeRequest request;
    request.probands = &session.settings.current.probands;
    request.dialog = select ? &dialog : nullptr;
    request.descriptions =
        DescriptionContextOf(session.settings.options, *session.language, &session.GetReporter());
    return MakePedigree(session.Db(), session.nodePool, session.GetReporter(), request);
}

void ProducePedigree(Session& session, TlossPerson* root) {
    MakePedigreeChart(root, session.nodePool, session.Charts(ChartType::Pedigree),
                      session.GetReporter());
}

// The writers work in box units from the top-left box.
void CopyCoordinatesBack(TinbredPerson& chart) {
    for (std::size_t i = 0; i < chart.nodes.size(); ++i) {
        chart.nodes[i]->x = chart.coords[i].x;
        chart.nodes[i]->y = chart.coords[i].y;
    }
}

void PublishPedigree(Session&, TinbredPerson& chart, PageContext& context) {
    CopyCoordinatesBack(chart);
    TlossPerson& root = *chart.proband;
    root.key.clear();
    WriteTableauPage(root, context);
    WriteOutlinePage(root, context);
    WritePedigreeTextPage(chart.nodes, context);
    WriteFramesPage(root, context);
}

TlossPerson* BuildGenealogy(Session& session, bool select) {
    ProbandDialog dialog = [&session] { return session.GetHost().ChooseProband(session); };
    Tvariables& current = session.settings.current;
    DescendantRequest request;
    request.probands = &current.probands;
    request.dialog = select ? &dialog : nullptr;
    request.type = GenealogyTypeOf(current.genealogytype);
    request.usePatronym = session.settings.options.patronym;
    request.descriptions =
        DescriptionContextOf(session.settings.options, *session.language, &session.GetReporter());
    request.highlights = &current.highlights;
    return MakeDescendantTree(session.Db(), session.nodePool, session.GetReporter(), request);
}

void ProduceGenealogy(Session& session, TlossPerson* root) {
    MakeGenealogyChart(root, session.nodePool, session.Charts(ChartType::Genealogy),
                       session.GetReporter());
}

void PublishGenealogy(Session&, TinbredPerson& chart, PageContext& context) {
    CopyCoordinatesBack(chart);
    TlossPerson& root = *chart.proband;
    root.rank = 1;
    std::vector<TlossPerson*> rows = BuildGenealogyRows(root, context);
    WriteGenealogyPage(root, context);
    WriteGenealogyOutline(root, context);
    WriteGenealogyTextPage(root, rows, context);
    WriteFramesPage(root, context);
}

const ChartSteps& StepsOf(ChartType type) {
    static const ChartSteps kPedigree{BuildPedigree, ProducePedigree, PublishPedigree};
    static const ChartSteps kGenealogy{BuildGenealogy, ProduceGenealogy, PublishGenealogy};
    static const ChartSteps kNone{nullptr, nullptr, nullptr};
    if (type == ChartType::Pedigree) return kPedigree;
    if (type == ChartType::Genealogy) return kGenealogy;
    return kNone;
}

bool IsHtmlChart(ChartType type) {
    return type != ChartType::Inbreeding && type != ChartType::Kinship;
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
        const ChartSteps& steps = StepsOf(type);
        if (!steps.build) {
            reporter.AddMessage(kNotAvailable, true);
            return;
        }
        reporter.BeginInterruptible();
        TlossPerson* root = steps.build(session, select);
        reporter.EndInterruptible();
        if (reporter.RunState() != kRunNormal) return;
        steps.produce(session, root);
        ++session.runCount;
        reporter.ShowStatus(FillInNumber(Msg::RunNCompleted, session.runCount),
                            StatusColour::Normal);
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
            if (IsHtmlChart(type))
                RunHtmlChart(session, !ctrlHeld, type);
            else
                reporter.AddMessage(kNotAvailable, true);
        }
        session.goEnabled = true;
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
    const ChartSteps& steps = StepsOf(type);
    if (!chart || !chart->proband || !steps.publish || !session.language) {
        reporter.AddMessage(MessageText(Msg::NoFileToView), true);
        return {};
    }
    PageContext context = PageContextOf(session);
    try {
        steps.publish(session, *chart, context);
    } catch (const PageWriteError& error) {
        reporter.AddMessage(FillIn(Msg::UnableToOpenCreate, error.File()), true);
        return {};
    }
    const Tvariables& s = session.settings.current;
    std::string view = context.PathOf(s.page.empty() ? s.output : s.page);
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(view, ignored)) {
        reporter.AddMessage(MessageText(Msg::NoFileToView), true);
        return {};
    }
    return view;
}

std::string AutoRunChart(Session& session) {
    ChartType type = session.settings.options.charttype;
    if (!IsHtmlChart(type)) return {};
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
