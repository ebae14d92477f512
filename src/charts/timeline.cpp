#include "charts/timeline.h"

#include <algorithm>
#include <vector>

#include "base/text_helpers.h"
#include "charts/descendants.h"

namespace lg {
namespace {

bool IsMale(const Tindividual& person) {
    return person.sex == 'M';
}

// The persons of the tree and their spouses, each once.
template <typename Visit>
void ForEachShown(const TlossPerson& root, Visit visit) {
    std::vector<const TlossPerson*> work{&root};
    while (!work.empty()) {
        const TlossPerson* node = work.back();
        work.pop_back();
        if (!node->person) continue;
        visit(*node->person);
        for (const Tspouse& spouse : node->person->famsList) {
            if (!spouse.family) continue;
            if (spouse.family->husband) visit(*spouse.family->husband);
            if (spouse.family->wife) visit(*spouse.family->wife);
        }
        for (const TlossPerson* child : node->children) work.push_back(child);
    }
}

void PlaceSelfAndSpouses(Tindividual& person, const TimelineRows& rows, int32_t& r) {
    const auto& families = person.famsList;
    // A spouse takes a row only when there is one to place: absent spouses
    // would leave empty rows.
    if (IsMale(person)) {
        r += rows.height;
        person.timelineRow = r;
        if (families.empty()) return;
        r += rows.gap;
        for (const Tspouse& f : families) {
            Tindividual* wife = f.family ? f.family->wife : nullptr;
            if (wife && wife != &person && wife->timelineRow == 0) {
                wife->timelineRow = r;
                r += rows.height;
            }
        }
        return;
    }
    for (auto it = families.rbegin(); it != families.rend(); ++it) {
        Tindividual* husband = it->family ? it->family->husband : nullptr;
        if (husband && husband != &person && husband->timelineRow == 0) {
            r += rows.height;
            husband->timelineRow = r;
        }
    }
    if (!families.empty()) r += rows.gap;
    person.timelineRow = r;
    r += rows.height;
}

}  // namespace

int32_t AssignTimelineRows(const TlossPerson& root, const TimelineRows& rows) {
    ForEachShown(root, [](Tindividual& p) { p.timelineRow = 0; });
    // The recursion of the layout on an explicit stack: daughters, the
    // person with the spouses, sons (last family and child first), a gap.
    struct Frame {
        const TlossPerson* node;
        int phase = 0;
        std::size_t next = 0;
    };
    int32_t r = rows.start;
    std::vector<Frame> stack{{&root}};
    while (!stack.empty()) {
        Frame& f = stack.back();
        const TlossPerson* node = f.node;
        const auto& children = node->children;
        if (f.phase == 0) {
            if (f.next < children.size()) {
                TlossPerson* child = children[f.next++];
                if (child->person && !IsMale(*child->person)) stack.push_back({child});
                continue;
            }
            PlaceSelfAndSpouses(*node->person, rows, r);
            f.phase = 1;
            f.next = 0;
        }
        if (f.next < children.size()) {
            TlossPerson* child = children[children.size() - 1 - f.next++];
            if (child->person && IsMale(*child->person)) stack.push_back({child});
            continue;
        }
        r += rows.gap;
        stack.pop_back();
    }
    return r;
}

int32_t YearRange::X(int32_t year, int32_t width) const {
    const int64_t span = static_cast<int64_t>(last) - first + 1;
    if (span <= 0) return 0;
    return static_cast<int32_t>((static_cast<int64_t>(year) - first) * width / span);
}

int32_t MarriageYear(const Tfamily& family) {
    return family.marriage ? YearNumber(family.marriage->date) : 0;
}

YearRange TimelineYearRange(const TlossPerson& root, int32_t currentYear) {
    YearRange range{currentYear, 0};
    bool any = false;
    auto take = [&](int32_t year) {
        if (year == 0) return;
        any = true;
        range.first = std::min(range.first, year);
        range.last = std::max(range.last, year);
    };
    ForEachShown(root, [&](const Tindividual& p) {
        take(p.birthYear);
        take(p.deathYear);
        for (const Tspouse& f : p.famsList)
            if (f.family) take(MarriageYear(*f.family));
    });
    if (!any) return {currentYear - 100, currentYear};
    return range;
}

void MakeTimelineChart(TlossPerson* root, NodePool& pool, ChartList& charts, Reporter& reporter) {
    if (root) AssignTimelineRows(*root, TimelineRows{});
    MakeGenealogyChart(root, pool, charts, reporter);
}

}  // namespace lg
