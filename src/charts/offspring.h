#pragma once
// The offspring fan: the descendant tree bent into the crown of a tree,
// the proband at the foot and each generation on a wider arc above the
// one before, the descendants spread over the arcs so that every box lies
// close to its parent and children and neighbours on an arc do not cover
// each other. Only as many generations are shown as keep the tree at most
// 70 rows wide before it is bent; the boxes of the generations left out
// are not in the chart, and their parents get spokes in the drawing.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/reporter.h"
#include "base/text_helpers.h"
#include "charts/chart_list.h"
#include "charts/chart_view.h"

namespace lg {

// The widest the placed tree may be, in rows, before the generation that
// makes it wider is left out.
inline constexpr long double kFanWidestRows = 70;

// The bending rule: a row of the range [low, high] (high > low) as a point
// on the arc of the radius, in chart units (x columns to the right, y rows
// upward): low at the left end of the arc, high at the right end, the
// middle straight above the foot.
ChartPoint FanPoint(long double row, long double low, long double high, long double radius);

// The tree by generation: [0] the root, [i + 1] the children of the boxes
// of [i], in order. Without recursion.
std::vector<std::vector<TlossPerson*>> GenerationLists(TlossPerson& root);

// The number of generations the fan of the tree shows: the most whose
// placed rows span at most kFanWidestRows (at least the root's), found by
// placing one generation more at a time, each placement from fresh level
// rows. Leaves the tree placed for that many generations.
std::size_t ChooseFanDepth(TlossPerson& root, const std::vector<std::vector<TlossPerson*>>& levels);

// Bends and shapes the tree into the fan and replaces the chart list's
// charts with the one offspring chart: the boxes of the shown generations
// (sosa 1, the others 0) in pool order, white or, for doubles, grey 220,
// with the drop-down entries. The metrics give the box size and spacing
// that neighbours on an arc are kept apart by.
void MakeOffspringChart(TlossPerson* root, NodePool& pool, ChartList& charts,
                        const ChartMetrics& metrics);

// The number of generations an offspring chart shows (its deepest box's
// generation), at least 1.
int32_t FanLevels(const TinbredPerson& chart);

// The ellipse drawn around every box of a generation: radii in pixels and
// the colour, from dark brown at the root to light green at the rim.
struct FanEllipse {
    int32_t radiusX = 0;
    int32_t radiusY = 0;
    Color colour;
};
FanEllipse FanEllipseOf(int32_t generation, int32_t levels, const ChartMetrics& metrics);

// Fits the fan's layout to its ellipses: when an ellipse would reach past
// the left or top edge of the drawing, every box moves right or down by as
// much, and the extent takes in the boxes and all ellipses, so that the
// crown is drawn whole. LayOutChart does this for the fan's shape.
void FitFanLayout(ChartLayout& layout);

// The index of the box under the pixel of the laid-out fan, -1 for none:
// the first box in node order whose centre lies less than half a box
// width and less than half a box height away. The fan's boxes are in no
// row order, so all are looked at.
int FindFanNodeAt(const ChartLayout& layout, int32_t x, int32_t y);

}  // namespace lg
