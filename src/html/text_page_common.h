#pragma once
// What the text pages of pedigree and genealogy charts share: the refusal
// checks and the file, the document head with the title row, the order of
// the rows and the row that opens a generation. The pages differ only in
// their style sheet, in their rows and in a few attributes of the head.

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "charts/chart_records.h"
#include "html/page_common.h"

namespace lg {

// The parts of a text page's head in which the pages differ.
struct TextPageHeadStyle {
    std::string rules;           // the style sheet's rules, CR LF where a line ends
    std::string_view table;      // the opening tag of the page's table
    std::string_view titleCell;  // the opening tag of the cell holding the chart title
};

// The a:link, a:visited and a:active rules, each ending CR LF: the selector
// padded with blanks to the width, then the brace text, then the colour.
std::string TextLinkRules(std::size_t selectorWidth, std::string_view brace);

// The document head and the title row with the home and tableau links,
// every line ending in CR LF.
std::string TextPageHead(const PageContext& context, const TextPageHeadStyle& style);

// Writes the rows in their order, each generation headed by a row: the
// opening (up to the cell of the text), then the phrase "generation" and the
// Roman numeral in bold. row writes the node's own row.
void WriteTextRows(PageFile& file, std::span<const TlossPerson* const> rows,
                   std::string_view generationOpening, const Tlanguage& language,
                   const std::function<void(const TlossPerson&)>& row);

// The nodes that have a person, sorted by generation and then by rank;
// nodes that tie keep their order.
std::vector<TlossPerson*> TextRowOrder(std::span<TlossPerson* const> nodes);

// Writes the text page named by the setting "links": nothing when it is
// empty or MayWriteTextPage refuses (`what` names the page in the refusal);
// otherwise the body writes the head and rows, and the page is closed with
// the end of its table. A page that can't be written throws PageWriteError,
// as every other page of the chart does.
void WriteTextPageFile(PageContext& context, std::string_view what,
                       const std::function<void(PageFile&)>& body);

}  // namespace lg
