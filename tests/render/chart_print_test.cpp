#include "render/chart_print.h"

#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QTemporaryDir>

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
    EXPECT_EQ(SheetLabel(false, "Lignorama - Pedigree", true, 1, 1), "page 1/1");
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
    const ChartLayout layout = p.Layout();
    QTemporaryDir dir;
    const QString file = dir.filePath("chart.pdf");
    PrintOutcome outcome;
    std::vector<PrintTile> tiles;
    {
        QPdfWriter pdf(file);
        pdf.setPageSize(QPageSize(QPageSize::A6));
        pdf.setResolution(300);
        tiles =
            PlanPrintTiles(layout, false, PrintUnit(pdf, false), QSize(pdf.width(), pdf.height()));
        test::FakeHost host;
        Reporter reporter(host);
        ChartPainter painter(p.settings, p.names, 2026);
        outcome =
            PrintChart(pdf, painter, layout, ChartShape::Tree, "Lignorama - Pedigree", &reporter);
        EXPECT_EQ(host.statuses.back().text.rfind("Ready with printing", 0), 0u);
    }
    std::vector<PrintTile> used;
    for (const PrintTile& tile : tiles)
        if (!tile.empty) used.push_back(tile);
    ASSERT_GT(tiles.size(), used.size() + 1);
    ASSERT_EQ(outcome.sheets.size(), used.size());
    EXPECT_EQ(PdfPages(file), static_cast<int>(used.size()));
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
        const ChartLayout layout = p.Layout();
        QTemporaryDir dir;
        const QString file = dir.filePath("chart.pdf");
        PrintOutcome outcome;
        test::FakeHost host;
        host.cancelAtPoll = 2;
        std::size_t tiles = 0;
        {
            QPdfWriter pdf(file);
            pdf.setPageSize(QPageSize(QPageSize::A6));
            pdf.setResolution(300);
            const bool graph = shape == ChartShape::Graph;
            for (const PrintTile& tile : PlanPrintTiles(layout, graph, PrintUnit(pdf, graph),
                                                        QSize(pdf.width(), pdf.height())))
                tiles += !tile.empty;
            Reporter reporter(host);
            ChartPainter painter(p.settings, p.names, 2026);
            outcome = PrintChart(pdf, painter, layout, shape, "Lignorama - Print", &reporter);
        }
        ASSERT_GT(tiles, 2u);
        EXPECT_TRUE(outcome.interrupted);
        EXPECT_LE(outcome.sheets.size(), 2u);
        EXPECT_EQ(PdfPages(file), static_cast<int>(outcome.sheets.size()));
        EXPECT_TRUE(host.HasMessage("Press Esc to interrupt calculations"));
        EXPECT_EQ(host.statuses.back().text.rfind("Ready with printing", 0), 0u);
        EXPECT_EQ(host.sectionsBegun, 1);
        EXPECT_EQ(host.sectionsEnded, 1);
    }
}

TEST(Printing, GraphSheetsNameTheTitleAndLaterThePage) {
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
