#pragma once
// A chart as a window shows it, apart from the window: where each box lies
// in pixels, which box is under the pointer, which boxes a part of the
// surface needs, the hint of a box and the stepping between the charts of
// a run. The painter, the windows and the benchmarks share it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "charts/chart_list.h"
#include "text/person_description.h"
#include "text/settings_types.h"

namespace lg {

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

// Puts every box's pixel centre into its x and y, where the painter and the
// lines between boxes find them. The page writers copy the normalised
// coordinates back before they write.
void LayOutChart(TinbredPerson& chart, const ChartMetrics& metrics);

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

// The hint of a box: "ID:", the person's description, "(Also: key.)" or the
// marriages summary, and for a double the invitation to click for the link.
// Empty for a box without person.
std::string BoxHint(const TlossPerson& node, const DescriptionContext& context);

// Moves the chart index to the previous (direction -1) or next (+1) chart
// whose chartIndex equals its position in the list; false, and nothing
// changes, when there is none.
bool StepChart(ChartList& charts, int direction);
// Whether StepChart could move that way.
bool CanStepChart(const ChartList& charts, int direction);

}  // namespace lg
