#pragma once
// The layout of charts in which a person is reached along several routes
// (pedigree loss, kinship), so that no tree placement applies. Vertically
// the boxes measure generations: a least-squares relaxation sets every
// parent about one unit above its child. A group too wide for the chart
// depth is truncated front by front. Horizontally the boxes are placed
// from the youngest upward, each front spread round the places its
// relatives suggest and relaxed towards them, boxes kept apart.
//
// The layout knows nothing of the analysis that calls it: it reads the
// boxes' parents and children (limited to the boxes it is given) and their
// completeness, and writes y (generations, older larger) and x (columns),
// both in box units.

#include <cstdint>
#include <vector>

#include "base/reporter.h"
#include "charts/chart_list.h"

namespace lg {

// Two boxes whose rows differ by dy need at least this horizontal distance
// (none beyond 0.6): boxes on one level a whole unit, boxes 0.7 apart may
// share a column.
double RequiredDistance(double dy);

// Sets y of every box of the list from its relatives within the list, one
// connected group after the other ("Calculating vertical placements" and
// the group in the status line). A person who is his own ancestor is
// reported with a trace of the loop and stops the placement (run state 2);
// a group whose spacing the relaxation could not keep positive is reported
// and placed anyway. False when stopped (a loop or Esc).
bool PlaceGenerations(const std::vector<TlossPerson*>& nodes, Reporter& reporter);

// Readies a group for horizontal placement: sorts it by ascending y,
// collects its youngest boxes (no child in the group) into youngest, also
// by ascending y, and truncates the group where a generation front would
// hold more than max(3 * chartDepth + 5, 5) - 1 boxes, keeping the boxes
// on longer single lines and with less loss. True when nothing was
// dropped; the dropped boxes leave both lists.
bool PrepareGroup(std::vector<TlossPerson*>& group, std::vector<TlossPerson*>& youngest,
                  int32_t chartDepth);

// Sets x of every box of a prepared group, showing "Building chart %index;
// To go : %n" with the chart's number and the charts after it. False when
// interrupted (Esc or run state 2).
bool PlaceGroup(const std::vector<TlossPerson*>& group, const std::vector<TlossPerson*>& youngest,
                int32_t chartNumber, int32_t chartsToGo, Reporter& reporter);

// Appends the chart of a placed group to the list: copies of its boxes
// that link only to each other (so that a box shared with another chart
// keeps its own place and marks in each), owned by the list's pool, with
// their normalised coordinates. The proband's copy is the chart's proband.
TinbredPerson& AssembleGraphChart(const std::vector<TlossPerson*>& group,
                                  const TlossPerson& proband, bool complete, ChartList& charts);

}  // namespace lg
