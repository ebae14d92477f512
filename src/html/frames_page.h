#pragma once
// The frames page: the chart page in the top frame, the text page in the
// bottom frame, so that a click on a box shows the person's row below.

#include "charts/chart_records.h"
#include "html/page_common.h"

namespace lg {

// Writes the page named by the setting "page" (nothing when it is empty).
// When the links name a collection of files, the bottom frame opens the
// root person's own file. Throws PageWriteError when it can't be written.
void WriteFramesPage(const TlossPerson& root, PageContext& context);

}  // namespace lg
