#include "charts/graph_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "charts/chart_list.h"
#include "support/test_support.h"

namespace lg {
namespace {

struct Graph {
    TlossPerson& Add() {
        TlossPerson& node = pool.Add(std::make_unique<TlossPerson>());
        nodes.push_back(&node);
        return node;
    }
    static void Link(TlossPerson& child, TlossPerson& parent) {
        child.parents.push_back(&parent);
        parent.children.push_back(&child);
    }
    // A full pedigree of the given depth above one child, each box with
    // `parents` parents (1: a single line).
    TlossPerson& Pedigree(int depth, int parents = 2) {
        TlossPerson& root = Add();
        std::vector<TlossPerson*> level{&root};
        for (int g = 0; g < depth; ++g) {
            std::vector<TlossPerson*> next;
            for (TlossPerson* child : level)
                for (int k = 0; k < parents; ++k) {
                    TlossPerson& parent = Add();
                    Link(*child, parent);
                    next.push_back(&parent);
                }
            level = next;
        }
        return root;
    }
    bool Layout(int depth, bool& complete) {
        if (!PlaceGenerations(nodes, reporter)) return false;
        group = nodes;
        complete = PrepareGroup(group, youngest, depth);
        return PlaceGroup(group, youngest, 1, 0, reporter);
    }
    test::FakeHost host;
    Reporter reporter{host};
    NodePool pool;
    std::vector<TlossPerson*> nodes;
    std::vector<TlossPerson*> group;
    std::vector<TlossPerson*> youngest;
};

// No two boxes of the group stand closer than the separation allows.
void ExpectApart(const std::vector<TlossPerson*>& group) {
    for (std::size_t i = 0; i < group.size(); ++i)
        for (std::size_t j = i + 1; j < group.size(); ++j) {
            const double dy = static_cast<double>(group[j]->y - group[i]->y);
            const double dx = std::fabs(static_cast<double>(group[j]->x - group[i]->x));
            EXPECT_GE(dx, RequiredDistance(dy) - 0.002) << i << " " << j;
        }
}

TEST(GraphLayout, SeparationRule) {
    EXPECT_EQ(RequiredDistance(0), 1);
    EXPECT_NEAR(RequiredDistance(0.5), 0.75, 1e-12);
    EXPECT_NEAR(RequiredDistance(-0.5), 0.75, 1e-12);
    EXPECT_EQ(RequiredDistance(0.7), 0);  // may share a column
}

TEST(GraphLayout, ASingleLineStandsOneUnitPerGeneration) {
    Graph g;
    g.Pedigree(5, 1);
    bool complete = false;
    ASSERT_TRUE(g.Layout(3, complete)) << g.host.AllMessages();
    EXPECT_TRUE(complete);
    for (const TlossPerson* node : g.nodes)
        for (const TlossPerson* parent : node->parents) {
            EXPECT_NEAR(static_cast<double>(parent->y - node->y), 1, 1e-6);
            EXPECT_NEAR(static_cast<double>(parent->x - node->x), 0, 1e-3);
        }
}

TEST(GraphLayout, WideFrontsAreTruncatedByChartDepth) {
    Graph g;
    g.Pedigree(4);  // 16 persons in the top generation
    bool complete = true;
    ASSERT_TRUE(g.Layout(0, complete));
    EXPECT_FALSE(complete);
    std::map<long long, int> perLevel;
    for (const TlossPerson* node : g.group) ++perLevel[std::llround(static_cast<double>(node->y))];
    for (auto [level, count] : perLevel) EXPECT_LE(count, 4) << "level " << level;
    EXPECT_LT(g.group.size(), g.nodes.size());
    for (const TlossPerson* node : g.nodes)
        EXPECT_EQ(node->inGroup, g.group.end() != std::find(g.group.begin(), g.group.end(), node));
    ExpectApart(g.group);

    Graph wide;
    wide.Pedigree(4);
    ASSERT_TRUE(wide.Layout(4, complete));
    EXPECT_TRUE(complete);
    EXPECT_EQ(wide.group.size(), wide.nodes.size());
    ExpectApart(wide.group);
}

TEST(GraphLayout, ALoopIsTracedAndStopsThePlacement) {
    Graph g;
    TlossPerson &a = g.Add(), &b = g.Add(), &c = g.Add(), &d = g.Add();
    // b is his own great-grandfather.
    for (auto [child, parent] : {std::pair{&a, &b}, {&b, &c}, {&c, &d}, {&d, &b}})
        Graph::Link(*child, *parent);
    EXPECT_FALSE(PlaceGenerations(g.nodes, g.reporter));
    EXPECT_EQ(g.reporter.RunState(), kRunError);
    EXPECT_TRUE(g.host.HasMessage("*** There is an infinite loop in your family data."));
    int traces = 0;
    for (const std::string& line : g.host.messages) traces += line.rfind("trace: ", 0) == 0;
    EXPECT_EQ(traces, 4);  // the loop's three persons, the first again
}

}  // namespace
}  // namespace lg
