#include "render/chart_print.h"

#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>

#include "hand_made_chart.h"
#include "support/test_support.h"

namespace lg::render {
namespace {

// Pages of a PDF as Qt writes them: one page object each.
int PdfPages(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = pdf.readAll();
    int pages = 0;
    for (qsizetype at = bytes.indexOf("/Type /Page"); at >= 0;
         at = bytes.indexOf("/Type /Page", at + 1))
        pages += bytes.mid(at, 12) != "/Type /Pages";
    return pages;
}

struct Printout : HandMadeChart {
    Printout() : HandMadeChart(8) {}
    ChartLayout Layout() { return LayOutChart(chart, ChartMetrics::Of(settings)); }
    // Prints the chart onto A6 sheets of a PDF at 300 dpi; `tiles` are the
    // ones planned for those sheets.
    PrintOutcome ToPdf(ChartShape shape, const QString& title, std::vector<PrintTile>& tiles) {
        const ChartLayout layout = Layout();
        const bool graph = shape == ChartShape::Graph;
        QPdfWriter pdf(file);
        pdf.setPageSize(QPageSize(QPageSize::A6));
        pdf.setResolution(300);
        tiles =
            PlanPrintTiles(layout, graph, PrintUnit(pdf, graph), QSize(pdf.width(), pdf.height()));
        Reporter reporter(host);
        ChartPainter painter(settings, names, 2026);
        return PrintChart(pdf, painter, layout, shape, title, &reporter);
    }

    QTemporaryDir dir;
    const QString file = dir.filePath("chart.pdf");
    test::FakeHost host;
};

TEST(Printing, ASmallChartIsCentredOnOneSheet) {
    Printout p;
    p.Box(0, 0, p.Person('M'));
    p.Box(1, 0, p.Person('F'));
    const ChartLayout layout = p.Layout();
    const QSize page(10000, 8000);
    const std::vector<PrintTile> tiles = PlanPrintTiles(layout, false, 10, page);
    ASSERT_EQ(tiles.size(), 1u);
    EXPECT_FALSE(tiles[0].empty);
    EXPECT_EQ(tiles[0].row, 1);
    EXPECT_EQ(tiles[0].column, 1);
    // Two boxes 100 pixels apart, 80 x 20 each: 1800 x 260 dots with six
    // pixels of room below; centred, the first centre half a box in.
    EXPECT_EQ(tiles[0].offX, (10000 - 1800) / 2 + 400);
    EXPECT_EQ(tiles[0].offY, (8000 - 260) / 2 + 100);
}

TEST(Printing, ABoxCutAtTheEdgeIsWholeOnTheNextTile) {
    Printout p;
    for (int column = 0; column < 4; ++column) p.Box(column, 0, p.Person('M'));
    const ChartLayout layout = p.Layout();
    const QSize page(2700, 5000);  // 270 pixels of a 380-pixel wide chart
    const std::vector<PrintTile> tiles = PlanPrintTiles(layout, false, 10, page);
    ASSERT_EQ(tiles.size(), 2u);
    EXPECT_EQ(tiles[1].row, 1);
    EXPECT_EQ(tiles[1].column, 2);
    int cut = 0;
    for (const PixelPoint& c : layout.centres) {
        const int x = (c.x - layout.centres[0].x) * 10;
        const int left = x + tiles[0].offX - 400, right = x + tiles[0].offX + 400;
        if (left >= page.width() || right <= page.width()) continue;
        ++cut;
        EXPECT_GE(x + tiles[1].offX - 400, 0);
        EXPECT_LE(x + tiles[1].offX + 400, page.width());
    }
    EXPECT_EQ(cut, 1);
}

TEST(Printing, AnEmptyTileTakesNoSheetAndTheNextKeepsItsNumber) {
    Printout p;
    p.Box(0, 0, p.Person('M'));
    p.Box(12, 80, p.Person('F'));  // far right, far down: the tiles between stay empty
    std::vector<PrintTile> tiles;
    const PrintOutcome outcome = p.ToPdf(ChartShape::Tree, "Lignorama - Pedigree", tiles);
    EXPECT_EQ(p.host.statuses.back().text.rfind("Ready with printing", 0), 0u);
    const auto used = std::count_if(tiles.begin(), tiles.end(), [](auto& t) { return !t.empty; });
    ASSERT_GT(std::ssize(tiles), used + 1);
    ASSERT_EQ(std::ssize(outcome.sheets), used);
    EXPECT_EQ(PdfPages(p.file), used);
    EXPECT_EQ(outcome.sheets.front().row, 1);
    EXPECT_EQ(outcome.sheets.front().column, 1);
    // The last sheet is numbered by its tile, not by the sheets before it.
    EXPECT_EQ(outcome.sheets.back().row, tiles.back().row);
    EXPECT_EQ(outcome.sheets.back().column, tiles.back().column);
    EXPECT_GT(tiles.back().row * 10 + tiles.back().column, 22);
}

// Esc ends a printout of either kind after the sheet being printed; what
// was printed is sent, and the status line and the section are closed.
TEST(Printing, EscEndsTreeAndGraphPrintoutsAfterTheCurrentSheet) {
    for (const ChartShape shape : {ChartShape::Tree, ChartShape::Graph}) {
        SCOPED_TRACE(shape == ChartShape::Tree ? "tree" : "graph");
        Printout p;
        for (int column = 0; column < 40; ++column) p.Box(column * 3, column % 5, p.Person('M'));
        p.host.cancelAtPoll = 2;
        std::vector<PrintTile> tiles;
        const PrintOutcome outcome = p.ToPdf(shape, "Lignorama - Print", tiles);
        ASSERT_GT(std::count_if(tiles.begin(), tiles.end(), [](auto& t) { return !t.empty; }), 2);
        EXPECT_TRUE(outcome.interrupted);
        EXPECT_LE(outcome.sheets.size(), 2u);
        EXPECT_EQ(PdfPages(p.file), static_cast<int>(outcome.sheets.size()));
        EXPECT_TRUE(p.host.HasMessage("Press Esc to interrupt calculations"));
        EXPECT_EQ(p.host.statuses.back().text.rfind("Ready with printing", 0), 0u);
        EXPECT_EQ(p.host.sectionsBegun, 1);
        EXPECT_EQ(p.host.sectionsEnded, 1);
    }
}

TEST(Printing, TreeSheetsNameThePageAndGraphSheetsTheTitle) {
    EXPECT_EQ(SheetLabel(false, "Lignorama - Pedigree", true, 1, 1), "page 1/1");
    EXPECT_EQ(SheetLabel(true, "Lignorama - Kinship", true, 1, 1), "Lignorama - Kinship");
    EXPECT_EQ(SheetLabel(true, "Lignorama - Kinship", false, 2, 1),
              "Lignorama - Kinship - page 2/1");
    EXPECT_EQ(SheetLabel(true, "", true, 1, 1), "(no title)");
}

TEST(Printing, TheYearBelowABoxOnlyWhenTheDateEndsInOne) {
    EXPECT_EQ(PrintYear("12 JAN 1850"), "1850");
    EXPECT_EQ(PrintYear("ABT 1850  "), "1850");
    EXPECT_EQ(PrintYear("(in his youth)"), "");
    EXPECT_EQ(PrintYear("1850/51"), "");
    EXPECT_EQ(PrintYear("850"), "");
}

}  // namespace
}  // namespace lg::render
