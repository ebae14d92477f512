#include "charts/pedigree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "html/person_description.h"
#include "support/loaded_family.h"
#include "support/test_support.h"
#include "text/language.h"

namespace lg {
namespace {

// A database read from GEDCOM records, with what a pedigree build needs.
struct Family : test::LoadedFamily {
    explicit Family(const std::vector<std::string>& records) : LoadedFamily(records) {
        request.marriages = [this](const Tindividual& person) {
            return MarriageSummary(person, db, DescriptionContext{language.get()});
        };
        request.probands = &probands;
    }
    TlossPerson* Build(const std::string& proband) {
        probands = {proband};
        return MakePedigree(db, pool, reporter, request);
    }
    // The box of the person in the given generation.
    const TlossPerson* Box(std::string_view id, int generation) {
        for (auto& node : pool.Nodes())
            if (node->person->ID == id && node->generation == generation) return node.get();
        return nullptr;
    }

    PedigreeRequest request;
};

// I1's parents I2 and I3 are first cousins: I2's father I4 and I3's
// mother I5 are children of I6 and I7.
// clang-format off
const std::vector<std::string> kCousins = {
    "0 @I1@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMC @F1@",
    "0 @I2@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 FAMC @F2@", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Anna /Dijk/", "1 SEX F", "1 FAMC @F3@", "1 FAMS @F1@",
    "0 @I4@ INDI", "1 NAME Kees /Berg/", "1 SEX M", "1 FAMC @F4@", "1 FAMS @F2@",
    "0 @I5@ INDI", "1 NAME Mien /Berg/", "1 SEX F", "1 FAMC @F4@", "1 FAMS @F3@",
    "0 @I6@ INDI", "1 NAME Klaas /Berg/", "1 SEX M", "1 FAMS @F4@",
    "0 @I7@ INDI", "1 NAME Trijn /Vos/", "1 SEX F", "1 FAMS @F4@",
    "0 @I8@ INDI", "1 NAME Lies /Smit/", "1 SEX F", "1 FAMS @F2@",
    "0 @I9@ INDI", "1 NAME Henk /Dijk/", "1 SEX M", "1 FAMS @F3@",
    "0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I3@", "1 CHIL @I1@", "1 MARR", "2 DATE 1900",
    "0 @F2@ FAM", "1 HUSB @I4@", "1 WIFE @I8@", "1 CHIL @I2@",
    "0 @F3@ FAM", "1 HUSB @I9@", "1 WIFE @I5@", "1 CHIL @I3@",
    "0 @F4@ FAM", "1 HUSB @I6@", "1 WIFE @I7@", "1 CHIL @I4@", "1 CHIL @I5@",
};
// clang-format on

TEST(Pedigree, CousinParentsMakeDoublesWithoutAncestors) {
    Family f(kCousins);
    TlossPerson* root = f.Build("I1");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(f.pool.Size(), 11u);
    // The great-grandparents first come in through I4 (numbers 8, 9), then
    // again through I5 (14, 15): those are the doubles.
    for (auto& node : f.pool.Nodes()) {
        bool expectDouble = node->sosa == 14 || node->sosa == 15;
        EXPECT_EQ(node->isDouble, expectDouble) << node->sosa;
        if (expectDouble) {
            EXPECT_TRUE(node->parents.empty());
            EXPECT_EQ(node->twin, node->person->node);
            EXPECT_EQ(node->twin->sosa, node->sosa - 6);
        }
    }
    EXPECT_EQ(f.Box("I6", 4)->sosa, 8);
    EXPECT_TRUE(f.Box("I2", 2)->lineFlag);
    EXPECT_TRUE(f.Box("I4", 3)->lineFlag);
    EXPECT_FALSE(f.Box("I3", 2)->lineFlag);
    EXPECT_EQ(f.Box("I3", 2)->rank, 2);
    EXPECT_EQ(f.Box("I2", 2)->name, "\r\nHe married 1900, Anna Dijk.");

    ChartList charts;
    MakePedigreeChart(root, f.pool, charts, f.reporter);
    ASSERT_EQ(charts.charts.size(), 1u);
    const TinbredPerson& chart = *charts.charts[0];
    EXPECT_EQ(chart.nodes.size(), 11u);
    EXPECT_EQ(charts.selection.size(), 11u);
    EXPECT_TRUE(f.host.HasMessage("11 name boxes in chart."));
    std::map<int, ChartPoint> at;
    for (std::size_t i = 0; i < chart.nodes.size(); ++i) {
        EXPECT_EQ(chart.nodes[i]->shade, chart.nodes[i]->isDouble ? 220 : 255);
        // Drawing order: the rows from the bottom up.
        EXPECT_TRUE(i == 0 || chart.coords[i - 1].y >= chart.coords[i].y) << i;
        at[chart.nodes[i]->sosa] = chart.coords[i];
    }
    // The father's side above the mother's, the proband in column 0.
    EXPECT_EQ(at[1].x, 0);
    EXPECT_LT(at[2].y, at[3].y);
    EXPECT_EQ(at[1].y, (at[2].y + at[3].y) / 2);
    EXPECT_EQ(at[8].y, 0);  // the top-left box of the last column
}

TEST(Pedigree, SingleParentsOwnAncestorsAndTheAutomaticProband) {
    // I1 has only a mother; I3 is recorded as his own grandfather.
    Family f({"0 @I1@ INDI",  "1 NAME A /X/", "1 FAMC @F1@", "0 @I2@ INDI", "1 NAME B /X/",
              "1 SEX F",      "1 FAMS @F1@",  "0 @F1@ FAM",  "1 WIFE @I2@", "1 CHIL @I1@",
              "0 @I3@ INDI",  "1 NAME C /Y/", "1 FAMC @F2@", "1 FAMS @F3@", "0 @I4@ INDI",
              "1 NAME D /Y/", "1 FAMC @F3@",  "1 FAMS @F2@", "0 @F2@ FAM",  "1 HUSB @I4@",
              "1 CHIL @I3@",  "0 @F3@ FAM",   "1 HUSB @I3@", "1 CHIL @I4@"});
    TlossPerson* root = f.Build("I1");
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->parents.size(), 1u);
    EXPECT_EQ(root->parents[0]->sosa, 3);
    ChartList charts;
    MakePedigreeChart(root, f.pool, charts, f.reporter);
    EXPECT_EQ(charts.charts[0]->coords[0].y, charts.charts[0]->coords[1].y);  // level

    root = f.Build("I3");  // the loop ends where I3 comes round again
    ASSERT_EQ(f.pool.Size(), 3u);
    EXPECT_TRUE(f.Box("I3", 3)->isDouble);
    EXPECT_EQ(f.reporter.RunState(), kRunNormal);

    // No remembered proband and no dialog: the deepest tree, with a note.
    // I3 and I4 are each other's ancestors; the loop stops their depth
    // where it comes round, giving them 2 and 3 against I1's 1.
    f.probands.clear();
    root = MakePedigree(f.db, f.pool, f.reporter, f.request);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->person->ID, "I3");
    EXPECT_TRUE(f.host.HasMessage("Automatic selection of proband, based on tree depth."));
    for (const auto& person : f.db.persons) EXPECT_EQ(person->treeDepth, 0);
}

TEST(Pedigree, TheDialogChoosesOrCancels) {
    Family f(kCousins);
    ProbandChoice answer;
    ProbandDialog dialog = [&] {
        // The depths are known when the dialog lists the persons.
        EXPECT_EQ(f.db.persons.Find("I1")->treeDepth, 3);
        return answer;
    };
    f.request.dialog = &dialog;
    answer.selected = f.db.persons.Find("I3");
    TlossPerson* root = f.Build("I1");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->person->ID, "I3");
    answer = {true, nullptr};
    EXPECT_EQ(f.Build("I1"), nullptr);
    EXPECT_EQ(f.reporter.RunState(), kRunCancelled);
    EXPECT_EQ(f.reporter.ErrorCount(), 0);

    Family empty({});
    EXPECT_EQ(empty.Build("I1"), nullptr);
    EXPECT_EQ(empty.host.messages.back(), "*** Gedcom file has no names.");
}

// The placement as defined, recursively, for trees small enough.
void ReferenceShift(TlossPerson& node, long double dy) {
    node.y += dy;
    for (TlossPerson* parent : node.parents) ReferenceShift(*parent, dy);
}
void ReferencePlace(TlossPerson& node, std::size_t level, std::vector<TlossPerson*>& levels) {
    node.x = static_cast<long double>(level);
    long double lowest;
    if (level < levels.size()) {
        lowest = levels[level]->y + 1;
        levels[level] = &node;
    } else {
        levels.push_back(&node);
        lowest = -100.0L * static_cast<long double>(level);
    }
    if (node.parents.empty()) {
        node.y = lowest;
        return;
    }
    long double y = 0;
    for (TlossPerson* parent : node.parents) {
        ReferencePlace(*parent, level + 1, levels);
        y += parent->y;
    }
    node.y = y / static_cast<long double>(node.parents.size());
    if (lowest > node.y) ReferenceShift(node, lowest - node.y);
}

TEST(Pedigree, PlacementPacksEveryLevelLikeTheRecursiveDefinition) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        // A random tree of up to 300 boxes: each box gets 0, 1 or 2 parents.
        std::vector<std::unique_ptr<TlossPerson>> nodes;
        nodes.push_back(std::make_unique<TlossPerson>());
        for (std::size_t i = 0; i < nodes.size() && nodes.size() < 300; ++i) {
            const int parents = std::min(2, static_cast<int>(random() % 5));  // two most often
            for (int p = 0; p < parents; ++p) {
                nodes.push_back(std::make_unique<TlossPerson>());
                nodes[i]->parents.push_back(nodes.back().get());
            }
        }
        PlaceAncestors(*nodes[0]);
        std::vector<std::pair<long double, long double>> placed;
        for (auto& node : nodes) placed.emplace_back(node->x, node->y);
        std::vector<TlossPerson*> levels;
        ReferencePlace(*nodes[0], 0, levels);
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            ASSERT_EQ(placed[i].first, nodes[i]->x) << round << " " << i;
            ASSERT_EQ(placed[i].second, nodes[i]->y) << round << " " << i;
        }
    }
}

TEST(Pedigree, DeepChainsNeitherOverflowTheStackNorTheAncestorNumbers) {
    // 200,000 generations of fathers; recursion would need a deep stack,
    // the literal shifting quadratic time.
    constexpr int kGenerations = 200000;
    Database db;
    for (int i = 0; i < kGenerations; ++i) {
        auto person = std::make_unique<Tindividual>();
        person->ID = "I" + std::to_string(i);
        db.persons.Add(std::move(person));
    }
    for (int i = 0; i + 1 < kGenerations; ++i) db.persons[i].father = &db.persons[i + 1];
    test::FakeHost host;
    Reporter reporter(host);
    DepthProgress progress{reporter};
    EXPECT_EQ(ComputeAncestorDepth(db.persons[0], db.persons.Count(), progress), kGenerations - 1);
    EXPECT_EQ(progress.counter, kGenerations);

    auto language = CreateLanguage("english", reporter);
    NodePool pool;
    BuildAncestorTree(db.persons[0], pool, {});
    ASSERT_EQ(pool.Size(), static_cast<std::size_t>(kGenerations));
    ChartList charts;
    MakePedigreeChart(db.persons[0].node, pool, charts, reporter);
    const TinbredPerson& chart = *charts.charts[0];
    for (const ChartPoint& point : chart.coords) ASSERT_EQ(point.y, 0);  // one row
    // Past 31 generations the numbers wrap instead of overflowing.
    EXPECT_EQ(pool[31].sosa, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(pool[32].sosa, 0);
}

}  // namespace
}  // namespace lg
