#include "charts/pedigree_loss.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "base/fill_in.h"
#include "base/help_texts.h"
#include "base/messages.h"
#include "charts/graph_layout.h"

namespace lg {
namespace {

std::string TraceLine(const Tindividual& person) {
    return "(" + person.ID + ") " + person.FullName(NameStyle::Proper);
}

// A person who is his own ancestor, traced along the links of the walk.
void ReportChainLoop(Tindividual* start, Reporter& reporter) {
    if (reporter.RunState() == kRunError) return;
    reporter.AddMessage(MessageText(Msg::InfiniteLoop), true);
    reporter.AddMessage(MessageText(Msg::ChildIsOwnAncestor), true);
    reporter.AddMessage(MessageText(Msg::LoopTraceFollows));
    std::unordered_set<const Tindividual*> seen;
    Tindividual* person = start;
    while (person && seen.insert(person).second) {
        reporter.AddMessage(TraceLine(*person));
        person = person->chainNext;
    }
    if (!person)
        reporter.AddMessage(MessageText(Msg::ThisReportMayBe), true);
    else
        reporter.AddMessage(TraceLine(*person));
    reporter.AddMessage(MessageText(Msg::LastPersonIsOwnAncestor));
    reporter.SetRunState(kRunError);
}

// p was reached a second time, now from the child q: both routes from p
// down to the first person they share become relevant.
void RegisterMeeting(Tindividual* q, Tindividual* p, std::size_t personCount, Reporter& reporter) {
    std::unordered_map<const Tindividual*, std::size_t> chain;
    std::vector<Tindividual*> route;
    for (Tindividual* person = q; person; person = person->chainNext) {
        if (!chain.emplace(person, route.size()).second) {
            ReportChainLoop(q, reporter);
            return;
        }
        route.push_back(person);
    }
    std::size_t steps = 0;
    Tindividual* person = p;
    while (person && !chain.count(person)) {
        person->relevant = true;
        person = person->chainNext;
        if (++steps > personCount) {
            ReportChainLoop(p, reporter);
            return;
        }
    }
    if (!person) return;
    for (std::size_t i = 0; i <= chain[person]; ++i) route[i]->relevant = true;
}

// Walks up from the start person, each person first reached remembering
// the child it was reached from.
void Track(Tindividual* start, std::size_t personCount, Reporter& reporter) {
    std::vector<std::pair<Tindividual*, Tindividual*>> stack{{start, nullptr}};
    while (!stack.empty()) {
        if (reporter.RunState() == kRunError) return;
        auto [p, q] = stack.back();
        stack.pop_back();
        p->collected = true;
        if (!p->chainNext) {
            p->chainNext = q;
            // Father first, as the walk has always gone.
            if (p->mother) stack.emplace_back(p->mother, p);
            if (p->father) stack.emplace_back(p->father, p);
        } else {
            RegisterMeeting(q, p, personCount, reporter);
        }
    }
}

void ClearChain(Tindividual* start) {
    std::vector<Tindividual*> stack{start};
    while (!stack.empty()) {
        Tindividual* person = stack.back();
        stack.pop_back();
        if (person != start && !person->chainNext) continue;
        person->chainNext = nullptr;
        for (Tindividual* parent : {person->father, person->mother})
            if (parent && parent->chainNext) stack.push_back(parent);
    }
}

void ReportDefiniteLoop(const TlossPerson& node, Msg family, Reporter& reporter) {
    std::string text = FillIn(Msg::DefinitelyALoop, MessageText(family));
    if (node.person)
        text = FillInAll(text, {node.person->ID, node.person->FullName(NameStyle::Proper)});
    reporter.AddMessage(text, true);
}

// Hands a value on down the lines of single parents: each child without a
// second parent in the graph is half way between the value and 1.
bool Propagate(TlossPerson& from, std::size_t nodeCount) {
    std::vector<TlossPerson*> stack{&from};
    std::size_t steps = 0;
    while (!stack.empty()) {
        TlossPerson* node = stack.back();
        stack.pop_back();
        long double value = node->completeness;
        while (node->children.size() == 1 && node->children.front()->parents.size() <= 1) {
            value = (value + 1) / 2;
            node = node->children.front();
            node->completeness = value;
            if (++steps > nodeCount) return false;
        }
        for (TlossPerson* child : node->children) {
            if (child->parents.size() >= 2) continue;
            child->completeness = (value + 1) / 2;
            stack.push_back(child);
            if (++steps > nodeCount) return false;
        }
    }
    return true;
}

// The completeness of x by counting routes: every ancestor's share is
// divided among the routes that enter it. f(n) depends only on n and the
// route counts, so it is computed once per node (in an order that has
// every parent before its child) instead of once per route. Nothing on
// a loop: false.
bool CountRoutes(TlossPerson& x, std::vector<int32_t>& routes, std::vector<long double>& share,
                 std::vector<char>& state, std::vector<std::size_t>& touched) {
    touched.clear();
    std::vector<TlossPerson*> stack{&x};
    while (!stack.empty()) {
        TlossPerson* node = stack.back();
        stack.pop_back();
        const auto i = static_cast<std::size_t>(node->index);
        if (routes[i]++ > 0) continue;
        touched.push_back(i);
        for (TlossPerson* parent : node->parents) stack.push_back(parent);
    }
    bool sound = true;
    std::vector<std::pair<TlossPerson*, std::size_t>> path{{&x, 0}};
    state[static_cast<std::size_t>(x.index)] = 1;
    while (!path.empty() && sound) {
        auto& [node, next] = path.back();
        if (next < node->parents.size()) {
            TlossPerson* parent = node->parents[next++];
            char& s = state[static_cast<std::size_t>(parent->index)];
            if (s == 1) sound = false;
            if (s == 0) {
                s = 1;
                path.emplace_back(parent, 0);
            }
            continue;
        }
        const auto i = static_cast<std::size_t>(node->index);
        long double sum = (2 - static_cast<long double>(node->parents.size())) / 2;
        for (TlossPerson* parent : node->parents)
            sum += share[static_cast<std::size_t>(parent->index)] / 2;
        share[i] = sum / routes[i];
        state[i] = 2;
        path.pop_back();
    }
    const long double result = share[static_cast<std::size_t>(x.index)];
    for (std::size_t i : touched) {
        routes[i] = 0;
        state[i] = 0;
        share[i] = 0;
    }
    if (!sound) return false;
    x.completeness = result;
    return true;
}

long double LossOf(const TlossPerson& node) {
    return 1 - node.completeness;
}

// Two blanks for every digit short of four, so that the numbers line up
// in the proportional font of the message list.
std::string PaddedNumber(const std::string& text) {
    const std::size_t pad = text.size() < 4 ? 2 * (4 - text.size()) : 0;
    return std::string(pad, ' ') + text;
}

bool Contains(const std::unordered_set<const TlossPerson*>& chart,
              const std::vector<TlossPerson*>& group) {
    return std::all_of(group.begin(), group.end(),
                       [&chart](const TlossPerson* node) { return chart.count(node) > 0; });
}

}  // namespace

bool CollectRelevantPersons(Database& db, NodePool& pool, bool all,
                            const MarriageSummaries& marriages, Reporter& reporter) {
    pool.Clear();
    TindividualList& persons = db.persons;
    const std::size_t count = persons.Count();
    for (std::size_t i = 0; i < count; ++i) {
        Tindividual& person = persons[i];
        person.collected = false;
        person.chainNext = nullptr;
        person.relevant = all;
        person.node = nullptr;
    }
    if (!all) {
        reporter.ShowStatus(MessageText(Msg::ConstructingTheTree), StatusColour::Error);
        int32_t tracked = 0;
        for (std::size_t i = 0; i < count; ++i) {
            Tindividual& person = persons[i];
            if (person.collected || !person.father || !person.mother) continue;
            if (++tracked % 100 == 0) {
                reporter.ShowStatus(FillInNumber(Msg::ConstructingAncestorTreesN, tracked),
                                    StatusColour::Error);
                if (reporter.CheckInterrupted()) return false;
            }
            Track(&person, count, reporter);
            if (reporter.RunState() == kRunError) return false;
            ClearChain(&person);
        }
    }
    int32_t made = 0;
    for (std::size_t i = 0; i < count; ++i) {
        Tindividual& person = persons[i];
        if (!person.relevant) continue;
        if (++made % 500 == 0) {
            reporter.ShowStatus(FillInNumber(Msg::CollectingRelevantPersonsN, made),
                                StatusColour::Error);
            if (reporter.CheckInterrupted()) return false;
        }
        auto node = std::make_unique<TlossPerson>();
        node->person = &person;
        node->personIndex = static_cast<int32_t>(i);
        if (marriages) node->name = marriages(person);
        person.node = &pool.Add(std::move(node));
    }
    reporter.ShowStatus(MessageText(Msg::PreparingForTrackingAnd), StatusColour::Error);
    for (auto& owned : pool.Nodes()) {
        TlossPerson& node = *owned;
        node.index = static_cast<int32_t>(&owned - pool.Nodes().data());
        for (Tindividual* parent : {node.person->mother, node.person->father}) {
            if (!parent || !parent->relevant || !parent->node) continue;
            node.parents.push_back(parent->node);
            parent->node->children.push_back(&node);
        }
    }
    return true;
}

bool ComputePedigreeLoss(const std::vector<TlossPerson*>& nodes, Reporter& reporter) {
    for (TlossPerson* node : nodes) {
        node->completeness = 0;
        node->isDouble = false;
        node->lineFlag = false;
    }
    std::vector<int32_t> routes(nodes.size(), 0);
    std::vector<long double> share(nodes.size(), 0);
    std::vector<char> state(nodes.size(), 0);
    std::vector<std::size_t> touched;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        TlossPerson& node = *nodes[i];
        if (i % 100 == 0 && i > 0) {
            reporter.ShowStatus(
                FillInNumber(Msg::CalculatingPedigreeLossN, static_cast<int32_t>(i)),
                StatusColour::Error);
            if (reporter.CheckInterrupted()) return false;
        }
        if (node.parents.size() == 1) continue;
        if (node.parents.empty()) {
            node.completeness = 1;
        } else {
            const TlossPerson* father = node.parents[1];
            for (const TlossPerson* sibling : node.parents[0]->children)
                if (sibling != &node && sibling->completeness > 0 && sibling->parents.size() == 2 &&
                    sibling->parents[1] == father) {
                    node.completeness = sibling->completeness;
                    node.lineFlag = true;
                    break;
                }
            if (!node.lineFlag && !CountRoutes(node, routes, share, state, touched)) {
                ReportDefiniteLoop(node, Msg::Parents, reporter);
                return false;
            }
        }
        if (!Propagate(node, nodes.size())) {
            ReportDefiniteLoop(node, Msg::Children, reporter);
            return false;
        }
    }
    return true;
}

std::vector<TlossPerson*> MarkInbred(const std::vector<TlossPerson*>& nodes, Reporter& reporter) {
    std::vector<TlossPerson*> inbred;
    if (!ComputePedigreeLoss(nodes, reporter)) return inbred;
    for (TlossPerson* node : nodes) {
        if (node->lineFlag || node->parents.size() != 2) continue;
        if (2 * LossOf(*node) > LossOf(*node->parents[0]) + LossOf(*node->parents[1])) {
            node->isDouble = true;
            inbred.push_back(node);
        }
    }
    std::stable_sort(inbred.begin(), inbred.end(), [](const TlossPerson* a, const TlossPerson* b) {
        return a->completeness > b->completeness;
    });
    return inbred;
}

std::vector<TlossPerson*> CollectGroup(const TlossPerson& start,
                                       const std::vector<TlossPerson*>& nodes) {
    std::vector<const TlossPerson*> twin(nodes.size(), nullptr);
    std::vector<char> visited(nodes.size(), 0);
    auto at = [](const TlossPerson* node) { return static_cast<std::size_t>(node->index); };
    std::vector<TlossPerson*> group;
    auto appendChain = [&](const TlossPerson* node) {
        while (node && !visited[at(node)]) {
            visited[at(node)] = 1;
            group.push_back(nodes[at(node)]);
            node = twin[at(node)];
        }
    };
    std::vector<std::pair<const TlossPerson*, std::size_t>> stack{{&start, 0}};
    while (!stack.empty()) {
        auto& [node, next] = stack.back();
        if (next >= node->parents.size()) {
            stack.pop_back();
            continue;
        }
        const TlossPerson* parent = node->parents[next++];
        if (parent == &start) continue;  // a loop, reported elsewhere
        if (twin[at(parent)]) {
            appendChain(parent);
            appendChain(node);
        } else {
            twin[at(parent)] = node;
            stack.emplace_back(parent, 0);
        }
    }
    return group;
}

int32_t ShadeOf(long double completeness) {
    if (completeness > 0.99L) return 255;
    const long double dark = std::pow(1 - completeness, 0.3L) * 255;
    return std::clamp<int32_t>(320 - static_cast<int32_t>(std::llround(dark)), 0, 255);
}

std::string LossReportLine(long double completeness, std::size_t groupSize,
                           const std::string& listing) {
    const long double percent = std::nearbyint(100 * (1 - completeness));  // halves to even
    const auto whole = static_cast<long long>(percent);
    const std::string loss = whole == 0 ? "<1" : std::to_string(whole);
    return PaddedNumber(loss) + "%    " + PaddedNumber(std::to_string(groupSize)) + "   " + listing;
}

std::string LossHint(long double completeness, const std::string& pedigreeLossPhrase) {
    if (completeness >= 1) return {};
    const long long n = std::llround(static_cast<double>((1 - completeness) * 10000));
    std::string figure;
    if (n < 1)
        figure = "<0,01";
    else if (n < 10)
        figure = "0,0" + std::to_string(n);
    else if (n < 100)
        figure = "0," + std::to_string(n);
    else {
        const std::string rest = std::to_string(n % 100);
        figure = std::to_string(n / 100) + "," + (rest.size() < 2 ? "0" + rest : rest);
    }
    return figure + "% " + pedigreeLossPhrase + ".";
}

void AnalyseInbreeding(Database& db, ChartList& charts, Reporter& reporter,
                       const InbreedingRequest& request, std::vector<InbreedingEntry>* entriesOut) {
    charts.Clear();
    if (!CollectRelevantPersons(db, charts.pool, false, request.marriages, reporter)) return;
    reporter.AddMessage(MessageText(Msg::PressEscToInterrupt));
    std::vector<TlossPerson*> nodes;
    nodes.reserve(charts.pool.Size());
    for (auto& owned : charts.pool.Nodes()) nodes.push_back(owned.get());

    std::vector<TlossPerson*> chosen;
    const std::vector<std::string> none;
    const std::vector<std::string>& remembered = request.probands ? *request.probands : none;
    if (!request.dialog && !remembered.empty()) {
        // The boxes' shades and hints need the loss of remembered persons too.
        if (!ComputePedigreeLoss(nodes, reporter)) return;
        const std::unordered_set<std::string> ids(remembered.begin(), remembered.end());
        for (TlossPerson* node : nodes)
            if (ids.count(node->person->ID)) chosen.push_back(node);
    } else {
        chosen = MarkInbred(nodes, reporter);
    }
    if (reporter.RunState() == kRunError) return;
    std::vector<std::vector<TlossPerson*>> groups;
    groups.reserve(chosen.size());
    for (TlossPerson* node : chosen) groups.push_back(CollectGroup(*node, nodes));
    if (chosen.empty()) {
        reporter.AddMessage(MessageText(Msg::ThereIsNoInbreeding));
        return;
    }
    if (request.report) {
        reporter.AddMessage(MessageText(Msg::PedigreeLossAndGroup));
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            if (i % 500 == 499 && reporter.CheckInterrupted()) return;
            reporter.AddMessage(LossReportLine(chosen[i]->completeness, groups[i].size(),
                                               chosen[i]->person->ListingText()));
        }
    }
    if (request.dialog) {
        std::vector<std::string> texts;
        std::vector<std::size_t> marked;
        const std::unordered_set<std::string> ids(remembered.begin(), remembered.end());
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            if (i % 500 == 499) {
                reporter.ShowStatus(FillInNumber(Msg::PreparingSelectionListsN,
                                                 static_cast<int32_t>(chosen.size() - i)),
                                    StatusColour::Error);
                if (reporter.CheckInterrupted()) return;
            }
            texts.push_back(chosen[i]->person->ListingText());
            if (ids.count(chosen[i]->person->ID)) marked.push_back(i);
        }
        std::optional<std::vector<std::size_t>> answer;
        {
            InterruptiblePause pause(reporter);
            answer = (*request.dialog)(texts, marked);
        }
        if (!answer) {
            reporter.SetRunState(kRunCancelled);
            return;
        }
        if (request.probands) {
            request.probands->clear();
            for (std::size_t i : *answer)
                if (i < chosen.size()) request.probands->push_back(chosen[i]->person->ID);
        }
        if (!answer->empty()) {
            std::vector<TlossPerson*> picked;
            std::vector<std::vector<TlossPerson*>> pickedGroups;
            for (std::size_t i : *answer) {
                if (i >= chosen.size()) continue;
                picked.push_back(chosen[i]);
                pickedGroups.push_back(groups[i]);
            }
            chosen = std::move(picked);
            groups = std::move(pickedGroups);
        }
    }
    if (reporter.RunState() != kRunNormal) return;
    if (!PlaceGenerations(nodes, reporter)) return;

    std::vector<std::size_t> order(chosen.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&groups](std::size_t a, std::size_t b) {
        return groups[a].size() > groups[b].size();
    });
    charts.selection.clear();
    reporter.AddMessage(ChartDepthWarning());
    reporter.AddMessage(MessageText(Msg::PressEscToInterrupt));

    std::vector<std::unordered_set<const TlossPerson*>> shown;  // each chart's analysis boxes
    std::vector<InbreedingEntry> entries;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t i = order[k];
        reporter.ShowStatus(FillInNumbers(MessageText(Msg::BuildingChartIndexTo),
                                          {static_cast<int32_t>(k + 1),
                                           static_cast<int32_t>(order.size() - k - 1)}),
                            StatusColour::Error);
        if (reporter.CheckInterrupted()) return;
        InbreedingEntry entry{chosen[i], groups[i].size(), -1, nullptr};
        std::vector<TlossPerson*> group = groups[i];
        if (group.empty()) {
            entries.push_back(entry);
            continue;
        }
        std::vector<TlossPerson*> youngest;
        const bool complete = PrepareGroup(group, youngest, request.chartDepth);
        for (std::size_t c = shown.size(); c-- > 0;)
            if (Contains(shown[c], group)) {
                entry.chart = static_cast<int32_t>(c);
                break;
            }
        if (entry.chart < 0) {
            if (!PlaceGroup(group, youngest, static_cast<int32_t>(k + 1),
                            static_cast<int32_t>(order.size() - k - 1), reporter))
                return;
            AssembleGraphChart(group, *chosen[i], complete, charts);
            entry.chart = static_cast<int32_t>(shown.size());
            shown.emplace_back(group.begin(), group.end());
        }
        const TinbredPerson& chart = *charts.charts[static_cast<std::size_t>(entry.chart)];
        for (TlossPerson* box : chart.nodes)
            if (box->person == chosen[i]->person) entry.shown = box;
        charts.selection.push_back({chosen[i]->person->ListingText(), entry.shown});
        entries.push_back(entry);
    }
    for (auto& owned : charts.pool.Nodes()) {
        owned->shade = ShadeOf(owned->completeness);
        owned->visited = false;
    }
    reporter.ShowStatus(FillInNumber(Msg::ReadyToViewN, static_cast<int32_t>(charts.charts.size())),
                        StatusColour::Normal);
    if (entriesOut) *entriesOut = std::move(entries);
}

}  // namespace lg
