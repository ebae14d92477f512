#include "charts/descendants.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_set>

#include "base/fill_in.h"
#include "base/messages.h"
#include "charts/tree_placement.h"
#include "text/names.h"

namespace lg {

GenealogyType GenealogyTypeOf(char setting) {
    if (setting == 'm') return GenealogyType::Male;
    if (setting == 'n') return GenealogyType::Name;
    return GenealogyType::All;
}

void ComputeDescendantDepths(TindividualList& persons, Reporter& reporter) {
    // Every person passes his distance on to his parents; a parent keeps
    // the longest. A walk stops where it cannot improve a stored depth.
    const std::size_t limit = std::min<std::size_t>(1000, persons.Count() - 1);
    int32_t counter = 0;
    std::vector<std::pair<Tindividual*, std::size_t>> stack;
    for (const auto& start : persons) {
        if (start->treeDepth != 0) continue;
        stack.push_back({start.get(), 0});
        while (!stack.empty()) {
            auto [person, d] = stack.back();
            stack.pop_back();
            if (reporter.RunState() == kRunNormal && d > limit) {
                reporter.AddMessage(MessageText(Msg::LoopInGedcom), true);
                reporter.AddMessage(MessageText(Msg::UnableToPinpoint));
            }
            if (reporter.RunState() == kRunError) return;
            if (++counter % 1000 == 0) {
                reporter.ShowStatus(FillInNumber(Msg::CalculatingTreeSizeN, counter),
                                    StatusColour::Error);
                reporter.CheckInterrupted();
            }
            if (person->treeDepth != 0 && d < static_cast<std::size_t>(person->treeDepth)) continue;
            person->treeDepth = static_cast<int32_t>(d + 1);
            // The father first, as the walk goes.
            if (person->mother) stack.push_back({person->mother, d + 1});
            if (person->father) stack.push_back({person->father, d + 1});
        }
    }
}

namespace {

// Whether the child carries the mother's family name.
bool HasMothersName(const Tindividual& child, const Tindividual& mother, bool usePatronym) {
    return SameSurname(child.FamilyName(usePatronym), mother.FamilyName(usePatronym));
}

// The tree build, depth first on an explicit stack of expansions.
class DescendantBuilder {
  public:
    DescendantBuilder(NodePool& pool, const DescendantRequest& request)
        : pool_(pool), request_(request) {}

    TlossPerson* Build(Tindividual& proband);

  private:
    // One node whose children are being added.
    struct Expansion {
        TlossPerson* node;
        bool flag;
        int32_t generation;  // of the children
        std::size_t family = 0;
        std::size_t child = 0;
    };

    TlossPerson& NewNode(Tindividual& person, int32_t generation);
    // Adds the child's box under the parent (or the root without one) and
    // starts the expansion its occurrence calls for.
    TlossPerson& AddDescendant(TlossPerson* parent, Tindividual& person, bool parentFlag,
                               int32_t generation);
    void Expand(TlossPerson& node, bool flag, int32_t generation);
    bool Follows(const Tindividual& person, bool flag) const;
    // The next child of the expansion's person, or null when it has no more.
    Tindividual* NextChild(Expansion& expansion);
    void RemoveDescendants(TlossPerson& node);
    void ForgetRemoved(std::vector<std::unique_ptr<TlossPerson>>& nodes);
    void Finish();

    NodePool& pool_;
    const DescendantRequest& request_;
    std::vector<Expansion> stack_;
    bool removed_ = false;
};

TlossPerson& DescendantBuilder::NewNode(Tindividual& person, int32_t generation) {
    auto node = std::make_unique<TlossPerson>();
    node->person = &person;
    node->generation = generation;
    if (request_.marriages) node->name = request_.marriages(person);
    return pool_.Add(std::move(node));
}

bool DescendantBuilder::Follows(const Tindividual& person, bool flag) const {
    switch (request_.type) {
        case GenealogyType::Male:
            return person.sex == 'M';
        case GenealogyType::Name:
            return flag;
        default:
            return true;
    }
}

void DescendantBuilder::Expand(TlossPerson& node, bool flag, int32_t generation) {
    node.expanded = true;
    node.visited = true;  // on the way down: met again, the person is his own descendant
    stack_.push_back({&node, flag, generation});
}

TlossPerson& DescendantBuilder::AddDescendant(TlossPerson* parent, Tindividual& person,
                                              bool parentFlag, int32_t generation) {
    TlossPerson& node = NewNode(person, generation);
    TlossPerson* old = person.node;
    person.node = &node;
    if (old) {
        node.isDouble = old->isDouble = true;
        node.twin = old;
        old->twin = &node;
        if (old->generation >= generation) person.node = old;
    }
    bool flag = parentFlag;
    if (flag && parent && parent->person->sex != 'M')
        flag = HasMothersName(person, *parent->person, request_.usePatronym);
    node.lineFlag = flag;
    bool follow = Follows(person, flag);
    if (!old) {
        if (follow) Expand(node, flag, generation + 1);
    } else if (old->visited) {
        // An occurrence further up this very line: a loop in the data. The
        // box stays a double without descendants, as in the pedigree.
    } else if (old->expanded) {
        if (old->generation < generation) {
            RemoveDescendants(*old);
            Expand(node, flag, generation + 1);
        }
    } else if (old->generation > generation && follow) {
        Expand(*old, flag, old->generation + 1);
    }
    return node;
}

Tindividual* DescendantBuilder::NextChild(Expansion& e) {
    const auto& families = e.node->person->famsList;
    while (e.family < families.size()) {
        const Tfamily* family = families[e.family].family;
        if (family && e.child < family->children.size()) {
            Tindividual* child = family->children[e.child++].person;
            if (child) return child;
            continue;
        }
        ++e.family;
        e.child = 0;
    }
    return nullptr;
}

void DescendantBuilder::ForgetRemoved(std::vector<std::unique_ptr<TlossPerson>>& nodes) {
    // Several occurrences of one person may go in one removal; no person
    // or surviving box may keep pointing at a freed one.
    auto gone = [](const TlossPerson* n) { return n && n->index < 0; };
    std::unordered_set<Tindividual*> lost;
    for (auto& n : nodes)
        if (gone(n.get()) && gone(n->person->node)) {
            n->person->node = nullptr;
            lost.insert(n->person);
        }
    for (auto& n : nodes) {
        if (gone(n.get())) continue;
        Tindividual& person = *n->person;
        if (lost.count(&person) && (!person.node || n->generation > person.node->generation))
            person.node = n.get();
    }
    for (auto& n : nodes) {
        if (gone(n.get()) || !gone(n->twin)) continue;
        TlossPerson* principal = n->person->node;
        n->twin = principal != n.get() ? principal : nullptr;
        n->isDouble = n->twin != nullptr;
    }
    std::erase_if(nodes, [&](const std::unique_ptr<TlossPerson>& n) { return gone(n.get()); });
}

void DescendantBuilder::RemoveDescendants(TlossPerson& top) {
    // Nodes are only marked here (index -1, a field the descendant tree does
    // not use) and leave the pool in one sweep at the end: taking each out of
    // the pool at once would cost a pass over the pool per node.
    std::vector<TlossPerson*> work{&top};
    while (!work.empty()) {
        TlossPerson* node = work.back();
        work.pop_back();
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
            TlossPerson* child = *it;
            Tindividual& person = *child->person;
            if (child->twin) {
                // With three occurrences the other one may be paired anew.
                if (child->twin->twin == child) {
                    child->twin->twin = nullptr;
                    child->twin->isDouble = false;
                }
                if (person.node == child) person.node = child->twin;
            } else {
                person.node = nullptr;
            }
            child->index = -1;
            work.push_back(child);
        }
        node->children.clear();
    }
    removed_ = true;
}

TlossPerson* DescendantBuilder::Build(Tindividual& proband) {
    AddDescendant(nullptr, proband, true, 1);
    while (!stack_.empty()) {
        Expansion& e = stack_.back();
        Tindividual* child = NextChild(e);
        if (!child) {
            e.node->visited = false;
            stack_.pop_back();
            continue;
        }
        TlossPerson* parent = e.node;
        // The reference may dangle once the child's own expansion is pushed.
        bool flag = e.flag;
        int32_t generation = e.generation;
        TlossPerson& node = AddDescendant(parent, *child, flag, generation);
        parent->children.push_back(&node);
    }
    Finish();
    return proband.node;
}

void DescendantBuilder::Finish() {
    auto& nodes = pool_.Nodes();
    if (removed_) ForgetRemoved(nodes);
    for (auto& node : nodes) {
        node->expanded = false;
        for (TlossPerson* child : node->children)
            if (std::find(child->parents.begin(), child->parents.end(), node.get()) ==
                child->parents.end())
                child->parents.push_back(node.get());
    }
}

void SetLine(TlossPerson& top, bool usePatronym, std::vector<Tindividual*>& changed) {
    std::vector<TlossPerson*> work{&top};
    while (!work.empty()) {
        TlossPerson* node = work.back();
        work.pop_back();
        node->lineFlag = true;
        changed.push_back(node->person);
        bool male = node->person->sex == 'M';
        for (TlossPerson* child : node->children)
            if (male || HasMothersName(*child->person, *node->person, usePatronym))
                work.push_back(child);
    }
}

void ClearLine(TlossPerson& top, std::vector<Tindividual*>& changed) {
    std::vector<TlossPerson*> work{&top};
    while (!work.empty()) {
        TlossPerson* node = work.back();
        work.pop_back();
        node->lineFlag = false;
        changed.push_back(node->person);
        for (TlossPerson* child : node->children)
            if (child->lineFlag) work.push_back(child);
    }
}

// The saved highlights, applied from the root down along the line.
void ApplyHighlights(TlossPerson& root, SortedStrings& highlights, bool usePatronym) {
    std::vector<TlossPerson*> work{&root};
    while (!work.empty()) {
        TlossPerson* node = work.back();
        work.pop_back();
        const std::string& id = node->person->ID;
        if (ContainsSorted(highlights, id)) {
            for (Tindividual* person : ToggleLineHighlight(*node, usePatronym))
                RemoveSorted(highlights, person->ID);
            AddSorted(highlights, id);
        }
        if (!node->lineFlag) continue;
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
            work.push_back(*it);
    }
}

// The parent sits centred over his children; childless children are packed
// against the first child with a family of its own, or spread evenly
// between two such children; a child within 0.2 of the centre gives the
// parent its row.
void CentreOverChildren(TlossPerson& node, const std::vector<TlossPerson*>& c) {
    const std::size_t n = c.size();
    node.y = (c.front()->y + c.back()->y) / 2;
    auto hasChildren = [](const TlossPerson* child) { return !child->children.empty(); };
    auto first = std::find_if(c.begin(), c.end(), hasChildren);
    if (first == c.end()) return;
    const std::size_t i0 = static_cast<std::size_t>(first - c.begin());
    for (std::size_t j = 0; j < i0; ++j) c[j]->y = c[i0]->y - static_cast<long double>(i0 - j);
    for (std::size_t a = i0; a < n;) {
        std::size_t b = a + 1;
        while (b < n && !hasChildren(c[b])) ++b;
        if (b == n) break;
        long double step = (c[b]->y - c[a]->y) / static_cast<long double>(b - a);
        for (std::size_t k = 1; k < b - a; ++k) c[a + k]->y = c[a]->y + k * step;
        a = b;
    }
    node.y = (c.front()->y + c.back()->y) / 2;
    for (const TlossPerson* child : c) {
        if (std::fabs(child->y - node.y) < 0.2L) {
            node.y = child->y;
            break;
        }
    }
}

}  // namespace

std::vector<Tindividual*> ToggleLineHighlight(TlossPerson& node, bool usePatronym) {
    std::vector<Tindividual*> changed;
    if (node.lineFlag)
        ClearLine(node, changed);
    else
        SetLine(node, usePatronym, changed);
    return changed;
}

TlossPerson* MakeDescendantTree(Database& db, NodePool& pool, Reporter& reporter,
                                const DescendantRequest& request) {
    if (db.persons.Empty()) {
        reporter.AddMessage(MessageText(Msg::GedcomFileHasNo), true);
        return nullptr;
    }
    pool.Clear();
    Tindividual* proband =
        SelectProband(db, reporter, request.probands, request.dialog, ComputeDescendantDepths);
    if (!proband) return nullptr;
    DescendantBuilder builder(pool, request);
    TlossPerson* root = builder.Build(*proband);
    if (root && reporter.RunState() == kRunNormal && request.highlights)
        ApplyHighlights(*root, *request.highlights, request.usePatronym);
    return root;
}

void PlaceDescendants(TlossPerson& root, std::size_t maxLevel) {
    PlaceTree(root, &TlossPerson::children, maxLevel, CentreOverChildren);
}

void MakeGenealogyChart(TlossPerson* root, NodePool& pool, ChartList& charts, Reporter& reporter) {
    charts.DropCharts();
    if (!root) return;
    PlaceDescendants(*root, std::numeric_limits<std::size_t>::max());
    AssembleChart(*root, pool, charts, reporter);
}

}  // namespace lg
