#pragma once
// The boxes and lines of a chart page, pedigree tableau or genealogy chart,
// and how they become the page's elements: every box an absolutely
// positioned paragraph, the lines that join a box to the boxes of the next
// column (its parents or its children) empty tables of which only some
// borders show. Touching lines of a row are merged, and the lines at the
// ends of a vertical line become brackets, so a page needs little more than
// two elements per box.

#include <cstdint>
#include <vector>

#include "base/reporter.h"
#include "charts/chart_records.h"
#include "charts/settings_types.h"

namespace lg {

// One element of a chart page, alive while the page is prepared.
struct TableauItem {
    enum Kind : std::uint8_t { Box = 0, Horizontal = 1, Vertical = 2, Bracket = 3 };
    Kind kind = Box;
    bool solid = true;      // on the family line: drawn black, otherwise grey
    bool consumed = false;  // absorbed into another element
    int32_t x = 0;          // box: centre; line and bracket: left end
    int32_t y = 0;          // box: centre; horizontal line: its row; vertical, bracket: top
    int32_t width = 0;
    int32_t height = 0;       // vertical lines and brackets
    int32_t chainWidth = -1;  // horizontal line: width of its chain; box, bracket: width
    // Box: its node. Horizontal line: the next line of its chain.
    TlossPerson* node = nullptr;
    TableauItem* next = nullptr;
};

// The items of one page and the two lists that point into them: the line
// list (horizontal and vertical lines while they are joined) and the element
// list (what is written). Items live in large blocks, at stable addresses,
// until the lists are dropped.
class TableauLists {
  public:
    std::vector<TableauItem*> lines;
    std::vector<TableauItem*> elements;

    // Stores a copy of the item and appends it to the list (one of the two).
    TableauItem& Add(std::vector<TableauItem*>& list, const TableauItem& item);

    // Stable sorts of one of the two lists: by row (y, x, kind descending)
    // and by column (x, y, kind descending). A vertical line comes before a
    // horizontal line at its top.
    void SortByRow(std::vector<TableauItem*>& list) { Sort(list, true); }
    void SortByColumn(std::vector<TableauItem*>& list) { Sort(list, false); }

  private:
    struct SortKey {
        uint64_t key;  // both coordinates and the kind, packed in sort order
        TableauItem* item;
    };
    void Sort(std::vector<TableauItem*>& list, bool rowsFirst);

    std::vector<std::vector<TableauItem>> blocks_;
    // Kept from sort to sort: fresh memory is slow to touch.
    std::vector<SortKey> keys_;
    std::vector<SortKey> sorted_;
};

// Which boxes stand in the next column to the right of a box: its parents
// (a pedigree, all drawn solid) or its children (a genealogy, where what
// is off the family line is grey).
enum class ChartDirection { Ancestors, Descendants };

// Whether a genealogy sets its family line apart by drawing what is off it
// in grey: when the naming scheme holds "@", as in the chart window.
bool GreyOffFamilyLine(const Tvariables& settings);

// Adds a box per node of the chart, from its proband, to the elements and, per
// node with boxes in the next column, the lines that join it to them: one
// horizontal line per parent or child from the middle of the gap to that
// box's right edge, the vertical line between the first and the last of
// them, and the stub from the node's box to the gap. Coordinates are
// pixels: the chart's coordinates (box units) times the column and row
// steps, rounded to the nearest (halves to even). Depth first, without recursion.
// Descendants, when the naming scheme holds "@": a box and the line to a
// child are solid when that node is on the family line (lineFlag); the
// vertical line and the stub only when every child is. Otherwise every
// item is solid.
void CollectTableauItems(const TinbredPerson& chart, const Tvariables& settings,
                         TableauLists& lists, ChartDirection direction = ChartDirection::Ancestors);

// For lines sorted by row: gives every horizontal line whose chainWidth is
// still -1 the width of the chain of touching lines of its row that starts
// with it (a line touches when it starts at most one pixel after the end of
// the previous one and is as solid), linking each line to the next of its
// chain.
void ChainHorizontalLines(std::vector<TableauItem*>& lines);

// For chained lines sorted by column: turns each vertical line with the
// lines at its ends into a bracket, and every chain of horizontal lines not
// absorbed that way into one horizontal element, and appends them to the
// elements (the vertical line becomes the bracket, the chain's first line
// the horizontal element). A vertical line whose end lines are not as solid
// as itself is written as a vertical element; the lines along a vertical
// line are paired into further brackets, shortest chains first, while the
// two of a pair are as solid. Stops when the run state is not 0; reports a
// vertical line without two lines along it as a program error (which sets
// it to 2). Empties the line list.
void ConvertLines(TableauLists& lists, Reporter& reporter);

// A chart page ready to be written: its elements sorted by row, and the raw
// coordinates of the page origin (the top of the highest box, the left edge
// of the root's box).
struct PreparedTableau {
    TableauLists lists;
    int32_t left = 0;
    int32_t top = 0;
    int32_t rootY = 0;         // raw row of the root's box
    bool probandLink = false;  // the root lies so low that the header links to it
};

// Collects, chains, converts and orders the items of the chart; a chart of
// the proband alone is his box. False (and nothing prepared) for a chart
// without boxes.
bool PrepareTableau(const TinbredPerson& chart, const Tvariables& settings,
                    ChartDirection direction, Reporter& reporter, PreparedTableau& page);

// How far the chart must move down to keep clear of the header blocks at
// the top left of the page (title, legend, link block), for elements
// sorted by row; 0 when nothing is in the way. left and top are the raw
// coordinates of the page origin.
int32_t HeaderClearance(int32_t left, int32_t top, const std::vector<TableauItem*>& elements,
                        const Tvariables& settings);

}  // namespace lg
