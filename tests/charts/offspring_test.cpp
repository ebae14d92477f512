#include "charts/offspring.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace lg {
namespace {

// The offspring type's box size and spacing.
constexpr ChartMetrics kMetrics{40, 60, 60, 14, 30, 70};

// A descendant tree made by hand, as the descendant build leaves it.
struct HandTree {
    TlossPerson& Node(TlossPerson* parent) {
        TlossPerson& node = pool.Add(std::make_unique<TlossPerson>());
        node.generation = parent ? parent->generation + 1 : 1;
        if (parent) {
            parent->children.push_back(&node);
            node.parents.push_back(parent);
        }
        return node;
    }
    // `count` children, each with `grandchildren` children of its own.
    void Children(TlossPerson& parent, int count, int grandchildren = 0) {
        for (int i = 0; i < count; ++i) {
            TlossPerson& child = Node(&parent);
            for (int j = 0; j < grandchildren; ++j) Node(&child);
        }
    }
    const TinbredPerson& Fan(TlossPerson& root) {
        MakeOffspringChart(&root, pool, charts, kMetrics);
        return *charts.charts.at(0);
    }

    NodePool pool;
    ChartList charts;
};

TEST(Offspring, FanPointRunsFromLeftOverTheTopToRight) {
    const long double radius = 1.5;
    const ChartPoint left = FanPoint(-9, -9, 11, radius);
    const ChartPoint middle = FanPoint(1, -9, 11, radius);
    const ChartPoint right = FanPoint(11, -9, 11, radius);
    EXPECT_NEAR(left.x, -2 * radius, 1e-9);
    EXPECT_NEAR(left.y, 0, 1e-9);
    EXPECT_NEAR(middle.x, 0, 1e-9);
    EXPECT_NEAR(middle.y, 2.5 * radius, 1e-9);
    EXPECT_NEAR(right.x, 2 * radius, 1e-9);
    EXPECT_NEAR(right.y, 0, 1e-9);
    // The bend pulls the rows towards the ends: a quarter of the range is
    // further out than a plain quarter circle would put it.
    const ChartPoint quarter = FanPoint(-4, -9, 11, radius);
    EXPECT_LT(quarter.x, -2 * radius * std::sin(3.14159265358979 / 4));
}

TEST(Offspring, AProbandWithoutDescendantsIsOneBoxShownWhole) {
    HandTree t;
    TlossPerson& root = t.Node(nullptr);
    const TinbredPerson& chart = t.Fan(root);
    ASSERT_EQ(chart.nodes.size(), 1u);
    EXPECT_EQ(chart.proband, &root);
    EXPECT_EQ(FanLevels(chart), 1);
    EXPECT_EQ(root.sosa, 1);
    EXPECT_EQ(root.x, 0);
    EXPECT_EQ(root.y, 0);
    EXPECT_EQ(t.charts.selection.size(), 1u);

    // The window moves the box so that its ellipse, 5 box widths by 15 box
    // heights, is not cut at the drawing's edges.
    const ChartLayout layout = LayOutChart(chart, kMetrics, ChartShape::Fan);
    EXPECT_EQ(layout.CentreOf(root).x, 300);
    EXPECT_EQ(layout.CentreOf(root).y, 210);
    EXPECT_EQ(layout.extent.x, 601);
    EXPECT_EQ(layout.extent.y, 421);
    // The other shapes keep the offsets.
    EXPECT_EQ(LayOutChart(chart, kMetrics).CentreOf(root).x, 70);
}

TEST(Offspring, ANarrowFamilyStaysNearTheMiddleOfTheCrown) {
    HandTree t;
    TlossPerson& root = t.Node(nullptr);
    t.Children(root, 3);
    const TinbredPerson& chart = t.Fan(root);
    ASSERT_EQ(chart.nodes.size(), 4u);
    EXPECT_EQ(FanLevels(chart), 2);
    // Three rows widened by 9 on both sides: the middle child straight
    // above the foot, on the arc of radius sqrt(7 / 2), its sisters close
    // beside it instead of at the arc's ends.
    const long double radius = std::sqrt(3.5L);
    const TlossPerson& middle = *root.children[1];
    EXPECT_NEAR(middle.x, 0, 1e-9);
    EXPECT_NEAR(middle.y, 2.5 * radius, 1e-9);
    EXPECT_LT(root.children[0]->x, 0);
    EXPECT_GT(root.children[0]->x, -0.25 * 2 * radius);
    EXPECT_NEAR(root.children[2]->x, -root.children[0]->x, 1e-9);
}

TEST(Offspring, AGenerationWiderThan70RowsIsLeftOut) {
    {
        // Two children with 30 children each: 60 rows, all shown.
        HandTree t;
        TlossPerson& root = t.Node(nullptr);
        t.Children(root, 2);
        for (TlossPerson* child : root.children) t.Children(*child, 30, 1);
        EXPECT_EQ(FanLevels(t.Fan(root)), 4);
        EXPECT_EQ(t.charts.charts[0]->nodes.size(), t.pool.Size());
    }
    // Two children with 40 each: the 80 grandchildren and their children
    // stay out, and a box's other occurrence among them is forgotten.
    HandTree t;
    TlossPerson& root = t.Node(nullptr);
    t.Children(root, 2);
    for (TlossPerson* child : root.children) t.Children(*child, 40, 1);
    TlossPerson& first = *root.children[0];
    TlossPerson& hidden = *root.children[1]->children[5];
    first.isDouble = hidden.isDouble = true;
    first.twin = &hidden;
    hidden.twin = &first;
    const TinbredPerson& chart = t.Fan(root);
    EXPECT_EQ(FanLevels(chart), 2);
    ASSERT_EQ(chart.nodes.size(), 3u);
    EXPECT_EQ(first.sosa, 1);
    EXPECT_EQ(hidden.sosa, 0);
    EXPECT_EQ(first.twin, nullptr);
    EXPECT_EQ(first.shade, 220);
    EXPECT_EQ(root.children[1]->shade, 255);
}

TEST(Offspring, EllipsesAndTheBoxUnderThePointer) {
    const FanEllipse root = FanEllipseOf(1, 4, kMetrics);
    EXPECT_EQ(root.radiusX, 300);
    EXPECT_EQ(root.radiusY, 210);
    EXPECT_EQ(root.colour, (Color{139, 103, 54}));
    // The rim: a quarter of the radii (52.5 rounded up), and 3/4 of the
    // way to light green, each part truncated.
    const FanEllipse rim = FanEllipseOf(4, 4, kMetrics);
    EXPECT_EQ(rim.radiusX, 75);
    EXPECT_EQ(rim.radiusY, 53);
    EXPECT_EQ(rim.colour, (Color{162, 198, 114}));

    HandTree t;
    TlossPerson& top = t.Node(nullptr);
    t.Children(top, 3);
    const ChartLayout layout = LayOutChart(t.Fan(top), kMetrics, ChartShape::Fan);
    const PixelPoint centre = layout.CentreOf(*top.children[2]);
    EXPECT_EQ(FindFanNodeAt(layout, centre.x, centre.y), top.children[2]->index);
    EXPECT_EQ(FindFanNodeAt(layout, centre.x + 29, centre.y + 6), top.children[2]->index);
    // Half a box away is outside the box.
    EXPECT_EQ(FindFanNodeAt(layout, centre.x + 30, centre.y), -1);
    EXPECT_EQ(FindFanNodeAt(layout, centre.x, centre.y + 7), -1);
    EXPECT_EQ(FindFanNodeAt(ChartLayout{}, centre.x, centre.y), -1);
}

}  // namespace
}  // namespace lg
