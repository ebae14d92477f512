#include "charts/offspring.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "charts/descendants.h"

namespace lg {
namespace {

using Levels = std::vector<std::vector<TlossPerson*>>;

long double Nearest(long double value) {
    return std::nearbyint(value);
}

// The row range the first and last boxes of generations 0..count-1 span,
// each taken to the nearest row.
void RowRange(const Levels& levels, std::size_t count, long double& low, long double& high) {
    low = Nearest(levels[0].front()->y);
    high = Nearest(levels[0].back()->y);
    for (std::size_t g = 1; g < count; ++g) {
        low = std::min(low, Nearest(levels[g].front()->y));
        high = std::max(high, Nearest(levels[g].back()->y));
    }
}

long double SquaredDistance(const ChartPoint& a, long double x, long double y) {
    return (a.x - x) * (a.x - x) + (a.y - y) * (a.y - y);
}

// What the shaping works with: the generations shown, the row range and
// the arcs' radii.
class FanShaper {
  public:
    FanShaper(const Levels& levels, std::size_t depth, long double low, long double high)
        : levels_(levels), depth_(depth), low_(low), high_(high) {}

    void Shape(const ChartMetrics& metrics);

  private:
    long double Radius(std::size_t generation) const {
        return std::sqrt(7.0L * static_cast<long double>(generation) /
                         static_cast<long double>(depth_));
    }
    ChartPoint Bent(long double key, std::size_t generation) const {
        return FanPoint(key, low_, high_, Radius(generation));
    }
    void Bend(TlossPerson& node, std::size_t generation) const {
        const ChartPoint point = Bent(node.layoutKey, generation);
        node.x = point.x;
        node.y = point.y;
    }
    void BendAll() const {
        for (std::size_t g = 0; g < depth_; ++g)
            for (TlossPerson* node : levels_[g]) Bend(*node, g);
    }
    // Whether the node has children among the generations shown.
    bool HasShownChildren(const TlossPerson& node) const {
        return !node.children.empty() && node.generation < static_cast<int32_t>(depth_);
    }
    long double Cost(const TlossPerson& node, long double key, std::size_t generation) const;
    void ImproveNode(std::size_t generation, std::size_t position);
    void Improve(std::size_t generation);
    void SpreadChildless(TlossPerson& root) const;
    void WidenRootChildren(TlossPerson& root) const;
    void Separate(std::size_t generation, const ChartMetrics& metrics) const;

    const Levels& levels_;
    std::size_t depth_;
    long double low_;
    long double high_;
};

long double FanShaper::Cost(const TlossPerson& node, long double key,
                            std::size_t generation) const {
    const ChartPoint point = Bent(key, generation);
    long double cost = 0;
    for (const TlossPerson* child : node.children)
        cost += SquaredDistance(point, child->x, child->y);
    if (!node.parents.empty() && node.parents.front()) {
        const TlossPerson& parent = *node.parents.front();
        cost += SquaredDistance(point, parent.x, parent.y);
    }
    return cost;
}

// Moves the node along its arc in steps of 0.1 rows, up while that lowers
// the cost, else down, within the room its neighbours leave.
void FanShaper::ImproveNode(std::size_t generation, std::size_t position) {
    const std::vector<TlossPerson*>& nodes = levels_[generation];
    TlossPerson& node = *nodes[position];
    const long double key = node.layoutKey;
    const long double lowest = position == 0 ? key - 1 : nodes[position - 1]->layoutKey + 1;
    const long double highest =
        position + 1 == nodes.size() ? key + 1 : nodes[position + 1]->layoutKey - 1;
    if (highest - lowest < 0.2L) return;
    long double best = key;
    long double cost = Cost(node, best, generation);
    bool moved = false;
    for (int direction : {1, -1}) {
        if (moved) break;
        for (;;) {
            const long double next = best + direction * 0.1L;
            if (next > highest || next < lowest) break;
            const long double nextCost = Cost(node, next, generation);
            if (nextCost >= cost) break;
            best = next;
            cost = nextCost;
            moved = true;
        }
    }
    if (!moved) return;
    node.layoutKey = best;
    Bend(node, generation);
}

void FanShaper::Improve(std::size_t generation) {
    const std::vector<TlossPerson*>& nodes = levels_[generation];
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (!nodes[i]->children.empty()) ImproveNode(generation, i);
    for (std::size_t i = nodes.size(); i-- > 0;)
        if (!nodes[i]->children.empty()) ImproveNode(generation, i);
}

// Every run of childless children between the first child (or a child
// with children) and the next child with children gets evenly spaced keys
// between those two; a run at the end keeps its keys. Spreading the runs of
// one box changes no key that another box's spreading reads, so the walk
// may visit the boxes in any order: a plain walk from the root, each box's
// runs before its children.
void FanShaper::SpreadChildless(TlossPerson& root) const {
    std::vector<TlossPerson*> work{&root};
    while (!work.empty()) {
        TlossPerson& node = *work.back();
        work.pop_back();
        if (!HasShownChildren(node)) continue;
        const std::vector<TlossPerson*>& c = node.children;
        std::size_t before = 0;
        for (std::size_t j = 1; j < c.size(); ++j) {
            if (!HasShownChildren(*c[j])) continue;
            const long double from = c[before]->layoutKey;
            const long double step =
                (c[j]->layoutKey - from) / static_cast<long double>(j - before);
            for (std::size_t k = before + 1; k < j; ++k)
                c[k]->layoutKey = from + static_cast<long double>(k - before) * step;
            before = j;
        }
        for (auto it = c.rbegin(); it != c.rend(); ++it) work.push_back(*it);
    }
}

// The root's childless children outside its first and last child with
// children move outward in wide steps, so that they fill the ends of the
// smallest arc instead of crowding beside their siblings.
void FanShaper::WidenRootChildren(TlossPerson& root) const {
    const std::vector<TlossPerson*>& c = root.children;
    auto hasChildren = [this](const TlossPerson* n) { return HasShownChildren(*n); };
    const auto first = std::find_if(c.begin(), c.end(), hasChildren);
    if (first == c.end()) return;
    const auto last = std::find_if(c.rbegin(), c.rend(), hasChildren);
    const long double step = std::max(1.0L, 7.0L / static_cast<long double>(root.generation + 1));
    const std::size_t f = static_cast<std::size_t>(first - c.begin());
    const std::size_t l = c.size() - 1 - static_cast<std::size_t>(last - c.rbegin());
    for (std::size_t j = 0; j < f; ++j)
        c[j]->layoutKey = c[f]->layoutKey - static_cast<long double>(f - j) * step;
    for (std::size_t j = l + 1; j < c.size(); ++j)
        c[j]->layoutKey = c[l]->layoutKey + static_cast<long double>(j - l) * step;
}

// A box closer to the one before it on its arc than 0.6 of a box in both
// directions moves 0.6 of a box height further along the direction it
// already lies in (upward when level with it).
void FanShaper::Separate(std::size_t generation, const ChartMetrics& metrics) const {
    const long double rowStep = metrics.RowStep() > 0 ? metrics.RowStep() : 1;
    const long double columnStep = metrics.ColumnStep() > 0 ? metrics.ColumnStep() : 1;
    const long double height = metrics.boxheight;
    const long double width = metrics.boxwidth;
    const std::vector<TlossPerson*>& nodes = levels_[generation];
    for (std::size_t i = 1; i + 1 < nodes.size(); ++i) {
        TlossPerson& node = *nodes[i];
        const TlossPerson& previous = *nodes[i - 1];
        const long double dy = node.y - previous.y;
        const long double dx = node.x - previous.x;
        if (std::fabs(dy) * rowStep < 0.6L * height && std::fabs(dx) * columnStep < 0.6L * width)
            node.y += (dy < 0 ? -1 : 1) * 0.6L * height / rowStep;
    }
}

void FanShaper::Shape(const ChartMetrics& metrics) {
    BendAll();
    TlossPerson& root = *levels_[0].front();
    for (std::size_t g = depth_ >= 2 ? depth_ - 2 : 0; g >= 1; --g) {
        Improve(g);
        SpreadChildless(root);
    }
    WidenRootChildren(root);
    BendAll();
    for (std::size_t g = depth_ - 1; g >= 2; --g) Separate(g, metrics);
}

void AssembleFan(TlossPerson& root, NodePool& pool, ChartList& charts, int32_t depth) {
    auto chart = std::make_unique<TinbredPerson>();
    chart->proband = &root;
    chart->complete = true;
    for (auto& node : pool.Nodes()) {
        if (node->generation > depth) continue;
        node->index = static_cast<int32_t>(chart->nodes.size());
        // A person's principal box may lie beyond the generations shown.
        TlossPerson* principal = node->person ? node->person->node : nullptr;
        node->principal = principal && principal->sosa == 1 ? principal : node.get();
        node->highlight = false;
        node->shade = node->isDouble ? 220 : 255;
        chart->nodes.push_back(node.get());
        charts.selection.push_back({node->person ? node->person->ListingText() : "", node.get()});
    }
    NormaliseChart(*chart);
    charts.charts.push_back(std::move(chart));
}

}  // namespace

ChartPoint FanPoint(long double row, long double low, long double high, long double radius) {
    const long double pi = std::numbers::pi_v<long double>;
    const long double t = 2 * (row - low) / (high - low) - 1;
    const long double angle = 0.2L * std::sin(pi * t) + pi * t / 2;
    return {2 * radius * std::sin(angle), 2.5L * radius * std::cos(angle)};
}

Levels GenerationLists(TlossPerson& root) {
    Levels levels{{&root}};
    for (;;) {
        std::vector<TlossPerson*> next;
        for (TlossPerson* node : levels.back())
            for (TlossPerson* child : node->children)
                if (child) next.push_back(child);
        if (next.empty()) break;
        levels.push_back(std::move(next));
    }
    return levels;
}

std::size_t ChooseFanDepth(TlossPerson& root, const Levels& levels) {
    // Each placement starts from fresh level rows: rows kept from the
    // placement before would start every generation below that placement's
    // last box, by a different amount in each generation, and the widths
    // measured would grow from pass to pass. The range measured takes in
    // the generation just added (its boxes placed without children), so
    // that the generation which makes the tree too wide is the first left
    // out, not the first whose children are.
    long double low = 0, high = 0;
    std::size_t k = 1;
    for (; k < levels.size() && high - low < kFanWidestRows; ++k) {
        PlaceDescendants(root, k);
        RowRange(levels, k + 1, low, high);
    }
    const std::size_t depth = high - low > kFanWidestRows ? k - 1 : k;
    PlaceDescendants(root, depth - 1);
    return depth;
}

void MakeOffspringChart(TlossPerson* root, NodePool& pool, ChartList& charts,
                        const ChartMetrics& metrics) {
    charts.DropCharts();
    if (!root) return;
    const Levels levels = GenerationLists(*root);
    const std::size_t depth = ChooseFanDepth(*root, levels);
    const auto shown = static_cast<int32_t>(depth);
    for (auto& node : pool.Nodes()) node->sosa = 0;
    for (std::size_t g = 0; g < depth; ++g) {
        for (TlossPerson* node : levels[g]) {
            node->sosa = 1;
            if (node->twin && node->twin->generation > shown) node->twin = nullptr;
        }
    }
    long double low = 0, high = 0;
    RowRange(levels, depth, low, high);
    if (high - low < 20) {
        low -= 9;
        high += 9;
    }
    for (std::size_t g = 0; g < depth; ++g)
        for (TlossPerson* node : levels[g]) node->layoutKey = node->y;
    if (high == low) high += 1;
    FanShaper(levels, depth, low, high).Shape(metrics);
    AssembleFan(*root, pool, charts, shown);
}

int32_t FanLevels(const TinbredPerson& chart) {
    int32_t levels = 1;
    for (const TlossPerson* node : chart.nodes) levels = std::max(levels, node->generation);
    return levels;
}

FanEllipse FanEllipseOf(int32_t generation, int32_t levels, const ChartMetrics& metrics) {
    const int32_t g = std::max(generation, 1);
    const int32_t shown = std::max(levels, 1);
    FanEllipse ellipse;
    ellipse.radiusX = static_cast<int32_t>(std::lround(5.0 * metrics.boxwidth / g));
    ellipse.radiusY = static_cast<int32_t>(std::lround(15.0 * metrics.boxheight / g));
    const int32_t step = g - 1;
    ellipse.colour = {static_cast<std::uint8_t>(139 + 31 * step / shown),
                      static_cast<std::uint8_t>(103 + 127 * step / shown),
                      static_cast<std::uint8_t>(54 + 80 * step / shown)};
    return ellipse;
}

void FitFanLayout(ChartLayout& layout) {
    if (!layout.chart) return;
    const TinbredPerson& chart = *layout.chart;
    const ChartMetrics& metrics = layout.metrics;
    const int32_t levels = FanLevels(chart);
    const std::size_t count = std::min(chart.nodes.size(), layout.centres.size());
    std::vector<FanEllipse> ellipses;
    ellipses.reserve(count);
    int32_t left = 0, top = 0;
    for (std::size_t i = 0; i < count; ++i) {
        ellipses.push_back(FanEllipseOf(chart.nodes[i]->generation, levels, metrics));
        left = std::min(left, layout.centres[i].x - ellipses.back().radiusX);
        top = std::min(top, layout.centres[i].y - ellipses.back().radiusY);
    }
    PixelPoint extent;
    for (std::size_t i = 0; i < count; ++i) {
        PixelPoint& centre = layout.centres[i];
        centre.x -= left;
        centre.y -= top;
        extent.x =
            std::max({extent.x, centre.x + metrics.boxwidth, centre.x + ellipses[i].radiusX + 1});
        extent.y =
            std::max({extent.y, centre.y + metrics.boxheight, centre.y + ellipses[i].radiusY + 1});
    }
    layout.extent = extent;
}

int FindFanNodeAt(const ChartLayout& layout, int32_t x, int32_t y) {
    if (!layout.chart) return -1;
    const ChartMetrics& metrics = layout.metrics;
    const std::size_t count = std::min(layout.chart->nodes.size(), layout.centres.size());
    for (std::size_t i = 0; i < count; ++i) {
        const PixelPoint centre = layout.centres[i];
        if (2 * std::abs(centre.x - x) < metrics.boxwidth &&
            2 * std::abs(centre.y - y) < metrics.boxheight)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace lg
