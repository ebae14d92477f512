#pragma once
// The text page of a pedigree chart: one table row per box, generation by
// generation, each with the ancestor number as anchor and the person's
// description with the marriages. The tableau's boxes link to these rows.

#include <span>

#include "charts/chart_records.h"
#include "html/page_common.h"

namespace lg {

// Writes the page named by the setting "links" for the boxes of the chart
// (any order; they are sorted by generation and rank), unless the links
// name a collection of files or a page the program did not make (both
// reported as notes). Sets chartPartnerID of the parents of every chart
// child. A file that cannot be created is reported as an error.
void WritePedigreeTextPage(std::span<TlossPerson* const> nodes, PageContext& context);

}  // namespace lg
