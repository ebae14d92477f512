#pragma once
// Who owns the boxes and charts of a computation: the node pool owns every
// box until the next computation starts; a chart list owns the charts a
// chart window shows, with the window's drop-down entries.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "charts/chart_records.h"
#include "text/reporter.h"

namespace lg {

// The owner of every box of the current computation.
class NodePool {
  public:
    TlossPerson& Add(std::unique_ptr<TlossPerson> node) {
        nodes_.push_back(std::move(node));
        return *nodes_.back();
    }
    // Frees every box; charts that still point at them must be dropped first.
    void Clear() { nodes_.clear(); }
    std::size_t Size() const { return nodes_.size(); }
    TlossPerson& operator[](std::size_t i) { return *nodes_[i]; }
    std::vector<std::unique_ptr<TlossPerson>>& Nodes() { return nodes_; }

  private:
    std::vector<std::unique_ptr<TlossPerson>> nodes_;
};

// One entry of a chart window's drop-down: a person's listing text and the
// box it selects.
struct SelectionEntry {
    std::string text;
    TlossPerson* node = nullptr;
};

// The charts of one run of a chart type, as its window shows them.
struct ChartList {
    std::vector<std::unique_ptr<TinbredPerson>> charts;
    std::vector<SelectionEntry> selection;
    std::size_t chartIndex = 0;

    void Clear() {
        charts.clear();
        selection.clear();
        chartIndex = 0;
    }
    TinbredPerson* Current() {
        return chartIndex < charts.size() ? charts[chartIndex].get() : nullptr;
    }
};

// Makes the one chart of the placed tree in the pool and appends it to the
// chart list: the rows negated and the boxes sorted by them, the drop-down
// entries, doubles shaded 220 and the others white, the normalised
// coordinates. Reports "%n name boxes in chart.".
void AssembleChart(TlossPerson& root, NodePool& pool, ChartList& charts, Reporter& reporter);

// Stores every node's (x, -y) as its coordinate pair, shifted so that the
// smallest x and the smallest of those values are 0: the top-left box is
// at (0, 0).
void NormaliseChart(TinbredPerson& chart);

}  // namespace lg
