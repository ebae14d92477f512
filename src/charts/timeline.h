#pragma once
// The timeline chart: the descendants of a proband as rows against a time
// axis, daughters' blocks above and sons' blocks below their parent, each
// person's spouses beside him. The rows go into the persons' timelineRow
// fields (0 = not placed); the window shows the tree as the genealogy does.

#include <cstdint>

#include "base/reporter.h"
#include "charts/chart_list.h"

namespace lg {

// The vertical metrics of the rows, in pixels.
struct TimelineRows {
    int32_t start = 10;
    int32_t height = 13;
    int32_t gap = 6;
};

// Places the tree's persons and their spouses; a person reached twice keeps
// the later position. Any sex other than male counts as a woman, so every
// child is placed. Runs without recursion. Returns the running counter at
// the end: the height the rows take.
int32_t AssignTimelineRows(const TlossPerson& root, const TimelineRows& rows);

// The years the time axis spans. Missing years (0) are left out, so that a
// person without dates does not stretch the scale back to year 0.
struct YearRange {
    int32_t first = 0;
    int32_t last = 0;
    // Where the year lies on an axis of `width` pixels, truncated.
    int32_t X(int32_t year, int32_t width = 1024) const;
};

// The range of the known birth, death and marriage years of the tree's
// persons and their spouses; a century up to the current year when no one
// has a year.
YearRange TimelineYearRange(const TlossPerson& root, int32_t currentYear);

// The year of the family's marriage date, 0 without one.
int32_t MarriageYear(const Tfamily& family);

// Assigns the window's rows, then assembles the one chart as the genealogy
// chart does.
void MakeTimelineChart(TlossPerson* root, NodePool& pool, ChartList& charts, Reporter& reporter);

}  // namespace lg
