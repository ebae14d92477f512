#pragma once
// A chart as a window shows it, apart from the window: where each box lies
// in pixels, which box is under the pointer, which boxes a part of the
// surface needs, the hint of a box and the stepping between the charts of
// a run. The painter, the windows and the benchmarks share it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "charts/chart_list.h"
#include "charts/settings_types.h"

namespace lg {

// The shapes of chart a window draws: they differ in how the lines between
// the boxes run. A new shape is one more value here and one more
// line-making function in the painter's table of shapes.
enum class ChartShape {
    Tree,         // a pedigree: child on the left, its parents in the next column
    Descendants,  // a descendant chart: parent on the left, children to the right
    Graph,        // persons reached along several routes: straight lines, older above
    Fan,          // the offspring fan: straight lines out from the foot, ellipses, spokes
};

// The box size and spacing of the current settings, in pixels.
struct ChartMetrics {
    int32_t xoffset = 0;
    int32_t yoffset = 0;
    int32_t boxwidth = 0;
    int32_t boxheight = 0;
    int32_t xspace = 0;
    int32_t yspace = 0;

    static ChartMetrics Of(const Tvariables& settings);
    int32_t ColumnStep() const { return boxwidth + xspace; }
    int32_t RowStep() const { return boxheight + yspace; }
};

struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// The pixel centre of a box at normalised chart coordinates: the top-left
// box's centre lies half a box inside the offsets.
PixelPoint BoxCentre(const ChartPoint& point, const ChartMetrics& metrics);

// Where a window draws the boxes of one chart: every box's pixel centre, in
// the chart's node order (a box's index), for the metrics it was laid out
// with. The window keeps it as its own view data; the chart is not changed,
// so the page writers and the next window see the chart as it was made.
struct ChartLayout {
    const TinbredPerson* chart = nullptr;
    ChartMetrics metrics;
    std::vector<PixelPoint> centres;
    PixelPoint extent;  // ChartExtent

    PixelPoint CentreOf(const TlossPerson& node) const {
        return centres[static_cast<std::size_t>(node.index)];
    }
};

// Lays the chart out in pixels for the metrics; the fan's shape is fitted
// to its ellipses (FitFanLayout), the others' extent is ChartExtent.
ChartLayout LayOutChart(const TinbredPerson& chart, const ChartMetrics& metrics,
                        ChartShape shape = ChartShape::Tree);

// The size of the drawing: the largest box centre plus a box size.
PixelPoint ChartExtent(const TinbredPerson& chart, const ChartMetrics& metrics);

// The range [first, last) of node indices whose rows lie within the pixel
// rows top..bottom widened by half a box height. The chart's nodes must be
// ordered by row, as the chart assembly leaves them (bottom row first);
// either direction is accepted.
std::pair<std::size_t, std::size_t> NodesInRows(const TinbredPerson& chart,
                                                const ChartMetrics& metrics, int32_t top,
                                                int32_t bottom);

// The index of the box under the pixel, -1 for none: the first box in node
// order whose centre is within half a box width and half a box height.
int FindNodeAt(const TinbredPerson& chart, const ChartMetrics& metrics, int32_t x, int32_t y);

// Moves the chart index to the previous (direction -1) or next (+1) chart
// whose chartIndex equals its position in the list; false, and nothing
// changes, when there is none.
bool StepChart(ChartList& charts, int direction);
// Whether StepChart could move that way.
bool CanStepChart(const ChartList& charts, int direction);

}  // namespace lg
