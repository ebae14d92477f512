#pragma once
// The pages of a genealogy (descendant) chart: the chart page and its
// outline, drawn from the proband on the left to the descendants on the
// right with the persons off the family line in grey, and the text page
// with numbered rows, family blocks and children tables. The frames page is
// the pedigree's.

#include <span>
#include <string_view>
#include <vector>

#include "charts/chart_records.h"
#include "html/page_common.h"

namespace lg {

// The rows of the text page, depth first from the root: the root first
// (rank 1, key empty), then for every child in order its principal
// occurrence unless its display name is empty (such a child is left out
// with its subtree). Each row gets its rank (its place among the rows of
// its generation) and its key, "#" + the parent person's anchor. Every
// other node of the chart keeps rank 0.
std::vector<TlossPerson*> BuildGenealogyRows(TlossPerson& root, const PageContext& context);

// The label of a row: "1" for the root, else generation "." rank.
std::string GenealogyLabel(const TlossPerson& node);

// Writes the chart page (setting "output") of the descendant chart rooted
// at root; the nodes' x and y must hold the chart coordinates in box units.
// Sets the chart title. Nothing is written when the root has no children.
// May raise settings.yoffset. Throws PageWriteError when the file can't be
// written.
void WriteGenealogyPage(TlossPerson& root, PageContext& context);

// The outline page (setting "outline"; nothing when it is empty or
// "(disabled)"): the same chart with 30 x 4 boxes without text.
void WriteGenealogyOutline(TlossPerson& root, PageContext& context);

// The text page (setting "links") for the rows of BuildGenealogyRows, with
// the same protection of hand-made files as the pedigree's text page.
void WriteGenealogyTextPage(const TlossPerson& root, std::span<TlossPerson* const> rows,
                            PageContext& context);

}  // namespace lg
