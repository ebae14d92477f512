#include "charts/pedigree.h"

#include <algorithm>
#include <deque>
#include <utility>

#include "text/fill_in.h"
#include "text/messages.h"
#include "text/text_helpers.h"

namespace lg {

std::string MarriageSummary(const Tindividual& person, const Database& db,
                            const DescriptionContext& descriptions) {
    const Tlanguage& language = *descriptions.language;
    std::string result;
    for (const Tspouse& link : person.famsList) {
        const Tfamily* family = db.families.Find(link.familyID);
        if (!family) continue;
        const Tindividual* partner = nullptr;
        if (!family->husbandID.empty()) {
            partner = db.persons.Find(family->husbandID);
            if (!partner) continue;
            if (partner->ID == person.ID) partner = nullptr;
        }
        if (!partner) {
            partner = db.persons.Find(family->wifeID);
            if (partner && partner->ID == person.ID) partner = nullptr;
        }
        if (!partner) continue;
        std::string d = PersonDescription(*partner, false, descriptions);
        // Languages without a word here ("with" is empty in English) would
        // otherwise leave a double blank after the comma.
        if (d != ".") d = JoinWith(language.with, " ", d);
        std::string t = JoinWith(MarriageText(*family, descriptions), ", ", d);
        const std::string& verb = person.sex == 'M' ? language.heMarried : language.sheMarried;
        result += "\r\n" + JoinWith(verb, t == "." ? "" : " ", t);
    }
    if (result.empty() && !person.famsList.empty()) result = "\r\n" + language.partnerUnknown;
    return result;
}

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

void BuildAncestorTree(Tindividual& proband, const Database& db, NodePool& pool,
                       const DescriptionContext& descriptions) {
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
            node.name = MarriageSummary(person, db, descriptions);
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

// Per level, the row of the box placed last at that level, with range
// additions: a subtree moved down takes the last boxes of all its levels
// with it. A Fenwick tree of differences, so both operations are O(log n);
// it is rebuilt at twice the size when a level is appended to a full one.
class LevelRows {
  public:
    std::size_t Size() const { return size_; }
    void Append(long double row) {
        if (size_ + 1 >= tree_.size()) Grow();
        ++size_;
        Set(size_ - 1, row);
    }
    long double Get(std::size_t level) const {
        long double sum = 0;
        for (std::size_t i = level + 1; i > 0; i -= i & (~i + 1)) sum += tree_[i];
        return sum;
    }
    void Set(std::size_t level, long double row) { AddRange(level, level, row - Get(level)); }
    // Adds dy to the rows of the levels first..last.
    void AddRange(std::size_t first, std::size_t last, long double dy) {
        AddFrom(first, dy);
        AddFrom(last + 1, -dy);
    }

  private:
    void AddFrom(std::size_t level, long double delta) {
        for (std::size_t i = level + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
    }
    void Grow() {
        std::vector<long double> rows(size_);
        for (std::size_t level = 0; level < size_; ++level) rows[level] = Get(level);
        tree_.assign(2 * tree_.size() + 2, 0);
        long double previous = 0;
        for (std::size_t level = 0; level < size_; ++level) {
            AddFrom(level, rows[level] - previous);
            previous = rows[level];
        }
    }

    std::size_t size_ = 0;
    std::vector<long double> tree_{0};
};

}  // namespace

void PlaceAncestors(TlossPerson& root) {
    // Depth first like the recursive definition, on an explicit stack. A
    // move of a subtree is recorded on its root (pending, in layoutKey) and
    // handed to the ancestors in one pass at the end; the rows of the last
    // boxes per level, which the packing reads, are kept up to date in
    // LevelRows.
    struct Frame {
        TlossPerson* node;
        std::size_t level;
        std::size_t nextParent;
        long double lowest;
        long double sum;
        std::size_t maxLevel;  // the deepest level of the subtree placed so far
    };
    LevelRows rows;
    std::vector<Frame> stack;
    auto enter = [&](TlossPerson* node, std::size_t level) {
        node->x = static_cast<long double>(level);
        node->layoutKey = 0;
        long double lowest;
        if (level < rows.Size()) {
            lowest = rows.Get(level) + 1;
        } else {
            rows.Append(0);
            lowest = -100.0L * static_cast<long double>(level);
        }
        stack.push_back({node, level, 0, lowest, 0, level});
    };
    enter(&root, 0);
    while (!stack.empty()) {
        Frame& f = stack.back();
        TlossPerson& node = *f.node;
        if (f.nextParent < node.parents.size()) {
            enter(node.parents[f.nextParent++], f.level + 1);
            continue;
        }
        if (node.parents.empty()) {
            node.y = f.lowest;
        } else {
            node.y = f.sum / static_cast<long double>(node.parents.size());
            if (f.lowest > node.y) {
                long double dy = f.lowest - node.y;
                node.y += dy;
                node.layoutKey += dy;
                rows.AddRange(f.level + 1, f.maxLevel, dy);
            }
        }
        rows.Set(f.level, node.y);
        long double y = node.y;
        std::size_t maxLevel = f.maxLevel;
        stack.pop_back();
        if (!stack.empty()) {
            stack.back().sum += y;
            stack.back().maxLevel = std::max(stack.back().maxLevel, maxLevel);
        }
    }
    // Hand every pending move to the ancestors of the box it was made on.
    std::vector<std::pair<TlossPerson*, long double>> pending{{&root, 0}};
    while (!pending.empty()) {
        auto [node, shift] = pending.back();
        pending.pop_back();
        node->y += shift;
        long double toParents = shift + node->layoutKey;
        node->layoutKey = 0;
        for (TlossPerson* parent : node->parents) pending.push_back({parent, toParents});
    }
}

namespace {

Tindividual* SelectPedigreeProband(Database& db, Reporter& reporter,
                                   const PedigreeRequest& request) {
    TindividualList& persons = db.persons;
    Tindividual* proband = nullptr;
    if (!request.dialog && request.probands && !request.probands->empty())
        proband = persons.Find(request.probands->front());
    if (request.dialog || !proband) {
        reporter.ShowStatus(FillIn(Msg::CalculatingTreeSizeN, ""), StatusColour::Error);
        // A pass that was interrupted earlier may have left marks behind.
        for (const auto& person : persons) person->treeDepth = 0;
        DepthProgress progress{reporter};
        for (const auto& person : persons) {
            if (reporter.RunState() == kRunError) break;
            if (person->treeDepth == 0) ComputeAncestorDepth(*person, persons.Count(), progress);
        }
        if (reporter.RunState() == kRunError) return nullptr;
    }
    if (request.dialog) {
        ProbandChoice choice = (*request.dialog)();
        if (choice.cancelled) {
            reporter.SetRunState(kRunCancelled);
            return nullptr;
        }
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

}  // namespace

TlossPerson* MakePedigree(Database& db, NodePool& pool, Reporter& reporter,
                          const PedigreeRequest& request) {
    if (db.persons.Empty()) {
        reporter.AddMessage(MessageText(Msg::GedcomFileHasNo), true);
        return nullptr;
    }
    pool.Clear();
    Tindividual* proband = SelectPedigreeProband(db, reporter, request);
    if (!proband) return nullptr;
    BuildAncestorTree(*proband, db, pool, request.descriptions);
    return proband->node;
}

void MakePedigreeChart(TlossPerson* root, NodePool& pool, ChartList& charts,
                       Reporter& reporter) {
    charts.Clear();
    if (!root) return;
    PlaceAncestors(*root);
    auto& nodes = pool.Nodes();
    for (auto& node : nodes) node->y = -node->y;
    std::stable_sort(nodes.begin(), nodes.end(),
                     [](const auto& a, const auto& b) { return a->y < b->y; });
    auto chart = std::make_unique<TinbredPerson>();
    chart->proband = root;
    chart->complete = true;
    chart->nodes.reserve(nodes.size());
    charts.selection.reserve(nodes.size());
    for (auto& node : nodes) {
        node->highlight = false;
        chart->nodes.push_back(node.get());
        charts.selection.push_back({node->person ? node->person->ListingText() : "", node.get()});
        node->shade = node->isDouble ? 220 : 255;
    }
    NormaliseChart(*chart);
    charts.charts.push_back(std::move(chart));
    reporter.AddMessage(FillInNumber(Msg::NNameBoxesIn, static_cast<int32_t>(nodes.size())));
}

void NormaliseChart(TinbredPerson& chart) {
    chart.coords.resize(chart.nodes.size());
    long double minX = 2147483647, minY = 2147483647;
    for (std::size_t i = 0; i < chart.nodes.size(); ++i) {
        chart.coords[i] = {chart.nodes[i]->x, -chart.nodes[i]->y};
        minX = std::min(minX, chart.coords[i].x);
        minY = std::min(minY, chart.coords[i].y);
    }
    for (ChartPoint& point : chart.coords) {
        point.x -= minX;
        point.y -= minY;
    }
}

}  // namespace lg
