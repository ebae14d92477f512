#pragma once
// The chart types as one table: what each one builds, how it is shown and
// published, and what the batch mode does with it. The run pipeline, the
// chart windows and the painter read the row of a type instead of asking
// which type it is, so a new chart type is a new row.

#include <string>

#include "app/session.h"
#include "base/messages.h"
#include "charts/chart_view.h"
#include "html/page_common.h"

namespace lg {

// The window families; each draws its charts with a painter shape and adds
// its own popup item.
enum class ChartWindowFamily {
    None,         // no window in this version
    Tree,         // ancestors, doubles linked by a click
    Descendants,  // descendants, with the family-name branches to switch
    Inbreeding,   // graphs of pedigree loss, the loop of a clicked box in red
    Kinship,      // the common ancestors, a clicked box's descent and ancestry in red
    Fan,          // the offspring fan: the descendants' window, boxes found anywhere
};

// One chart type.
struct ChartKind {
    ChartType type;
    // Makes the type's tree into the pool (asking for the proband when
    // select); null after an error or a cancelled dialog. Null: the type is
    // not available in this version.
    TlossPerson* (*build)(Session& session, NodePool& pool, bool select);
    // Lays the tree out and assembles its charts into the list, with the
    // current settings' box size and spacing where the layout needs them.
    void (*produce)(TlossPerson* root, NodePool& pool, ChartList& charts, Reporter& reporter,
                    const Tvariables& settings);
    // Writes the HTML pages of one chart; null for the on-screen analyses.
    void (*publish)(const TinbredPerson& chart, PageContext& context);
    ChartWindowFamily window;
    ChartShape shape;
    Msg windowTitle;
    std::string (*windowHelp)();  // the window's Help button
    // The row above the chart in the window: which way time runs.
    bool timeRunsRight;
    // An analysis: shown on screen only, never published.
    bool analysis;
    // The batch mode makes and publishes it.
    bool batch;
    // The publish step writes the one page named by "output" (no frames
    // page): that is the page to view.
    bool singlePage = false;
    // An analysis's whole run into the chart list (asking for the persons
    // when select); the run state tells how it ended.
    void (*analyse)(Session& session, ChartList& charts, bool select) = nullptr;
};

// The row of a chart type.
const ChartKind& KindOf(ChartType type);

}  // namespace lg
