#include "charts/chart_view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "charts/offspring.h"

namespace lg {
namespace {

int32_t Scaled(long double units, int32_t step) {
    return static_cast<int32_t>(std::lround(units * step));
}

int32_t RowOf(const TinbredPerson& chart, const ChartMetrics& metrics, std::size_t i) {
    return BoxCentre(chart.coords[i], metrics).y;
}

// The first chart index reachable from `from` in the direction, or -1.
std::ptrdiff_t StepTarget(const ChartList& charts, int direction) {
    auto count = static_cast<std::ptrdiff_t>(charts.charts.size());
    for (auto i = static_cast<std::ptrdiff_t>(charts.chartIndex) + direction; i >= 0 && i < count;
         i += direction)
        if (charts.charts[static_cast<std::size_t>(i)]->chartIndex == i) return i;
    return -1;
}

}  // namespace

ChartMetrics ChartMetrics::Of(const Tvariables& settings) {
    return {settings.xoffset,   settings.yoffset, settings.boxwidth,
            settings.boxheight, settings.xspace,  settings.yspace};
}

PixelPoint BoxCentre(const ChartPoint& point, const ChartMetrics& metrics) {
    return {metrics.xoffset + metrics.boxwidth / 2 + Scaled(point.x, metrics.ColumnStep()),
            metrics.yoffset + metrics.boxheight / 2 + Scaled(point.y, metrics.RowStep())};
}

ChartLayout LayOutChart(const TinbredPerson& chart, const ChartMetrics& metrics, ChartShape shape) {
    ChartLayout layout;
    layout.chart = &chart;
    layout.metrics = metrics;
    layout.centres.reserve(chart.coords.size());
    for (const ChartPoint& point : chart.coords)
        layout.centres.push_back(BoxCentre(point, metrics));
    layout.extent = ChartExtent(chart, metrics);
    if (shape == ChartShape::Fan) FitFanLayout(layout);
    return layout;
}

PixelPoint ChartExtent(const TinbredPerson& chart, const ChartMetrics& metrics) {
    PixelPoint extent;
    for (const ChartPoint& point : chart.coords) {
        PixelPoint centre = BoxCentre(point, metrics);
        extent.x = std::max(extent.x, centre.x);
        extent.y = std::max(extent.y, centre.y);
    }
    extent.x += metrics.boxwidth;
    extent.y += metrics.boxheight;
    return extent;
}

std::pair<std::size_t, std::size_t> NodesInRows(const TinbredPerson& chart,
                                                const ChartMetrics& metrics, int32_t top,
                                                int32_t bottom) {
    const std::size_t n = chart.coords.size();
    if (n == 0) return {0, 0};
    const int32_t half = metrics.boxheight / 2;
    const int32_t low = top - half;
    const int32_t high = bottom + half;
    auto search = [&](auto before) {
        std::size_t first = 0, count = n;
        while (count > 0) {
            std::size_t step = count / 2;
            if (before(RowOf(chart, metrics, first + step))) {
                first += step + 1;
                count -= step + 1;
            } else {
                count = step;
            }
        }
        return first;
    };
    if (RowOf(chart, metrics, 0) <= RowOf(chart, metrics, n - 1)) {
        return {search([&](int32_t row) { return row < low; }),
                search([&](int32_t row) { return row <= high; })};
    }
    return {search([&](int32_t row) { return row > high; }),
            search([&](int32_t row) { return row >= low; })};
}

int FindNodeAt(const TinbredPerson& chart, const ChartMetrics& metrics, int32_t x, int32_t y) {
    auto [first, last] = NodesInRows(chart, metrics, y, y);
    for (std::size_t i = first; i < last; ++i) {
        PixelPoint centre = BoxCentre(chart.coords[i], metrics);
        if (std::abs(centre.x - x) <= metrics.boxwidth / 2 &&
            std::abs(centre.y - y) <= metrics.boxheight / 2)
            return static_cast<int>(i);
    }
    return -1;
}

bool StepChart(ChartList& charts, int direction) {
    std::ptrdiff_t target = StepTarget(charts, direction);
    if (target < 0) return false;
    charts.chartIndex = static_cast<std::size_t>(target);
    return true;
}

bool CanStepChart(const ChartList& charts, int direction) {
    return StepTarget(charts, direction) >= 0;
}

}  // namespace lg
