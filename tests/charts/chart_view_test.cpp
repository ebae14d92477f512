#include "charts/chart_view.h"

#include <gtest/gtest.h>

#include <deque>

namespace lg {
namespace {

// Boxes at the given coordinates, listed bottom row first as the chart
// assembly leaves them.
struct Chart {
    explicit Chart(std::initializer_list<ChartPoint> points) {
        for (const ChartPoint& p : points) {
            chart.nodes.push_back(&boxes.emplace_back());
            chart.coords.push_back(p);
        }
    }
    std::deque<TlossPerson> boxes;
    TinbredPerson chart;
};

// Box 60 x 14, steps of 90 x 28, the top-left centre at (40, 17).
const ChartMetrics kMetrics{10, 10, 60, 14, 30, 14};

TEST(ChartView, HitTestFindsTheBoxUnderThePointerOnly) {
    Chart c({{1, 2}, {0, 1.5}, {2, 1}, {0, 1}, {1, 0}});
    EXPECT_EQ(BoxCentre({1, 2}, kMetrics).x, 130);
    EXPECT_EQ(BoxCentre({1, 2}, kMetrics).y, 73);
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        {130, 73, 0},                    // last row: the first node
        {100, 66, 0},                    // its top-left corner
        {40, 17 + 28, 3}, {40, 59, 1},   // a half row
        {220, 45, 2},     {130, 17, 4},  // first row: the last node
        {85, 45, -1},                    // between two boxes of one row
        {130, 3, -1},                    // above the first row
        {130, 81, -1},                   // below the last row
        {40, 52, 1},                     // on the edge of two rows the first in node order wins
    };
    for (const Case& k : cases)
        EXPECT_EQ(FindNodeAt(c.chart, kMetrics, k.x, k.y), k.expected) << k.x << "," << k.y;

    // Rows listed the other way round are searched as well.
    Chart top({{1, 0}, {0, 1}, {1, 2}});
    EXPECT_EQ(FindNodeAt(top.chart, kMetrics, 130, 73), 2);
    EXPECT_EQ(FindNodeAt(top.chart, kMetrics, 130, 17), 0);
    EXPECT_EQ(FindNodeAt(Chart({}).chart, kMetrics, 40, 17), -1);
}

TEST(ChartView, RowsOfAnExposedBandAndTheExtent) {
    Chart c({{0, 3}, {0, 2}, {0, 1}, {0, 0}});
    // Rows at 17, 45, 73, 101: a band from 50 to 80 needs rows 45 and 73
    // (45 + 7 reaches into it), that is nodes 1 and 2.
    auto [first, last] = NodesInRows(c.chart, kMetrics, 50, 80);
    EXPECT_EQ(first, 1u);
    EXPECT_EQ(last, 3u);
    EXPECT_EQ(NodesInRows(c.chart, kMetrics, 200, 300).first,
              NodesInRows(c.chart, kMetrics, 200, 300).second);
    PixelPoint extent = ChartExtent(c.chart, kMetrics);
    EXPECT_EQ(extent.x, 100);
    EXPECT_EQ(extent.y, 115);
    // The layout is the window's: the boxes and the chart's coordinates
    // stay as the chart was made.
    const ChartLayout layout = LayOutChart(c.chart, kMetrics);
    ASSERT_EQ(layout.centres.size(), 4u);
    EXPECT_EQ(layout.centres[0].y, 101);
    EXPECT_EQ(layout.centres[3].x, 40);
    EXPECT_EQ(std::tie(layout.extent.x, layout.extent.y), std::tie(extent.x, extent.y));
    EXPECT_EQ(c.chart.coords[0].y, 3);
    EXPECT_EQ(std::tie(c.boxes[0].x, c.boxes[0].y), std::make_tuple(0.0L, 0.0L));
}

TEST(ChartView, StepsOnlyToChartsOfTheirOwnPlace) {
    ChartList list;
    list.charts.push_back(std::make_unique<TinbredPerson>());
    EXPECT_FALSE(StepChart(list, +1));
    EXPECT_FALSE(StepChart(list, -1));
    EXPECT_EQ(list.chartIndex, 0u);
    for (int32_t index : {1, 0, 3}) {  // the middle entry belongs to another chart
        list.charts.push_back(std::make_unique<TinbredPerson>());
        list.charts.back()->chartIndex = index;
    }
    EXPECT_TRUE(CanStepChart(list, +1));
    EXPECT_TRUE(StepChart(list, +1));
    EXPECT_EQ(list.chartIndex, 1u);
    EXPECT_TRUE(StepChart(list, +1));
    EXPECT_EQ(list.chartIndex, 3u);
    EXPECT_FALSE(StepChart(list, +1));
    EXPECT_TRUE(StepChart(list, -1));
    EXPECT_EQ(list.chartIndex, 1u);
}

}  // namespace
}  // namespace lg
