#include "charts/chart_list.h"

#include <algorithm>

#include "base/fill_in.h"
#include "base/messages.h"

namespace lg {

void AssembleChart(TlossPerson& root, NodePool& pool, ChartList& charts, Reporter& reporter) {
    auto& nodes = pool.Nodes();
    for (auto& node : nodes) node->y = -node->y;
    std::stable_sort(nodes.begin(), nodes.end(),
                     [](const auto& a, const auto& b) { return a->y < b->y; });
    auto chart = std::make_unique<TinbredPerson>();
    chart->proband = &root;
    chart->complete = true;
    chart->nodes.reserve(nodes.size());
    charts.selection.reserve(nodes.size());
    for (auto& node : nodes) {
        node->index = static_cast<int32_t>(chart->nodes.size());
        node->principal = node->person ? node->person->node : nullptr;
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
