#pragma once
// A chart on paper: tiled over as many sheets as it needs, row by row of
// sheets, neighbouring tiles overlapping so that a box cut at an edge is
// whole on the next, no sheet for a tile that holds nothing, a label on
// every sheet. The boxes and lines are the chart painter's, as on screen,
// at a scale taken from the printer's own text size; below each box of a
// tree its year and sex sign, below each box of a graph its loss. Any
// paged device will do: the platform's printer, or a PDF writer without
// one.

#include <QPagedPaintDevice>
#include <QString>
#include <vector>

#include "base/reporter.h"
#include "charts/chart_view.h"
#include "render/chart_painter.h"

namespace lg::render {

// One tile of a printout: its number (row/column, shown as "%y/%x"),
// where the chart's top-left box centre lies on it (device dots), and
// whether it holds anything (an empty tile takes no sheet).
struct PrintTile {
    int row = 1;
    int column = 1;
    int offX = 0;
    int offY = 0;
    bool empty = true;
};

// Device dots per screen pixel: the width of "1234567890" in the device's
// default font divided by 40 for trees and 50 for graphs, at least 1.
int PrintUnit(QPaintDevice& device, bool graph);

// Every tile of the laid-out chart on pages of the size (dots), in the
// order they are printed. A chart smaller than a page is centred on it.
std::vector<PrintTile> PlanPrintTiles(const ChartLayout& layout, bool graph, int unit, QSize page);

// The year printed below a box: the last four characters of the date (its
// trailing blanks dropped) when they are digits; empty otherwise.
QString PrintYear(const std::string& date);

// The label of a sheet: a tree's "page %y/%x" (top left); a graph's title
// ("(no title)" without one), after its first sheet followed by " - " and
// "page %y/%x" (bottom left).
QString SheetLabel(bool graph, const QString& title, bool firstSheet, int row, int column);

struct PrintOutcome {
    std::vector<PrintTile> sheets;  // the tiles printed, one sheet each
    bool interrupted = false;       // Esc ended a tree printout early
};

// Prints the laid-out chart on the device ("Printing page %y/%x" in the
// status line while it works, "Ready with printing" at the end); Esc ends
// a tree's printout after the current tile. The device's document is
// ended whatever happens.
PrintOutcome PrintChart(QPagedPaintDevice& device, const ChartPainter& painter,
                        const ChartLayout& layout, ChartShape shape, const QString& title,
                        Reporter* reporter);

}  // namespace lg::render
