#include "charts/pedigree.h"

#include <algorithm>
#include <deque>
#include <utility>

#include <limits>

#include "base/fill_in.h"
#include "base/messages.h"
#include "base/text_helpers.h"
#include "charts/tree_placement.h"

namespace lg {

int32_t ComputeAncestorDepth(Tindividual& person, std::size_t personCount,
                             DepthProgress& progress) {
    // The recursion of the definition, run on an explicit stack: one frame
    // per person being measured, with the father's result kept until the
    // mother's is known.
    struct Frame {
        Tindividual* person;
        int stage;  // 0 entering, 1 father measured, 2 mother measured
        int32_t fatherDepth;
    };
    Reporter& reporter = progress.reporter;
    std::vector<Frame> stack{{&person, 0, 0}};
    int32_t result = 0;  // the depth returned by the frame that ended last
    while (!stack.empty()) {
        Frame& frame = stack.back();
        Tindividual& p = *frame.person;
        if (frame.stage == 0) {
            if (p.treeDepth > 0 && static_cast<std::size_t>(p.treeDepth) > personCount)
                reporter.AddMessage(MessageText(Msg::LoopInGedcom), true);
            if (reporter.RunState() == kRunError || p.treeDepth != 0) {
                result = p.treeDepth;
                stack.pop_back();
                continue;
            }
            if (++progress.counter % 1000 == 0) {
                reporter.ShowStatus(FillInNumber(Msg::CalculatingTreeSizeN, progress.counter),
                                    StatusColour::Error);
                reporter.CheckInterrupted();
            }
            p.treeDepth = 1;  // in progress: a loop in the data ends here
            frame.stage = 1;
            if (p.father) {
                stack.push_back({p.father, 0, 0});
                continue;
            }
            result = -1;
        }
        if (frame.stage == 1) {
            frame.fatherDepth = result + 1;
            frame.stage = 2;
            if (p.mother) {
                stack.push_back({p.mother, 0, 0});
                continue;
            }
            result = -1;
        }
        p.treeDepth = std::max(frame.fatherDepth, result + 1);
        result = p.treeDepth;
        stack.pop_back();
    }
    return result;
}

Tindividual* DeepestPerson(const TindividualList& persons) {
    Tindividual* deepest = nullptr;
    for (const auto& person : persons)
        if (!deepest || person->treeDepth > deepest->treeDepth) deepest = person.get();
    return deepest;
}

namespace {

// Ancestor numbers double per generation and leave 32 bits after the
// 31st; the labels no longer use them there, so they may wrap, but the
// doubling itself must stay defined.
int32_t ParentSosa(int32_t sosa, int32_t add) {
    return static_cast<int32_t>(static_cast<uint32_t>(sosa) * 2u + static_cast<uint32_t>(add));
}

std::unique_ptr<TlossPerson> NewNode(Tindividual* person, int32_t sosa, bool lineFlag) {
    auto node = std::make_unique<TlossPerson>();
    node->person = person;
    node->sosa = sosa;
    node->lineFlag = lineFlag;
    node->parents.reserve(2);
    return node;
}

}  // namespace

void BuildAncestorTree(Tindividual& proband, NodePool& pool, const MarriageSummaries& marriages) {
    std::deque<std::unique_ptr<TlossPerson>> queue;
    queue.push_back(NewNode(&proband, 1, true));
    int32_t generation = 0;
    while (!queue.empty()) {
        ++generation;
        std::size_t n = queue.size();
        for (std::size_t i = 0; i < n; ++i) {
            TlossPerson& node = pool.Add(std::move(queue.front()));
            queue.pop_front();
            node.generation = generation;
            node.rank = static_cast<int32_t>(i + 1);
            node.expanded = false;
            Tindividual& person = *node.person;
            if (marriages) node.name = marriages(person);
            if (person.node) {
                node.isDouble = true;
                node.twin = person.node;
                continue;
            }
            person.node = &node;
            if (person.father) {
                queue.push_back(NewNode(person.father, ParentSosa(node.sosa, 0), node.lineFlag));
                node.parents.push_back(queue.back().get());
            }
            if (person.mother) {
                queue.push_back(NewNode(person.mother, ParentSosa(node.sosa, 1), false));
                node.parents.push_back(queue.back().get());
            }
        }
    }
}

namespace {

// The child sits halfway between father and mother, or level with a single
// parent.
void AverageOfParents(TlossPerson& node, const std::vector<TlossPerson*>& parents) {
    long double sum = 0;
    for (const TlossPerson* parent : parents) sum += parent->y;
    node.y = sum / static_cast<long double>(parents.size());
}

}  // namespace

void PlaceAncestors(TlossPerson& root) {
    PlaceTree(root, &TlossPerson::parents, std::numeric_limits<std::size_t>::max(),
              AverageOfParents);
}

void ComputeAncestorDepths(TindividualList& persons, Reporter& reporter) {
    DepthProgress progress{reporter};
    for (const auto& person : persons) {
        if (reporter.RunState() == kRunError) return;
        if (person->treeDepth == 0) ComputeAncestorDepth(*person, persons.Count(), progress);
    }
}

Tindividual* SelectProband(Database& db, Reporter& reporter,
                           const std::vector<std::string>* probands, const ProbandDialog* dialog,
                           void (*computeDepths)(TindividualList&, Reporter&)) {
    TindividualList& persons = db.persons;
    Tindividual* proband = nullptr;
    if (!dialog && probands && !probands->empty()) proband = persons.Find(probands->front());
    if (dialog || !proband) {
        reporter.ShowStatus(FillIn(Msg::CalculatingTreeSizeN, ""), StatusColour::Error);
        // A pass that was interrupted earlier may have left marks behind.
        for (const auto& person : persons) person->treeDepth = 0;
        computeDepths(persons, reporter);
        if (reporter.RunState() == kRunError) return nullptr;
    }
    if (dialog) {
        ProbandChoice choice = (*dialog)();
        if (choice.cancelled) reporter.SetRunState(kRunCancelled);
        // An Esc while the dialog was open ends the run too.
        if (reporter.RunState() != kRunNormal) return nullptr;
        proband = choice.selected;
    }
    if (!proband) {
        proband = DeepestPerson(persons);
        reporter.AddMessage(MessageText(Msg::AutomaticSelectionOfProband));
    }
    for (const auto& person : persons) {
        person->treeDepth = 0;
        person->node = nullptr;
    }
    reporter.ShowStatus(MessageText(Msg::ConstructingTheTree), StatusColour::Error);
    return proband;
}

TlossPerson* MakePedigree(Database& db, NodePool& pool, Reporter& reporter,
                          const PedigreeRequest& request) {
    if (db.persons.Empty()) {
        reporter.AddMessage(MessageText(Msg::GedcomFileHasNo), true);
        return nullptr;
    }
    pool.Clear();
    Tindividual* proband =
        SelectProband(db, reporter, request.probands, request.dialog, ComputeAncestorDepths);
    if (!proband) return nullptr;
    BuildAncestorTree(*proband, pool, request.marriages);
    return proband->node;
}

void MakePedigreeChart(TlossPerson* root, NodePool& pool, ChartList& charts, Reporter& reporter) {
    charts.DropCharts();
    if (!root) return;
    PlaceAncestors(*root);
    AssembleChart(*root, pool, charts, reporter);
}

}  // namespace lg
