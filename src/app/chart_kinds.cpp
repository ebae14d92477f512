#include "app/chart_kinds.h"

#include <array>

#include "base/help_texts.h"
#include "charts/descendants.h"
#include "charts/kinship.h"
#include "charts/offspring.h"
#include "charts/pedigree.h"
#include "charts/pedigree_loss.h"
#include "charts/timeline.h"
#include "html/frames_page.h"
#include "html/genealogy_pages.h"
#include "html/offspring_page.h"
#include "html/pedigree_tableau.h"
#include "html/pedigree_text.h"
#include "html/person_description.h"
#include "html/timeline_page.h"

namespace lg {
namespace {

// The hints' marriages summaries, in the words of the session's language.
MarriageSummaries MarriagesOf(Session& session) {
    const Database& db = session.Db();
    DescriptionContext descriptions =
        DescriptionContextOf(session.settings.options, *session.language, &session.GetReporter());
    return [&db, descriptions](const Tindividual& person) {
        return MarriageSummary(person, db, descriptions);
    };
}

TlossPerson* BuildPedigree(Session& session, NodePool& pool, bool select) {
    ProbandDialog dialog = [&session] { return session.GetHost().ChooseProband(session); };
    PedigreeRequest request;
    request.probands = &session.settings.current.probands;
    request.dialog = select ? &dialog : nullptr;
    request.marriages = MarriagesOf(session);
    return MakePedigree(session.Db(), pool, session.GetReporter(), request);
}

void PublishPedigree(const TinbredPerson& chart, PageContext& context) {
    WriteTableauPage(chart, context);
    WriteOutlinePage(chart, context);
    WritePedigreeTextPage(chart.nodes, context);
    WriteFramesPage(*chart.proband, context);
}

TlossPerson* BuildGenealogy(Session& session, NodePool& pool, bool select) {
    ProbandDialog dialog = [&session] { return session.GetHost().ChooseProband(session); };
    Tvariables& current = session.settings.current;
    DescendantRequest request;
    request.probands = &current.probands;
    request.dialog = select ? &dialog : nullptr;
    request.type = GenealogyTypeOf(current.genealogytype);
    request.usePatronym = session.settings.options.patronym;
    request.marriages = MarriagesOf(session);
    request.highlights = &current.highlights;
    return MakeDescendantTree(session.Db(), pool, session.GetReporter(), request);
}

void PublishGenealogy(const TinbredPerson& chart, PageContext& context) {
    const GenealogyRows rows = BuildGenealogyRows(chart, context);
    WriteGenealogyPage(chart, rows, context);
    WriteGenealogyOutline(chart, rows, context);
    WriteGenealogyTextPage(chart, rows, context);
    WriteFramesPage(*chart.proband, context);
}

// The timeline page with the row metrics of the timeline window's HTML
// command.
void PublishTimeline(const TinbredPerson& chart, PageContext& context) {
    WriteTimelineHtml(*chart.proband, 13, 6, context.settings.output, context);
}

void AnalysePedigreeLoss(Session& session, ChartList& charts, bool select) {
    InbredChoiceDialog dialog = [&session](const std::vector<std::string>& texts,
                                           const std::vector<std::size_t>& remembered) {
        return session.GetHost().ChooseInbred(session, texts, remembered);
    };
    Tvariables& current = session.settings.current;
    const std::vector<std::string> before = current.probands;
    InbreedingRequest request;
    request.probands = &current.probands;
    request.dialog = select ? &dialog : nullptr;
    request.report = select;
    request.chartDepth = current.chartdepth;
    request.marriages = MarriagesOf(session);
    AnalyseInbreeding(session.Db(), charts, session.GetReporter(), request);
    if (current.probands != before) session.settings.changed = true;
}

void AnalyseKinshipRun(Session& session, ChartList& charts, bool select) {
    Tvariables& current = session.settings.current;
    KinshipChoiceDialog dialog = [&session](const std::vector<std::string>& texts,
                                            const std::vector<std::size_t>& remembered) {
        return session.GetHost().ChooseKinship(session, texts, remembered, session.largeKinship);
    };
    KinshipFileDialog saveFile = [&session] {
        return session.GetHost().AskSaveFile(std::string(MessageText(Msg::SaveKinshipCoefficients)),
                                             session.workingDirectory.string(), "kinship.txt");
    };
    const std::vector<std::string> before = current.probands;
    KinshipRequest request;
    request.probands = &current.probands;
    request.dialog = select || current.probands.size() < 2 ? &dialog : nullptr;
    request.largeKinship = session.largeKinship;
    request.saveFile = &saveFile;
    request.chartDepth = current.chartdepth;
    request.marriages = MarriagesOf(session);
    AnalyseKinship(session.Db(), charts, session.GetReporter(), request);
    if (current.probands != before) session.settings.changed = true;
}

// The picture first: the page lays its boxes over it.
void PublishOffspring(const TinbredPerson& chart, PageContext& context) {
    WriteOffspringImage(chart, context);
    WriteOffspringPage(chart, context);
}

void ProduceOffspring(TlossPerson* root, NodePool& pool, ChartList& charts, Reporter&,
                      const Tvariables& settings) {
    MakeOffspringChart(root, pool, charts, ChartMetrics::Of(settings));
}

// A producer whose layout does not depend on the box size.
template <void (*make)(TlossPerson*, NodePool&, ChartList&, Reporter&)>
void WithoutSettings(TlossPerson* root, NodePool& pool, ChartList& charts, Reporter& reporter,
                     const Tvariables&) {
    make(root, pool, charts, reporter);
}

// In the order of ChartType.
const std::array<ChartKind, kChartTypeCount> kChartKinds{{
    {ChartType::Pedigree, BuildPedigree, WithoutSettings<MakePedigreeChart>, PublishPedigree,
     ChartWindowFamily::Tree, ChartShape::Tree, Msg::Ancestors, PedigreeWindowHelp, false, false,
     true, false},
    {ChartType::Inbreeding, nullptr, nullptr, nullptr, ChartWindowFamily::Inbreeding,
     ChartShape::Graph, Msg::InbreedingChart, InbreedingWindowHelp, false, true, false, false,
     AnalysePedigreeLoss},
    {ChartType::Kinship, nullptr, nullptr, nullptr, ChartWindowFamily::Kinship, ChartShape::Graph,
     Msg::Kinship, KinshipWindowHelp, false, true, false, false, AnalyseKinshipRun},
    {ChartType::Genealogy, BuildGenealogy, WithoutSettings<MakeGenealogyChart>, PublishGenealogy,
     ChartWindowFamily::Descendants, ChartShape::Descendants, Msg::Descendants,
     DescendantWindowHelp, true, false, true, false},
    // The genealogy's tree bent into a fan; one page over its picture.
    {ChartType::Offspring, BuildGenealogy, ProduceOffspring, PublishOffspring,
     ChartWindowFamily::Fan, ChartShape::Fan, Msg::Descendants, OffspringWindowHelp, true, false,
     true, true},
    // Shown in the genealogy's window, drawn as the genealogy is.
    {ChartType::Timeline, BuildGenealogy, WithoutSettings<MakeTimelineChart>, PublishTimeline,
     ChartWindowFamily::Descendants, ChartShape::Descendants, Msg::Descendants,
     DescendantWindowHelp, true, false, true, true},
}};

}  // namespace

const ChartKind& KindOf(ChartType type) {
    return kChartKinds.at(static_cast<std::size_t>(type));
}

}  // namespace lg
