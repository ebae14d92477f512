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
    int32_t x = 0;  // box: centre; line and bracket: left end
    int32_t y = 0;  // box: centre; horizontal line: its row; vertical, bracket: top
    int32_t width = 0;
    int32_t height = 0;       // vertical lines and brackets
    int32_t chainWidth = -1;  // horizontal line: width of its chain; box, bracket: width
    bool consumed = false;    // absorbed into another element
    // Box: its node. Horizontal line: the next line of its chain.
    TlossPerson* node = nullptr;
    TableauItem* next = nullptr;
};

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
