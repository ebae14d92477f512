#pragma once
// The offspring fan's page: the drawing of the fan without its boxes,
// saved as a JPEG picture, is the page's background, and every box of the
// chart lies over it as an absolutely positioned paragraph with the
// person's name and, as its hint, the description and marriages.

#include <string>
#include <string_view>

#include "charts/chart_records.h"
#include "html/page_common.h"

namespace lg {

// The comment every picture of the program carries: an existing picture of
// the page's name without it is the user's and is not replaced.
inline constexpr std::string_view kOffspringImageMark = "Lignorama offspring picture";

// The picture's file name: `output` with its extension replaced by ".jpg"
// (appended when it has none).
std::string OffspringImageName(std::string_view output);

// Writes the picture beside the page, made by context.chartImage, into the
// page set when there is one. Nothing without an `output`; an error line
// when there is no maker or it failed; a boxed warning, and nothing
// written, over a file of that name that is not one of the program's
// pictures. Throws PageWriteError when the file cannot be written.
void WriteOffspringImage(const TinbredPerson& chart, PageContext& context);

// Writes the page (setting "output") over the picture: the genealogy's
// head and header with the picture first, then a paragraph for every box
// of the shown generations (sosa 1), depth first from the root, at the
// pixel place where the window draws it. Sets the chart title. Throws
// PageWriteError when the file cannot be written.
void WriteOffspringPage(const TinbredPerson& chart, PageContext& context);

}  // namespace lg
