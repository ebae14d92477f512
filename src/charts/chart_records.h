#pragma once
// The two records every chart computation produces: TlossPerson, one box of
// a chart with its links to the parent and child boxes of the same chart,
// and TinbredPerson, one chart as handed to a window or page writer.
// A chart list's node pool owns the boxes; every pointer here is non-owning
// and may be null.

#include <cstdint>
#include <string>
#include <vector>

#include "database/records.h"

namespace lg {

// One box of a chart. A plain record: the chart builders, the layout and the
// analyses each use the fields they need and leave the others alone.
struct TlossPerson {
    int32_t index = 0;        // position in its chart's nodes and coords once assembled
    std::string key;          // genealogy: link back to the parent's row; hint text
    std::string name;         // marriages summary for the hints, not the box label
    bool expanded = false;    // descendant tree: children added
    bool inGroup = false;     // graph layout: in the group being laid out
    bool highlight = false;   // chart windows' highlight
    bool visited = false;     // scratch mark of the group collector
    bool isDouble = false;    // the person occurs more than once in this chart
                              // ("double" is a keyword)
    bool lineFlag = false;    // pedigree: on the proband's direct paternal line
    int32_t rank = 0;         // pedigree: 1-based position within its generation
    int32_t personIndex = 0;  // position of the person in the person list
    int32_t shade = 255;      // grey level of the box, 255 = white
    int32_t pathCount = 0;    // scratch counter of the pedigree-loss analysis
    int32_t generation = 0;   // proband = 1; links to a negative one count as absent
    int32_t sosa = 0;         // ancestor number: father of n is 2n, mother 2n + 1
    // Extended precision, as the layout's comparisons were tuned to it.
    long double completeness = 0;  // unique fraction of the pedigree
    // Where the placement put the box, while it works; the chart's coords
    // are the result that windows and writers read.
    long double x = 0;          // column, in box units
    long double y = 0;          // row, in box units
    long double layoutKey = 0;  // scratch value of the graph layout
    Tindividual* person = nullptr;
    std::vector<TlossPerson*> parents;  // father first
    std::vector<TlossPerson*> children;
    TlossPerson* twin = nullptr;  // pedigree: the first box of the same person
    // The person's principal box in this chart (the one with the text row),
    // kept here because the person's own node field follows the last build.
    TlossPerson* principal = nullptr;
};

// A point in normalised chart coordinates, in box units.
struct ChartPoint {
    long double x = 0;
    long double y = 0;
};

// One chart: its boxes in drawing order with their normalised coordinates.
struct TinbredPerson {
    TlossPerson* proband = nullptr;
    int32_t chartIndex = 0;  // index in the chart list of the window showing it
    bool complete = true;    // false when the graph layout had to truncate the group
    std::vector<TlossPerson*> nodes;
    std::vector<ChartPoint> coords;  // one per entry of nodes, same order
};

}  // namespace lg
