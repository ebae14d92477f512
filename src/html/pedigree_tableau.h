#pragma once
// The graphical page of a pedigree chart (the "tableau"): every box an
// absolutely positioned paragraph, the lines that join a child to its
// parents empty tables of which only some borders show. The same writer
// makes the miniature outline page without texts.

#include <cstdint>
#include <vector>

#include "charts/chart_records.h"
#include "html/page_common.h"

namespace lg {

// One element of a tableau page, alive while the page is prepared.
struct TableauItem {
    enum Kind : std::uint8_t { Box = 0, Horizontal = 1, Vertical = 2, Bracket = 3 };
    Kind kind = Box;
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
// list (boxes, horizontal lines and brackets: what is written). Items live in
// large blocks, at stable addresses, until the lists are dropped.
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

// Adds a box per node of the chart rooted at root to the elements and, per
// child with parents, the lines that join it to them: one horizontal line per
// parent from the middle of the gap to the parent box's right edge, the
// vertical line between two parents, and the stub from the child's box to
// the gap. Coordinates are pixels: the nodes' box units times the column and
// row steps, rounded to the nearest (halves to even). Depth first, parents in
// order, without recursion.
void CollectTableauItems(TlossPerson& root, const Tvariables& settings, TableauLists& lists);

// For lines sorted by row: gives every horizontal line whose chainWidth is
// still -1 the width of the chain of touching lines of its row that starts
// with it (a line touches when it starts at most one pixel after the end of
// the previous one), linking each line to the next of its chain.
void ChainHorizontalLines(std::vector<TableauItem*>& lines);

// For chained lines sorted by column: turns each pair of parent lines with
// the vertical line between them into a bracket, and every chain of
// horizontal lines not absorbed that way into one horizontal element, and
// appends them to the elements (the vertical line becomes the bracket, the
// chain's first line the horizontal element). Stops when the run state is not 0; reports a
// vertical line without two parent lines as a program error (which sets it
// to 2). Empties the line list.
void ConvertLines(TableauLists& lists, Reporter& reporter);

// A tableau ready to be written: its elements sorted by row, and the raw
// coordinates of the page origin (the top of the highest box, the left edge
// of the proband's box).
struct PreparedTableau {
    TableauLists lists;
    int32_t left = 0;
    int32_t top = 0;
    bool probandLink = false;  // the proband lies so low that the header links to it
};

// Collects, chains, converts and orders the items of the chart rooted at
// root. False (and nothing prepared) when the proband has no parents.
bool PrepareTableau(TlossPerson& root, const Tvariables& settings, Reporter& reporter,
                    PreparedTableau& page);

// How far the chart must move down to keep clear of the header blocks at
// the top left of the page (title, legend, link block), for elements
// sorted by row; 0 when nothing is in the way. left and top are the raw
// coordinates of the page origin.
int32_t HeaderClearance(int32_t left, int32_t top, const std::vector<TableauItem*>& elements,
                        const Tvariables& settings);

// Writes the tableau page (setting "output") of the chart rooted at the
// proband's node; the nodes' x and y must hold the chart coordinates in box
// units. Sets the chart title first. Nothing is written when the proband
// has no recorded parents. May raise settings.yoffset to clear the header.
// Throws PageWriteError when the file cannot be written.
void WriteTableauPage(TlossPerson& root, PageContext& context);

// Writes the outline page (setting "outline"; nothing when it is empty):
// the same chart with 30 x 4 boxes without text. The box size settings are
// restored afterwards. Throws PageWriteError like the tableau.
void WriteOutlinePage(TlossPerson& root, PageContext& context);

}  // namespace lg
