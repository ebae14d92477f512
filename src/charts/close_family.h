#pragma once
// The close family of one person as a picture plan: the focus person with
// parents, grandparents, partners and children, each in a fixed place, the
// lines between them and the row captions, in the order they are drawn.
// Also the history of focus persons the close-family window steps through.
// Free of any toolkit: the window only turns the plan into pixels.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "charts/settings_types.h"
#include "database/records.h"

namespace lg {

// A place in the plan: a column (halves occur) and a row, in steps of the
// enlarged box size; see CloseFamilyGeometry.
struct FamilyCell {
    double column = 0;
    int32_t row = 0;
    friend bool operator==(const FamilyCell&, const FamilyCell&) = default;
};

// One person's box.
struct FamilyBox {
    Tindividual* person = nullptr;  // never null in a layout
    double column = 0;
    int32_t row = 0;
    FamilyCell Cell() const { return {column, row}; }
};

// A line from the centre of one box to the centre of another: black, solid
// or dotted (partners).
struct FamilyConnector {
    FamilyCell from;
    FamilyCell to;
    bool dotted = false;
};

// A caption left of the boxes: written at pixel x, 5 pixels above the
// centre line of its row, on a silver ground. Internal (code page) text.
struct FamilyLabel {
    std::string text;
    int32_t x = 0;
    int32_t row = 0;
};

// The grey line that gathers one family's children: vertical in their
// column, from the partner's row down to the last child's row.
struct FamilyChildLine {
    double column = 0;
    int32_t fromRow = 0;
    int32_t toRow = 0;
};

// Which list a drawing step takes its item from.
enum class FamilyPart { Box, Connector, Label, ChildLine };

struct FamilyDrawStep {
    FamilyPart part = FamilyPart::Box;
    std::size_t index = 0;  // into the layout's list of that part
};

// The whole plan. Every list holds its items in drawing order; `steps`
// interleaves them: lines before the boxes they join, the focus person's
// box last, so that it lies on top of the lines that meet it.
struct CloseFamilyLayout {
    std::vector<FamilyBox> boxes;
    std::vector<FamilyConnector> connectors;
    std::vector<FamilyLabel> labels;
    std::vector<FamilyChildLine> childLines;
    std::vector<FamilyDrawStep> steps;
    double lastColumn = 0;  // the rightmost box's column
    int32_t lastRow = 0;    // the lowest row in use (an empty partner row counts)

    // The index in `boxes` of the person's first box; -1 when not shown.
    int IndexOf(const Tindividual& person) const;
};

// Grandparents in row 0 at columns 1, 2 (the father's parents), 3 and 4
// (the mother's); father and mother in row 2 at columns 1.5 and 3.5; the
// focus person in row 4 at column 2.5. Then, for each of the focus
// person's families in list order, the partner in the next row at column
// 4.5 and that family's children below at column 3.5, a row each; a
// family without partner keeps its (empty) partner row. Unknown parents
// and grandparents leave no box, connector or caption. The captions are
// "grandparents", "parents" and "focus person" at x = 3, "partner" (with
// " i" when there are several families) at x = 3, and "child n" at x = 23,
// n running over all families. FAMS links that did not resolve to a family
// and child entries without person are left out. The layout points into
// the database: it is valid as long as the persons are.
CloseFamilyLayout LayOutCloseFamily(Tindividual& focus);

struct FamilyPixel {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const FamilyPixel&, const FamilyPixel&) = default;
};

// Pixels of the plan. Boxes are 1.5 times the settings' box size (halves
// rounded up); one column step is that width plus xspace, one row step that
// height plus yspace. A box at (column, row) has its top-left corner at
// (kMargin + column * column step, kMargin + row * row step), rounded to
// the nearest pixel, so column 0 is left free for the captions.
struct CloseFamilyGeometry {
    static constexpr int32_t kMargin = 20;

    int32_t boxWidth = 0;
    int32_t boxHeight = 0;
    int32_t columnStep = 0;
    int32_t rowStep = 0;

    static CloseFamilyGeometry Of(const Tvariables& settings);

    FamilyPixel Centre(FamilyCell cell) const;
    // The y of the centre line of a row.
    int32_t RowCentre(int32_t row) const;
    // The corner points of a connector: from the first box's centre, and
    // when the centres differ both ways, horizontally to the second box's
    // column and then vertically to its centre; else straight (two points).
    std::vector<FamilyPixel> ConnectorPath(const FamilyConnector& connector) const;
    // The drawing's size: the lowest and rightmost box edge plus the margin.
    FamilyPixel Extent(const CloseFamilyLayout& layout) const;
    // The index in layout.boxes of the box under the pixel (the rectangle
    // DrawBox fills around the centre); -1 for none. Boxes drawn later win.
    int BoxAt(const CloseFamilyLayout& layout, int32_t x, int32_t y) const;
};

// The persons a close-family window has shown, by ID, and the one shown
// now. Moving back and forward never passes the ends.
struct FocusHistory {
    std::vector<std::string> ids;
    std::size_t current = 0;  // meaningless while ids is empty

    // Drops every entry after the current one, appends the ID and makes it
    // current, as a browser's history does.
    void Push(std::string_view id);
    // Move to the previous / next entry; false, and nothing changes, at the end.
    bool Back();
    bool Forward();
    bool CanGoBack() const { return !ids.empty() && current > 0; }
    bool CanGoForward() const { return current + 1 < ids.size(); }
    // The current ID; empty while the history is.
    std::string_view Current() const;
};

}  // namespace lg
