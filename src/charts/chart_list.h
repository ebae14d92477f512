#pragma once
// Who owns the boxes and charts of a computation: a chart list owns its
// boxes (its node pool), the charts a chart window shows and the window's
// drop-down entries, so the boxes live exactly as long as the charts that
// point at them.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "base/reporter.h"
#include "charts/chart_records.h"

namespace lg {

// The owner of every box of one computation.
class NodePool {
  public:
    TlossPerson& Add(std::unique_ptr<TlossPerson> node) {
        nodes_.push_back(std::move(node));
        return *nodes_.back();
    }
    // Frees every box; charts that still point at them must be dropped with it.
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

// The charts of one run of a chart type, as its window shows them, with
// the boxes they point at. Moving a list keeps the boxes where they are.
struct ChartList {
    NodePool pool;
    std::vector<std::unique_ptr<TinbredPerson>> charts;
    std::vector<SelectionEntry> selection;
    std::size_t chartIndex = 0;

    // Drops the charts and entries but keeps the boxes, for a new assembly.
    void DropCharts() {
        charts.clear();
        selection.clear();
        chartIndex = 0;
    }
    void Clear() {
        DropCharts();
        pool.Clear();
    }
    TinbredPerson* Current() {
        return chartIndex < charts.size() ? charts[chartIndex].get() : nullptr;
    }
};

// Makes the one chart of the placed tree in the pool and appends it to the
// chart list: the rows negated and the boxes sorted by them (each box's
// index its place in that order), the drop-down entries, doubles shaded
// 220 and the others white, each box's principal box, the normalised
// coordinates. Reports "%n name boxes in chart.".
void AssembleChart(TlossPerson& root, NodePool& pool, ChartList& charts, Reporter& reporter);

// Stores every node's (x, -y) as its coordinate pair, shifted so that the
// smallest x and the smallest of those values are 0: the top-left box is
// at (0, 0).
void NormaliseChart(TinbredPerson& chart);

}  // namespace lg
