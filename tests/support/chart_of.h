#pragma once
// A chart record for boxes made by hand, as the chart assembly makes one:
// every box reachable from the root through parents and children, each
// box's index its position, the coordinates the boxes' x and y (box units),
// and each box's principal box its person's node.

#include <unordered_set>
#include <vector>

#include "charts/chart_records.h"

namespace lg::test {

inline TinbredPerson ChartOf(TlossPerson& root) {
    TinbredPerson chart;
    chart.proband = &root;
    std::unordered_set<TlossPerson*> seen{&root};
    std::vector<TlossPerson*> work{&root};
    while (!work.empty()) {
        TlossPerson* node = work.back();
        work.pop_back();
        node->index = static_cast<int32_t>(chart.nodes.size());
        node->principal = node->person ? node->person->node : nullptr;
        chart.nodes.push_back(node);
        chart.coords.push_back({node->x, node->y});
        for (const auto* links : {&node->parents, &node->children})
            for (TlossPerson* linked : *links)
                if (linked && seen.insert(linked).second) work.push_back(linked);
    }
    return chart;
}

}  // namespace lg::test
