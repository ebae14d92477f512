#include "app/chart_kinds.h"

#include <array>

#include "base/help_texts.h"
#include "charts/descendants.h"
#include "charts/pedigree.h"
#include "html/frames_page.h"
#include "html/genealogy_pages.h"
#include "html/pedigree_tableau.h"
#include "html/pedigree_text.h"
#include "html/person_description.h"

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

// A type whose computation this version does not have.
constexpr ChartKind Unavailable(ChartType type, bool analysis) {
    return {type,    nullptr, nullptr,  nullptr, ChartWindowFamily::None, ChartShape::Tree, Msg{},
            nullptr, false,   analysis, false};
}

// In the order of ChartType.
const std::array<ChartKind, kChartTypeCount> kChartKinds{{
    {ChartType::Pedigree, BuildPedigree, MakePedigreeChart, PublishPedigree,
     ChartWindowFamily::Tree, ChartShape::Tree, Msg::Ancestors, PedigreeWindowHelp, false, false,
     true},
    Unavailable(ChartType::Inbreeding, true),
    Unavailable(ChartType::Kinship, true),
    {ChartType::Genealogy, BuildGenealogy, MakeGenealogyChart, PublishGenealogy,
     ChartWindowFamily::Descendants, ChartShape::Descendants, Msg::Descendants,
     DescendantWindowHelp, true, false, true},
    Unavailable(ChartType::Offspring, false),
    Unavailable(ChartType::Timeline, false),
}};

}  // namespace

const ChartKind& KindOf(ChartType type) {
    return kChartKinds.at(static_cast<std::size_t>(type));
}

}  // namespace lg
