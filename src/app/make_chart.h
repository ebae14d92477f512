#pragma once
// The make-chart command and what follows it: the run of a chart type from
// proband to chart record, the publishing of a chart's HTML pages, and the
// unattended batch mode that does both without dialogs.

#include <string>

#include "app/session.h"

namespace lg {

// The "Make Chart" command on the session's loaded database and current
// settings (the surface copies its controls into them first). Clears the
// message list, selects the output language, runs the chart type's build
// and produce steps (asking for the proband unless session.ctrlHeld) and
// leaves goEnabled/viewEnabled as the main window must show them. Returns
// true when the chart should be shown at once: Ctrl was held and the run
// succeeded. The run state is 0 afterwards; errors are in the message list.
bool GoButtonClick(Session& session);

// The common run of the chart types with HTML output: the messages before
// the run, the build step (with the proband dialog when select), the
// produce step, the run counter.
void RunHtmlChart(Session& session, bool select, ChartType type);

// The common run of the on-screen analyses: the run counter, the
// analysis (with its dialog when select) into a new chart list that
// replaces the type's charts when the run ended normally.
void RunScreenChart(Session& session, bool select, ChartType type);

// Writes the HTML pages of the chart the type's window shows (its chart
// index) into the working directory and returns the path of the page to
// view: the frames page, or the chart page without one. Returns empty after
// reporting "No file to view" (no chart, or the page is missing) or a page
// that could not be written.
std::string PublishChart(Session& session, ChartType type);

// The batch mode on a loaded parameter file: makes the chart of the current
// chart type with Ctrl held and publishes it. Inbreeding and kinship charts
// have no pages, so nothing is done for them. Returns the page to view, or
// empty when nothing was written.
std::string AutoRunChart(Session& session);

}  // namespace lg
