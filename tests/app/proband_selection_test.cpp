#include "app/proband_selection.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace lg {
namespace {

TEST(ProbandSelection, TheListedDepthGrowsWithTheFile) {
    const std::pair<std::size_t, int32_t> cases[] = {
        {0, 1},   {16, 1},   {17, 2},   {32, 2},   {33, 3},   {256, 3},
        {257, 4}, {2048, 4}, {2049, 5}, {8000, 5}, {8001, 6}, {10000, 6},
    };
    for (const auto& [persons, depth] : cases)
        EXPECT_EQ(MinimumListedDepth(persons), depth) << persons;
}

TEST(ProbandSelection, ListsTheDeepTreesAlphabeticallyWithTheRememberedOneHighlighted) {
    // Twenty persons: a depth of 2 is needed.
    TindividualList persons;
    for (int i = 0; i < 20; ++i) {
        auto person = std::make_unique<Tindividual>();
        person->ID = "I" + std::to_string(10 + i);
        const char* names[] = {"Jan /berg/", "Anna /de Wit/", "Piet /Vos/", "\xC9mile /\xD8rsted/"};
        person->fullName = names[i >= 3 && i <= 6 ? i - 3 : 2];
        SplitName(*person);
        person->treeDepth = i == 3 ? 4 : i == 4 ? 2 : i == 5 ? 3 : i == 6 ? 2 : 1;
        persons.Add(std::move(person));
    }
    persons[3].birth = std::make_unique<TEventRecord>();
    persons[3].birth->date = "12 MAR 1850";
    persons.SortByID();
    test::FakeHost host;
    Reporter reporter(host);
    ProbandList list = ListProbands(persons, {"I13", "I15"}, FoldingCollation(), reporter);
    ASSERT_EQ(list.lines.size(), 4u);
    // Neither case nor accents count.
    EXPECT_EQ(list.lines[0].text, "berg; Jan [1850]  <4>");
    EXPECT_EQ(list.lines[1].text, "\xD8rsted; \xC9mile  <2>");
    EXPECT_EQ(list.lines[2].text, "Vos; Piet  <3>");
    EXPECT_EQ(list.lines[3].text, "Wit, de; Anna  <2>");
    EXPECT_EQ(list.remembered, persons.Find("I13"));
    EXPECT_EQ(list.highlighted, 0);
    EXPECT_EQ(host.statuses.back().text, std::string(21, ' '));

    // A remembered proband too shallow for the list is not highlighted; an
    // unknown one is ignored.
    EXPECT_EQ(ListProbands(persons, {"I11"}, FoldingCollation(), reporter).highlighted, -1);
    EXPECT_EQ(ListProbands(persons, {"X"}, FoldingCollation(), reporter).remembered, nullptr);

    // The order is the collation's, and the highlight follows its person.
    struct Backwards final : Collation {
        std::vector<std::size_t> Order(const std::vector<std::string_view>& texts) const override {
            std::vector<std::size_t> order = FoldingCollation().Order(texts);
            return {order.rbegin(), order.rend()};
        }
    };
    list = ListProbands(persons, {"I13"}, Backwards(), reporter);
    ASSERT_EQ(list.lines.size(), 4u);
    EXPECT_EQ(list.lines[0].text, "Wit, de; Anna  <2>");
    EXPECT_EQ(list.lines[3].text, "berg; Jan [1850]  <4>");
    EXPECT_EQ(list.highlighted, 3);
}

TEST(ProbandSelection, TheButtonsAnswers) {
    Tindividual jan, piet;
    jan.ID = "I1";
    piet.ID = "I2";
    std::vector<std::string> probands{"I1"};
    bool changed = false;
    ProbandChoice choice = AcceptProband(probands, &jan, &jan, changed);
    EXPECT_EQ(choice.selected, &jan);
    EXPECT_FALSE(changed);  // the same proband again
    AcceptProband(probands, &piet, &jan, changed);
    EXPECT_EQ(probands, std::vector<std::string>{"I2"});
    EXPECT_TRUE(changed);

    changed = false;
    ClearProband(probands, changed);
    EXPECT_TRUE(probands.empty());
    EXPECT_TRUE(changed);
    choice = AcceptProband(probands, nullptr, nullptr, changed);
    EXPECT_EQ(choice.selected, nullptr);  // the chart then picks by depth
    EXPECT_TRUE(probands.empty());

    test::FakeHost host;
    Reporter reporter(host);
    EXPECT_TRUE(CancelProband(reporter).cancelled);
    EXPECT_EQ(reporter.RunState(), kRunCancelled);
    EXPECT_EQ(reporter.ErrorCount(), 0);
}

}  // namespace
}  // namespace lg
