#include "charts/pedigree_loss.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <random>

#include "charts/graph_layout.h"
#include "support/loaded_family.h"

namespace lg {
namespace {

// Runs the whole analysis on GEDCOM records.
struct Analysis : test::LoadedFamily {
    explicit Analysis(const std::vector<std::string>& records) : LoadedFamily(records) {}
    void Run(bool withDialog = true) {
        InbredChoiceDialog dialog = [this](const std::vector<std::string>& texts,
                                           const std::vector<std::size_t>& remembered) {
            dialogTexts = texts;
            return answer ? *answer : std::optional<std::vector<std::size_t>>(remembered);
        };
        InbreedingRequest request;
        request.probands = &probands;
        request.dialog = withDialog ? &dialog : nullptr;
        request.report = withDialog;
        request.chartDepth = 3;
        AnalyseInbreeding(db, charts, reporter, request, &entries);
    }
    const InbreedingEntry* Entry(std::string_view id) const {
        for (const InbreedingEntry& entry : entries)
            if (entry.node->person->ID == id) return &entry;
        return nullptr;
    }

    ChartList charts;
    std::vector<InbreedingEntry> entries;
    std::vector<std::string> dialogTexts;
    std::optional<std::optional<std::vector<std::size_t>>> answer;
};

// I1's parents I2 and I3 are half-siblings: both children of I4, by I5 and I6.
// clang-format off
const std::vector<std::string> kHalfSiblings = {
    "0 @I1@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMC @F1@",
    "0 @I2@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 FAMC @F2@", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Anna /Berg/", "1 SEX F", "1 FAMC @F3@", "1 FAMS @F1@",
    "0 @I4@ INDI", "1 NAME Kees /Berg/", "1 SEX M", "1 FAMS @F2@", "1 FAMS @F3@",
    "0 @I5@ INDI", "1 NAME Mien /Vos/", "1 SEX F", "1 FAMS @F2@",
    "0 @I6@ INDI", "1 NAME Trijn /Dijk/", "1 SEX F", "1 FAMS @F3@",
    "0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I3@", "1 CHIL @I1@",
    "0 @F2@ FAM", "1 HUSB @I4@", "1 WIFE @I5@", "1 CHIL @I2@",
    "0 @F3@ FAM", "1 HUSB @I4@", "1 WIFE @I6@", "1 CHIL @I3@",
};

// The full siblings I2 and I3 (children of I4 and I5) have the sons I1 and
// I6; I1 and his mother I3 have I7, whose group holds I1's.
const std::vector<std::string> kSiblings = {
    "0 @I1@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMC @F1@", "1 FAMS @F4@",
    "0 @I2@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 FAMC @F2@", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Anna /Berg/", "1 SEX F", "1 FAMC @F2@", "1 FAMS @F1@", "1 FAMS @F4@",
    "0 @I4@ INDI", "1 NAME Kees /Berg/", "1 SEX M", "1 FAMS @F2@",
    "0 @I5@ INDI", "1 NAME Mien /Vos/", "1 SEX F", "1 FAMS @F2@",
    "0 @I6@ INDI", "1 NAME Klaas /Berg/", "1 SEX M", "1 FAMC @F1@",
    "0 @I7@ INDI", "1 NAME Lies /Berg/", "1 SEX F", "1 FAMC @F4@",
    "0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I3@", "1 CHIL @I1@", "1 CHIL @I6@",
    "0 @F2@ FAM", "1 HUSB @I4@", "1 WIFE @I5@", "1 CHIL @I2@", "1 CHIL @I3@",
    "0 @F4@ FAM", "1 HUSB @I1@", "1 WIFE @I3@", "1 CHIL @I7@",
};
// clang-format on

TEST(PedigreeLoss, HalfSiblingParentsLoseAQuarterInAGroupOfFour) {
    Analysis a(kHalfSiblings);
    a.Run();
    ASSERT_EQ(a.entries.size(), 1u) << a.host.AllMessages();
    EXPECT_EQ(a.entries[0].node->completeness, 0.75L);
    EXPECT_EQ(a.entries[0].groupSize, 4u);
    EXPECT_TRUE(
        a.host.HasMessage("Pedigree loss and group size for persons with gene-related parents"));
    EXPECT_TRUE(a.host.HasMessage("    25%          4   Berg; Piet")) << a.host.AllMessages();
    EXPECT_EQ(a.dialogTexts, std::vector<std::string>{"Berg; Piet"});
    ASSERT_EQ(a.charts.charts.size(), 1u);
    const TinbredPerson& chart = *a.charts.charts[0];
    EXPECT_TRUE(chart.complete);
    EXPECT_EQ(chart.nodes.size(), 4u);
    EXPECT_EQ(chart.proband->person->ID, "I1");
    // The shared grandfather on top, the child at the bottom, the parents
    // side by side between them.
    std::map<std::string, ChartPoint> at;
    for (std::size_t i = 0; i < chart.nodes.size(); ++i)
        at[chart.nodes[i]->person->ID] = chart.coords[i];
    EXPECT_LT(at["I4"].y, at["I2"].y);
    EXPECT_LT(at["I2"].y, at["I1"].y);
    EXPECT_NEAR(static_cast<double>(at["I2"].y), static_cast<double>(at["I3"].y), 1e-9);
    EXPECT_GE(std::fabs(static_cast<double>(at["I2"].x - at["I3"].x)), 0.999);
    EXPECT_EQ(chart.proband->shade, 152);
    EXPECT_EQ(a.host.statuses.back().text.rfind("Ready to view 1 charts", 0), 0u);
}

TEST(PedigreeLoss, FullSiblingsHalveAndAGroupInsideAnotherGetsNoChart) {
    Analysis a(kSiblings);
    a.Run();
    const InbreedingEntry* son = a.Entry("I1");
    const InbreedingEntry* grandchild = a.Entry("I7");
    ASSERT_TRUE(son && grandchild) << a.host.AllMessages();
    EXPECT_EQ(son->node->completeness, 0.5L);
    // The brother copied the value and is not listed again.
    EXPECT_EQ(a.Entry("I6"), nullptr);
    EXPECT_EQ(a.entries.size(), 2u);
    EXPECT_GT(grandchild->groupSize, son->groupSize);
    ASSERT_EQ(a.charts.charts.size(), 1u);
    EXPECT_EQ(son->chart, 0);
    EXPECT_EQ(grandchild->chart, 0);
    ASSERT_NE(son->shown, nullptr);
    EXPECT_EQ(son->shown->person->ID, "I1");
    EXPECT_EQ(a.charts.selection.size(), 2u);
}

TEST(PedigreeLoss, DialogAnswersDecideTheCharts) {
    {
        Analysis a(kSiblings);
        a.answer = std::optional<std::vector<std::size_t>>(std::vector<std::size_t>{0});
        a.Run();
        // The smallest loss first: the son; his chart alone.
        EXPECT_EQ(a.probands, std::vector<std::string>{"I1"});
        ASSERT_EQ(a.entries.size(), 1u);
        EXPECT_EQ(a.entries[0].node->person->ID, "I1");
        EXPECT_EQ(a.charts.charts.size(), 1u);
    }
    {
        Analysis a(kSiblings);
        a.answer = std::optional<std::vector<std::size_t>>();
        a.Run();
        EXPECT_EQ(a.reporter.RunState(), kRunCancelled);
        EXPECT_TRUE(a.charts.charts.empty());
    }
    {
        // Remembered persons without a dialog: their loss is computed, so
        // the boxes are shaded by it rather than all dark.
        Analysis a(kHalfSiblings);
        a.probands = {"I1"};
        a.Run(false);
        ASSERT_EQ(a.entries.size(), 1u);
        EXPECT_EQ(a.entries[0].node->completeness, 0.75L);
        ASSERT_EQ(a.charts.charts.size(), 1u);
        EXPECT_EQ(a.charts.charts[0]->proband->shade, 152);
        for (const TlossPerson* box : a.charts.charts[0]->nodes)
            EXPECT_TRUE(box->person->ID == "I1" || box->shade == 255) << box->person->ID;
    }
}

TEST(PedigreeLoss, UnrelatedParentsAndLoopsAreReported) {
    {
        Analysis a({"0 @I1@ INDI", "1 FAMC @F1@", "0 @I2@ INDI", "1 FAMS @F1@", "0 @I3@ INDI",
                    "1 FAMS @F1@", "0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I3@", "1 CHIL @I1@"});
        a.Run();
        EXPECT_TRUE(a.host.HasMessage("There is no inbreeding in the recorded data."));
        EXPECT_TRUE(a.charts.charts.empty());
        EXPECT_EQ(a.reporter.RunState(), kRunNormal);
    }
    {
        // I1 is the father of his own grandfather's parent.
        Analysis a({"0 @I1@ INDI",  "1 NAME A /X/", "1 FAMC @F1@",  "1 FAMS @F2@", "0 @I2@ INDI",
                    "1 NAME B /X/", "1 FAMS @F1@",  "1 FAMC @F2@",  "0 @I3@ INDI", "1 NAME C /X/",
                    "1 FAMS @F1@",  "0 @I4@ INDI",  "1 NAME D /X/", "1 FAMS @F2@", "0 @F1@ FAM",
                    "1 HUSB @I2@",  "1 WIFE @I3@",  "1 CHIL @I1@",  "0 @F2@ FAM",  "1 HUSB @I1@",
                    "1 WIFE @I4@",  "1 CHIL @I2@"});
        a.Run();
        EXPECT_EQ(a.reporter.RunState(), kRunError);
        EXPECT_TRUE(a.host.HasMessage("*** There is an infinite loop in your family data."))
            << a.host.AllMessages();
        EXPECT_TRUE(a.charts.charts.empty());
    }
}

TEST(PedigreeLoss, ReportAndHintTexts) {
    EXPECT_EQ(LossReportLine(0.996L, 3, "X"), "    <1%          3   X");
    EXPECT_EQ(LossReportLine(0.875L, 12, "X"), "    12%        12   X");  // 12.5: to the even
    EXPECT_EQ(LossReportLine(0, 12345, "X"), "  100%    12345   X");
    EXPECT_EQ(LossHint(1, "pedigree loss"), "");
    EXPECT_EQ(LossHint(0.8795L, "pedigree loss"), "12,05% pedigree loss.");
    EXPECT_EQ(LossHint(0.99999L, "pedigree loss"), "<0,01% pedigree loss.");
    EXPECT_EQ(LossHint(0.9995L, "pedigree loss"), "0,05% pedigree loss.");
    EXPECT_EQ(LossHint(0.9975L, "pedigree loss"), "0,25% pedigree loss.");
    EXPECT_EQ(LossHint(0.9L, "x"), "10,00% x.");
    EXPECT_EQ(ShadeOf(1), 255);
    EXPECT_EQ(ShadeOf(0.995L), 255);
    EXPECT_EQ(ShadeOf(0.75L), 152);
    EXPECT_EQ(ShadeOf(0), 65);
}

// The definition: every route from x into an ancestor counted anew.
long double RouteByRoute(const TlossPerson& x) {
    std::map<const TlossPerson*, int> entered;
    std::function<void(const TlossPerson*)> enter = [&](const TlossPerson* n) {
        if (entered[n]++ == 0)
            for (const TlossPerson* p : n->parents) enter(p);
    };
    enter(&x);
    std::function<long double(const TlossPerson*)> f = [&](const TlossPerson* n) {
        long double sum = (2 - static_cast<long double>(n->parents.size())) / 2;
        for (const TlossPerson* p : n->parents) sum += f(p) / 2;
        return sum / entered[n];
    };
    return f(&x);
}

// Generations of a few persons each, every child's parents drawn at random
// from the generation above: heavily entangled.
struct Entangled {
    explicit Entangled(unsigned seed, int generations = 9, int width = 4) {
        std::mt19937 random(seed);
        std::vector<TlossPerson*> above;
        for (int g = 0; g < generations; ++g) {
            std::vector<TlossPerson*> level;
            for (int i = 0; i < width; ++i) {
                auto& node = pool.Add(std::make_unique<TlossPerson>());
                node.index = static_cast<int32_t>(nodes.size());
                nodes.push_back(&node);
                level.push_back(&node);
                if (above.empty()) continue;
                const int parents = 1 + static_cast<int>(random() % 4 != 0);
                std::size_t first = random() % above.size();
                std::size_t second = (first + 1 + random() % (above.size() - 1)) % above.size();
                for (std::size_t p : {first, second}) {
                    if (node.parents.size() == static_cast<std::size_t>(parents)) break;
                    node.parents.push_back(above[p]);
                    above[p]->children.push_back(&node);
                }
            }
            above = level;
        }
    }
    NodePool pool;
    std::vector<TlossPerson*> nodes;
};

TEST(PedigreeLoss, SharesComputedOnceEqualTheRouteByRouteCount) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        Entangled graph(seed);
        test::FakeHost host;
        Reporter reporter(host);
        ASSERT_TRUE(ComputePedigreeLoss(graph.nodes, reporter));
        for (const TlossPerson* node : graph.nodes)
            EXPECT_EQ(node->completeness, RouteByRoute(*node)) << "seed " << seed;
        // And the graph lays out: parents above their children.
        ASSERT_TRUE(PlaceGenerations(graph.nodes, reporter)) << host.AllMessages();
        for (const TlossPerson* node : graph.nodes)
            for (const TlossPerson* parent : node->parents) EXPECT_GT(parent->y, node->y);
    }
}

// Persons P0 (bottom) to Pn, each the son of the next and a mother of his
// own; P0's mother is Pn's daughter, so Pn is reached twice.
struct LongChain {
    explicit LongChain(int n) {
        auto add = [this](std::string id) -> Tindividual& {
            auto person = std::make_unique<Tindividual>();
            person->ID = std::move(id);
            return db.persons.Add(std::move(person));
        };
        std::vector<Tindividual*> chain;
        for (int i = 0; i <= n; ++i) chain.push_back(&add("P" + std::to_string(i)));
        for (int i = 0; i < n; ++i) {
            chain[i]->father = chain[i + 1];
            chain[i]->mother = &add("M" + std::to_string(i));
        }
        chain[0]->mother->father = chain[n];
    }
    Database db;
};

TEST(PedigreeLoss, AChainOfAHundredThousandGenerations) {
    LongChain chain(100000);
    test::FakeHost host;
    Reporter reporter(host);
    NodePool pool;
    ASSERT_TRUE(CollectRelevantPersons(chain.db, pool, false, {}, reporter)) << host.AllMessages();
    EXPECT_EQ(pool.Size(), 100002u);
    std::vector<TlossPerson*> nodes;
    for (auto& node : pool.Nodes()) nodes.push_back(node.get());
    const std::vector<TlossPerson*> inbred = MarkInbred(nodes, reporter);
    ASSERT_EQ(inbred.size(), 1u);
    EXPECT_EQ(inbred[0]->person->ID, "P0");
    EXPECT_NEAR(static_cast<double>(inbred[0]->completeness), 0.875, 1e-12);
    // The chain as a graph of its own: one line, one unit per generation.
    std::vector<TlossPerson*> line;
    for (TlossPerson* node : nodes)
        if (node->person->ID[0] == 'P') line.push_back(node);
    for (TlossPerson* node : line)
        std::erase_if(node->parents, [](TlossPerson* p) { return p->person->ID[0] == 'M'; });
    ASSERT_TRUE(PlaceGenerations(line, reporter));
    for (TlossPerson* node : line)
        for (TlossPerson* parent : node->parents)
            ASSERT_NEAR(static_cast<double>(parent->y - node->y), 1, 1e-9);
}

}  // namespace
}  // namespace lg
