#include "charts/descendants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>

#include "database/gedcom_reader.h"
#include "html/person_description.h"
#include "support/loaded_family.h"
#include "support/test_support.h"
#include "text/language.h"

namespace lg {
namespace {

// Piet Berg's descendants: his son Jan's line keeps the name Berg, his
// daughter Anna married a Vos. Jan's grandson Cor is also Anna's
// great-grandson (Kees Berg married Lot Vos), so Cor appears twice, once a
// generation deeper through Anna; Cor's son Tom belongs under that one.
// clang-format off
const std::vector<std::string> kFamily = {
    "0 @I1@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMS @F1@",
    "0 @I2@ INDI", "1 NAME Wil /Dijk/", "1 SEX F", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 FAMC @F1@", "1 FAMS @F2@",
    "0 @I4@ INDI", "1 NAME Anna /Berg/", "1 SEX F", "1 FAMC @F1@", "1 FAMS @F3@",
    "0 @I5@ INDI", "1 NAME Bets /Smit/", "1 SEX F", "1 FAMS @F2@",
    "0 @I6@ INDI", "1 NAME Kees /Berg/", "1 SEX M", "1 FAMC @F2@", "1 FAMS @F5@",
    "0 @I7@ INDI", "1 NAME Henk /Vos/", "1 SEX M", "1 FAMS @F3@",
    "0 @I8@ INDI", "1 NAME Bram /Vos/", "1 SEX M", "1 FAMC @F3@", "1 FAMS @F4@",
    "0 @I9@ INDI", "1 NAME Mies /Berg/", "1 SEX F", "1 FAMC @F3@",
    "0 @I10@ INDI", "1 NAME Zus /Dam/", "1 SEX F", "1 FAMS @F4@",
    "0 @I11@ INDI", "1 NAME Lot /Vos/", "1 SEX F", "1 FAMC @F4@", "1 FAMS @F5@",
    "0 @I12@ INDI", "1 NAME Cor /Berg/", "1 SEX M", "1 FAMC @F5@", "1 FAMS @F6@",
    "0 @I13@ INDI", "1 NAME Roos /Post/", "1 SEX F", "1 FAMS @F6@",
    "0 @I14@ INDI", "1 NAME Tom /Berg/", "1 SEX M", "1 FAMC @F6@",
    "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I3@", "1 CHIL @I4@",
    "0 @F2@ FAM", "1 HUSB @I3@", "1 WIFE @I5@", "1 CHIL @I6@",
    "0 @F3@ FAM", "1 HUSB @I7@", "1 WIFE @I4@", "1 CHIL @I8@", "1 CHIL @I9@",
    "0 @F4@ FAM", "1 HUSB @I8@", "1 WIFE @I10@", "1 CHIL @I11@",
    "0 @F5@ FAM", "1 HUSB @I6@", "1 WIFE @I11@", "1 CHIL @I12@",
    "0 @F6@ FAM", "1 HUSB @I12@", "1 WIFE @I13@", "1 CHIL @I14@",
};
// clang-format on

struct Tree : test::LoadedFamily {
    explicit Tree(const std::vector<std::string>& records) : LoadedFamily(records) {
        request.marriages = [this](const Tindividual& person) {
            return MarriageSummary(person, db, DescriptionContext{language.get()});
        };
        request.probands = &probands;
        request.highlights = &highlights;
    }
    TlossPerson* Build(const std::string& proband, GenealogyType type) {
        probands = {proband};
        request.type = type;
        return MakeDescendantTree(db, pool, reporter, request);
    }
    // "ID/generation" of every box, or of those on the family line, in pool order.
    std::vector<std::string> Boxes(bool lineOnly = false) {
        std::vector<std::string> boxes;
        for (auto& n : pool.Nodes())
            if (n->lineFlag || !lineOnly)
                boxes.push_back(n->person->ID + "/" + std::to_string(n->generation));
        return boxes;
    }

    SortedStrings highlights;
    DescendantRequest request;
};

using Boxes = std::vector<std::string>;

TEST(Descendants, TheThreeTypesAndACousinMarriage) {
    Tree t(kFamily);
    TlossPerson* root = t.Build("I1", GenealogyType::All);
    ASSERT_NE(root, nullptr);
    // Cor's first occurrence lost its descendants to the deeper one.
    EXPECT_EQ(t.Boxes(), (Boxes{"I1/1", "I3/2", "I6/3", "I12/4", "I4/2", "I8/3", "I11/4", "I12/5",
                                "I14/6", "I9/3"}));
    const TlossPerson* deeper = t.db.persons.Find("I12")->node;
    ASSERT_EQ(deeper->generation, 5);
    EXPECT_TRUE(deeper->isDouble);
    EXPECT_EQ(deeper->twin->generation, 4);
    EXPECT_EQ(deeper->twin->twin, deeper);
    EXPECT_TRUE(deeper->twin->children.empty());
    ASSERT_EQ(deeper->children.size(), 1u);
    ASSERT_EQ(deeper->children[0]->parents.size(), 1u);
    EXPECT_EQ(deeper->children[0]->parents[0], deeper);

    ChartList charts;
    MakeGenealogyChart(root, t.pool, charts, t.reporter);
    for (const TlossPerson* n : charts.charts[0]->nodes)
        EXPECT_EQ(n->shade, n->person->ID == "I12" ? 220 : 255);

    // Via sons: Anna is shown, her children are not.
    t.Build("I1", GenealogyType::Male);
    EXPECT_EQ(t.Boxes(), (Boxes{"I1/1", "I3/2", "I6/3", "I12/4", "I14/5", "I4/2"}));
    // Same name: Anna's son Bram Vos is off the line and not followed; her
    // daughter Mies Berg is on it.
    t.Build("I1", GenealogyType::Name);
    EXPECT_EQ(t.Boxes(), (Boxes{"I1/1", "I3/2", "I6/3", "I12/4", "I14/5", "I4/2", "I8/3", "I9/3"}));
    EXPECT_EQ(t.Boxes(true), (Boxes{"I1/1", "I3/2", "I6/3", "I12/4", "I14/5", "I4/2", "I9/3"}));

    // A daughter as proband via sons only, and a proband without family.
    t.Build("I4", GenealogyType::Male);
    EXPECT_EQ(t.Boxes(), Boxes{"I4/1"});
    t.Build("I14", GenealogyType::All);
    EXPECT_EQ(t.Boxes(), Boxes{"I14/1"});
}

// Piet Berg's son Jan and daughter Mies are in the file without a name:
// the name line is left out, empty, or holds only the slashes.
std::vector<std::string> UnnamedChildren(const std::string& nameLine) {
    // clang-format off
    std::vector<std::string> records = {
        "0 @I1@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMS @F1@",
        "0 @I4@ INDI", "1 NAME Ans /Dijk/", "1 SEX F", "1 FAMS @F2@",
        "0 @I5@ INDI", "1 NAME Kees /Berg/", "1 SEX M", "1 FAMC @F2@", "1 FAMS @F4@",
        "0 @I6@ INDI", "1 NAME Lot /Berg/", "1 SEX F", "1 FAMC @F2@",
        "0 @I7@ INDI", "1 NAME Tom /Berg/", "1 SEX M", "1 FAMC @F4@",
        "0 @I8@ INDI", "1 NAME Henk /Vos/", "1 SEX M", "1 FAMS @F3@",
        "0 @I9@ INDI", "1 NAME Bram /Vos/", "1 SEX M", "1 FAMC @F3@",
        "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@", "1 CHIL @I3@",
        "0 @F2@ FAM", "1 HUSB @I2@", "1 WIFE @I4@", "1 CHIL @I5@", "1 CHIL @I6@",
        "0 @F3@ FAM", "1 HUSB @I8@", "1 WIFE @I3@", "1 CHIL @I9@",
        "0 @F4@ FAM", "1 HUSB @I5@", "1 CHIL @I7@",
        "0 @I2@ INDI", nameLine, "1 SEX M", "1 FAMC @F1@", "1 FAMS @F2@",
        "0 @I3@ INDI", nameLine, "1 SEX F", "1 FAMC @F1@", "1 FAMS @F3@"};
    // clang-format on
    std::erase(records, "");
    return records;
}

TEST(Descendants, AnUnnamedPersonLeadsOnToHisDescendants) {
    for (const std::string nameLine : {"", "1 NAME", "1 NAME //"}) {
        SCOPED_TRACE("name line \"" + nameLine + "\"");
        Tree t(UnnamedChildren(nameLine));
        ASSERT_TRUE(t.db.persons.Find("I2")->FullName(NameStyle::Proper).empty());
        TlossPerson* root = t.Build("I1", GenealogyType::All);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(t.Boxes(), (Boxes{"I1/1", "I2/2", "I5/3", "I7/4", "I6/3", "I3/2", "I9/3"}));
        ChartList charts;
        MakeGenealogyChart(root, t.pool, charts, t.reporter);
        ASSERT_EQ(charts.charts.size(), 1u);
        EXPECT_EQ(charts.charts[0]->nodes.size(), 7u);

        // The nameless son is a son all the same.
        t.Build("I1", GenealogyType::Male);
        EXPECT_EQ(t.Boxes(), (Boxes{"I1/1", "I2/2", "I5/3", "I7/4", "I6/3", "I3/2"}));
        // And he carries the family line on to his children. Whether his
        // sister's son bears her name cannot be told: he is off the line.
        t.Build("I1", GenealogyType::Name);
        EXPECT_EQ(t.Boxes(), (Boxes{"I1/1", "I2/2", "I5/3", "I7/4", "I6/3", "I3/2", "I9/3"}));
        EXPECT_EQ(t.Boxes(true), (Boxes{"I1/1", "I2/2", "I5/3", "I7/4", "I6/3", "I3/2"}));
        EXPECT_EQ(t.reporter.RunState(), kRunNormal) << t.host.AllMessages();
    }
}

TEST(Descendants, SavedHighlightsAndTheAutomaticProband) {
    Tree t(kFamily);
    // Anna's saved highlight takes her branch off the line: she and her
    // Berg-named daughter Mies were on it. Mies's own entry goes with it.
    t.highlights = {"I4", "I9"};
    t.Build("I1", GenealogyType::All);
    EXPECT_EQ(t.Boxes(true), (Boxes{"I1/1", "I3/2", "I6/3", "I12/4"}));
    EXPECT_EQ(t.highlights, (SortedStrings{"I4"}));

    // No remembered proband: the deepest descent, Piet (6 generations).
    t.probands.clear();
    TlossPerson* root = MakeDescendantTree(t.db, t.pool, t.reporter, t.request);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->person->ID, "I1");
    EXPECT_TRUE(t.host.HasMessage("Automatic selection of proband, based on tree depth."));
}

TEST(Descendants, LoopsInTheData) {
    // I1 and I2 are each other's child.
    // clang-format off
    const std::vector<std::string> loop = {
        "0 @I1@ INDI", "1 NAME A /X/", "1 SEX M", "1 FAMC @F2@", "1 FAMS @F1@",
        "0 @I2@ INDI", "1 NAME B /X/", "1 SEX M", "1 FAMC @F1@", "1 FAMS @F2@",
        "0 @F1@ FAM",  "1 HUSB @I1@",  "1 CHIL @I2@", "0 @F2@ FAM", "1 HUSB @I2@",
        "1 CHIL @I1@"};
    // clang-format on
    Tree t(loop);
    // With a remembered proband there is no depth pass: the build itself
    // stops where the person comes round again.
    ASSERT_NE(t.Build("I1", GenealogyType::All), nullptr);
    EXPECT_EQ(t.Boxes(), (Boxes{"I1/1", "I2/2", "I1/3"}));
    EXPECT_EQ(t.reporter.RunState(), kRunNormal);
    // The depth pass reports the loop.
    t.probands.clear();
    EXPECT_EQ(MakeDescendantTree(t.db, t.pool, t.reporter, t.request), nullptr);
    EXPECT_TRUE(t.host.HasMessage("*** There seems to be a loop in your gedcom."));
}

TEST(Descendants, LayoutPacksAndCentresParentsOverTheirChildren) {
    std::mt19937 random(11);
    for (int round = 0; round < 100; ++round) {
        std::vector<std::unique_ptr<TlossPerson>> nodes;
        nodes.push_back(std::make_unique<TlossPerson>());
        for (std::size_t i = 0; i < nodes.size() && nodes.size() < 200; ++i) {
            int children = i == 0 ? 4 : static_cast<int>(random() % 7) - 3;
            for (int c = 0; c < children; ++c) {
                nodes.push_back(std::make_unique<TlossPerson>());
                nodes[i]->children.push_back(nodes.back().get());
            }
        }
        PlaceDescendants(*nodes[0], std::numeric_limits<std::size_t>::max());
        std::map<long double, std::vector<long double>> levels;
        for (auto& n : nodes) {
            levels[n->x].push_back(n->y);
            const auto& c = n->children;
            if (c.empty()) continue;
            auto hasChildren = [](const TlossPerson* x) { return !x->children.empty(); };
            auto first = std::find_if(c.begin(), c.end(), hasChildren);
            // Childless children before the first family are packed against it.
            for (auto it = c.begin(); it != first && first != c.end(); ++it)
                ASSERT_EQ((*first)->y - (*it)->y, first - it) << round;
            long double middle = (c.front()->y + c.back()->y) / 2;
            if (first == c.end()) {
                ASSERT_EQ(n->y, middle);
                continue;
            }
            auto near = std::find_if(c.begin(), c.end(), [&](const TlossPerson* x) {
                return std::fabs(x->y - middle) < 0.2L;
            });
            ASSERT_EQ(n->y, near == c.end() ? middle : (*near)->y) << round;
        }
        for (auto& [x, ys] : levels) {  // no two boxes of a column overlap
            std::sort(ys.begin(), ys.end());
            for (std::size_t i = 1; i < ys.size(); ++i) ASSERT_GE(ys[i] - ys[i - 1], 1 - 1e-9L);
        }
    }
}

TEST(Descendants, ADeepLineIsBuiltAndPlacedWithoutRecursion) {
    constexpr int kGenerations = 100000;
    Database db;
    for (int i = 0; i < kGenerations; ++i) {
        auto person = std::make_unique<Tindividual>();
        person->ID = "I" + std::to_string(i);
        person->sex = 'M';
        db.persons.Add(std::move(person));
        auto family = std::make_unique<Tfamily>();
        family->ID = "F" + std::to_string(i);
        db.families.Add(std::move(family));
    }
    for (int i = 0; i + 1 < kGenerations; ++i) {
        db.persons[i].famsList.push_back({db.families[i].ID, &db.families[i]});
        db.families[i].children.push_back({db.persons[i + 1].ID, &db.persons[i + 1]});
    }
    db.persons.SortByID();
    db.families.SortByID();
    test::FakeHost host;
    Reporter reporter(host);
    auto language = CreateLanguage("english", reporter);
    std::vector<std::string> probands{"I0"};
    DescendantRequest request;
    request.probands = &probands;
    NodePool pool;
    TlossPerson* root = MakeDescendantTree(db, pool, reporter, request);
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(pool.Size(), static_cast<std::size_t>(kGenerations));
    ChartList charts;
    MakeGenealogyChart(root, pool, charts, reporter);
    for (const ChartPoint& point : charts.charts[0]->coords) ASSERT_EQ(point.y, 0);
}

}  // namespace
}  // namespace lg
