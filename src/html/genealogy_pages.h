#pragma once
// The pages of a genealogy (descendant) chart: the chart page and its
// outline, drawn from the proband on the left to the descendants on the
// right with the persons off the family line in grey, and the text page
// with numbered rows, family blocks and children tables. The frames page is
// the pedigree's.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "charts/chart_records.h"
#include "html/page_common.h"

namespace lg {

// The rows of the text page and their numbers. They are worked out when the
// pages are written and kept apart from the chart, which publishing leaves
// as it was.
struct GenealogyRows {
    // Depth first from the root: the root first (rank 1, key empty), then
    // for every child in order its principal occurrence, unless the naming
    // scheme hides its name (a living person's): such a child is left out
    // with its subtree. A child the file gives no name keeps its row, and
    // so do its descendants.
    std::vector<const TlossPerson*> rows;
    // By box index: the rank of the box's row, its place among the rows of
    // its generation (0 for a box without a row), and the row's key, "#" +
    // the parent person's anchor.
    std::vector<int32_t> ranks;
    std::vector<std::string> keys;

    int32_t RankOf(const TlossPerson& node) const;
    const std::string& KeyOf(const TlossPerson& node) const;
    // The label of a row: "1" for the root, else generation "." rank.
    std::string Label(const TlossPerson& node) const;
};

GenealogyRows BuildGenealogyRows(const TinbredPerson& chart, const PageContext& context);

// Whether the file gives the person no name at all (no NAME line, an empty
// one, or only "//"): the pages then call him by UnnamedWord.
bool IsUnnamed(const Tindividual& person);

// The language's word for an unnamed man or woman; both, as "man/woman",
// when the sex is not recorded.
std::string UnnamedWord(const Tindividual& person, const Tlanguage& language);

// The title of a descendant chart's page: the title setting, else
// "Genealogy of" the proband, with the genealogy type when withType.
std::string GenealogyTitle(const TlossPerson& root, const PageContext& context, bool withType);

// The person's marriages as the text page writes them, but every spouse
// described in full and no children tables: what a box's hint on the
// offspring page says besides the person's own description.
std::string MarriagesBlock(const Tindividual& person, const PageContext& context);

// Writes the chart page (setting "output") of the descendant chart at its
// coordinates, with the rows' numbers in the hints. Sets the chart title.
// Nothing is written when the proband has no children. May raise
// settings.yoffset. Throws PageWriteError when the file can't be written.
void WriteGenealogyPage(const TinbredPerson& chart, const GenealogyRows& rows,
                        PageContext& context);

// The outline page (setting "outline"; nothing when it is empty or
// "(disabled)"): the same chart with 30 x 4 boxes without text.
void WriteGenealogyOutline(const TinbredPerson& chart, const GenealogyRows& rows,
                           PageContext& context);

// The text page (setting "links") of the rows, with the same protection of
// hand-made files as the pedigree's text page.
void WriteGenealogyTextPage(const TinbredPerson& chart, const GenealogyRows& rows,
                            PageContext& context);

}  // namespace lg
