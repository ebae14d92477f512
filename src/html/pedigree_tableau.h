#pragma once
// The graphical pages of a chart: the pedigree's "tableau" and the
// genealogy's chart page, each with its miniature outline page without
// texts. Both charts are written by one writer; they differ in the way the
// chart grows (parents or children in the next column), in the head and
// header of the page and in what their boxes show.

#include <string>
#include <string_view>

#include "charts/chart_records.h"
#include "html/page_common.h"
#include "html/tableau_items.h"

namespace lg {

// The file name of an output that a chart type does not produce.
inline constexpr std::string_view kDisabledOutput = "(disabled)";

// What one chart's boxes show besides the name.
class ChartBoxes {
  public:
    virtual ~ChartBoxes() = default;
    // The box's class attribute (" class=m"), or empty.
    virtual std::string Class(const TlossPerson& node) const = 0;
    // The hint of the box's link to the text page.
    virtual std::string Hint(const TlossPerson& node) const = 0;
    // The anchor on the text page that the box's link leads to.
    virtual std::string Anchor(const TlossPerson& node) const = 0;
};

// A kind of chart page. Descendants: the genealogy's head (with the grey
// styles of the persons off the family line) and header.
struct ChartPageKind {
    ChartDirection direction;
    const ChartBoxes& boxes;
};

// Writes the chart page (setting "output") of the chart at its coordinates;
// context.chartTitle must hold the title. Nothing is written when the
// proband has no box in the next column. May raise settings.yoffset to clear the header.
// Throws PageWriteError when the file cannot be written.
void WriteChartPage(const TinbredPerson& chart, PageContext& context, const ChartPageKind& kind);

// Writes the outline page (setting "outline", which must not be empty): the
// same chart with 30 x 4 boxes without text. The box size settings are
// restored afterwards. Throws PageWriteError like the chart page.
void WriteChartOutline(const TinbredPerson& chart, PageContext& context, const ChartPageKind& kind);

// The head of the genealogy's chart pages, shared with the offspring page.
void WriteGenealogyHead(PageFile& file, const PageContext& context);

// The header of the genealogy's chart page (title, sex legend, link block),
// shared with the offspring page, whose picture imageFile names (empty: no
// picture).
void WriteChartHeader(PageFile& file, const PageContext& context, bool probandLink,
                      std::string_view imageFile);

// Writes the tableau page (setting "output") of the pedigree chart. Sets
// the chart title first. Nothing is written when the proband
// has no recorded parents. May raise settings.yoffset to clear the header.
// Throws PageWriteError when the file cannot be written.
void WriteTableauPage(const TinbredPerson& chart, PageContext& context);

// Writes the outline page (setting "outline"; nothing when it is empty):
// the same chart with 30 x 4 boxes without text. The box size settings are
// restored afterwards. Throws PageWriteError like the tableau.
void WriteOutlinePage(const TinbredPerson& chart, PageContext& context);

}  // namespace lg
