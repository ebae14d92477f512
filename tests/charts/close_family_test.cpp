#include "charts/close_family.h"

#include <gtest/gtest.h>

#include "support/loaded_family.h"

namespace lg {
namespace {

// Jan Berg with his father's parents known but not his mother's, a first
// wife with two children and a second family without a wife with one child.
// clang-format off
const std::vector<std::string> kFamily = {
    "0 @I1@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 FAMC @F1@", "1 FAMS @F2@", "1 FAMS @F3@",
    "0 @I2@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMC @F0@", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Wil /Dijk/", "1 SEX F", "1 FAMS @F1@",
    "0 @I4@ INDI", "1 NAME Kees /Berg/", "1 SEX M", "1 FAMS @F0@",
    "0 @I5@ INDI", "1 NAME Lot /Vos/", "1 SEX F", "1 FAMS @F0@",
    "0 @I6@ INDI", "1 NAME Mia /Smit/", "1 SEX F", "1 FAMS @F2@",
    "0 @I7@ INDI", "1 NAME Bram /Berg/", "1 SEX M", "1 FAMC @F2@",
    "0 @I8@ INDI", "1 NAME Roos /Berg/", "1 SEX F", "1 FAMC @F2@",
    "0 @I9@ INDI", "1 NAME Tom /Berg/", "1 SEX M", "1 FAMC @F3@",
    "0 @F0@ FAM", "1 HUSB @I4@", "1 WIFE @I5@", "1 CHIL @I2@",
    "0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I3@", "1 CHIL @I1@",
    "0 @F2@ FAM", "1 HUSB @I1@", "1 WIFE @I6@", "1 CHIL @I7@", "1 CHIL @I8@",
    "0 @F3@ FAM", "1 HUSB @I1@", "1 CHIL @I9@",
};
// clang-format on

struct Placed {
    std::string id;
    FamilyCell cell;
};

std::vector<Placed> Boxes(const CloseFamilyLayout& layout) {
    std::vector<Placed> result;
    for (const FamilyBox& box : layout.boxes) result.push_back({box.person->ID, box.Cell()});
    return result;
}

std::vector<std::pair<std::string, int32_t>> Labels(const CloseFamilyLayout& layout) {
    std::vector<std::pair<std::string, int32_t>> result;
    for (const FamilyLabel& label : layout.labels) result.emplace_back(label.text, label.row);
    return result;
}

void ExpectBoxes(const CloseFamilyLayout& layout, const std::vector<Placed>& expected) {
    const std::vector<Placed> actual = Boxes(layout);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].id, expected[i].id) << "box " << i;
        EXPECT_EQ(actual[i].cell, expected[i].cell) << expected[i].id;
    }
}

TEST(CloseFamily, PlacesAncestorsFamiliesAndCaptionsInDrawingOrder) {
    test::LoadedFamily f(kFamily);
    const CloseFamilyLayout layout = LayOutCloseFamily(*f.db.persons.Find("I1"));

    // Grandparents before their child, the focus person last.
    ExpectBoxes(layout, {{"I4", {1, 0}},
                         {"I5", {2, 0}},
                         {"I2", {1.5, 2}},
                         {"I3", {3.5, 2}},
                         {"I6", {4.5, 5}},
                         {"I7", {3.5, 6}},
                         {"I8", {3.5, 7}},
                         {"I9", {3.5, 9}},
                         {"I1", {2.5, 4}}});
    // The second family has no wife: its partner row 8 stays empty.
    const std::vector<std::pair<std::string, int32_t>> labels = {
        {"parents", 2}, {"grandparents", 0}, {"focus person", 4}, {"partner 1", 5},
        {"child 1", 6}, {"child 2", 7},      {"partner 2", 8},    {"child 3", 9}};
    EXPECT_EQ(Labels(layout), labels);
    EXPECT_EQ(layout.labels[4].x, 23);
    EXPECT_EQ(layout.labels[3].x, 3);
    EXPECT_EQ(layout.lastRow, 9);
    EXPECT_EQ(layout.lastColumn, 4.5);

    ASSERT_EQ(layout.childLines.size(), 2u);
    EXPECT_EQ(layout.childLines[0].fromRow, 5);
    EXPECT_EQ(layout.childLines[0].toRow, 7);
    EXPECT_EQ(layout.childLines[1].fromRow, 8);
    EXPECT_EQ(layout.childLines[1].toRow, 9);
    EXPECT_EQ(layout.childLines[1].column, 3.5);

    // Focus to father, father to his parents, focus to mother, Mia dotted.
    ASSERT_EQ(layout.connectors.size(), 5u);
    EXPECT_EQ(layout.connectors[0].to, (FamilyCell{1.5, 2}));
    EXPECT_EQ(layout.connectors[2].from, (FamilyCell{1.5, 2}));
    EXPECT_EQ(layout.connectors[2].to, (FamilyCell{2, 0}));
    EXPECT_FALSE(layout.connectors[3].dotted);
    EXPECT_TRUE(layout.connectors[4].dotted);
    EXPECT_EQ(layout.connectors[4].from, (FamilyCell{4.5, 5}));
    EXPECT_EQ(layout.connectors[4].to, (FamilyCell{2.5, 4}));

    // The steps: father's line, his parents' lines and boxes, his box.
    const FamilyPart expectedStart[] = {FamilyPart::Connector, FamilyPart::Connector,
                                        FamilyPart::Box,       FamilyPart::Connector,
                                        FamilyPart::Box,       FamilyPart::Box};
    ASSERT_GE(layout.steps.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(layout.steps[i].part, expectedStart[i]) << i;
    const std::size_t drawn = layout.boxes.size() + layout.connectors.size() +
                              layout.labels.size() + layout.childLines.size();
    EXPECT_EQ(layout.steps.size(), drawn);
    EXPECT_EQ(layout.steps.back().part, FamilyPart::Box);
    EXPECT_EQ(layout.steps.back().index, layout.boxes.size() - 1);
}

TEST(CloseFamily, UnknownRelativesLeaveNothingAndOneFamilyIsNotNumbered) {
    test::LoadedFamily f(kFamily);
    // Mia: no parents, one family (with Jan) whose two children follow.
    const CloseFamilyLayout mia = LayOutCloseFamily(*f.db.persons.Find("I6"));
    ExpectBoxes(mia, {{"I1", {4.5, 5}}, {"I7", {3.5, 6}}, {"I8", {3.5, 7}}, {"I6", {2.5, 4}}});
    const std::vector<std::pair<std::string, int32_t>> labels = {
        {"focus person", 4}, {"partner", 5}, {"child 1", 6}, {"child 2", 7}};
    EXPECT_EQ(Labels(mia), labels);

    // Tom: no mother, so neither her box nor her parents' nor her line.
    const CloseFamilyLayout tom = LayOutCloseFamily(*f.db.persons.Find("I9"));
    ExpectBoxes(tom, {{"I2", {1, 0}}, {"I3", {2, 0}}, {"I1", {1.5, 2}}, {"I9", {2.5, 4}}});
    EXPECT_EQ(tom.connectors.size(), 3u);
    EXPECT_TRUE(tom.childLines.empty());
    // Kees: no parents at all, so no caption for them.
    const CloseFamilyLayout kees = LayOutCloseFamily(*f.db.persons.Find("I4"));
    EXPECT_EQ(Labels(kees), (std::vector<std::pair<std::string, int32_t>>{
                                {"focus person", 4}, {"partner", 5}, {"child 1", 6}}));
    EXPECT_EQ(tom.lastRow, 4);
}

TEST(CloseFamily, GeometryEnlargesBoxesAndFindsThem) {
    Tvariables settings;
    settings.boxwidth = 60;
    settings.boxheight = 15;
    settings.xspace = 10;
    settings.yspace = 6;
    const CloseFamilyGeometry g = CloseFamilyGeometry::Of(settings);
    EXPECT_EQ(g.boxWidth, 90);
    EXPECT_EQ(g.boxHeight, 23);  // 22.5 rounded up
    EXPECT_EQ(g.columnStep, 100);
    EXPECT_EQ(g.rowStep, 29);
    EXPECT_EQ(g.Centre({2.5, 4}), (FamilyPixel{20 + 250 + 45, 20 + 116 + 11}));
    EXPECT_EQ(g.RowCentre(0), 31);

    // Elbow when both coordinates differ, else a straight line.
    const std::vector<FamilyPixel> elbow = g.ConnectorPath({{4.5, 5}, {2.5, 4}, true});
    ASSERT_EQ(elbow.size(), 3u);
    EXPECT_EQ(elbow[1], (FamilyPixel{g.Centre({2.5, 4}).x, g.Centre({4.5, 5}).y}));
    EXPECT_EQ(g.ConnectorPath({{3.5, 5}, {3.5, 7}, false}).size(), 2u);

    test::LoadedFamily f(kFamily);
    const CloseFamilyLayout layout = LayOutCloseFamily(*f.db.persons.Find("I1"));
    EXPECT_EQ(g.Extent(layout), (FamilyPixel{20 + 450 + 90 + 20, 20 + 9 * 29 + 23 + 20}));
    const FamilyPixel mia = g.Centre({4.5, 5});
    EXPECT_EQ(g.BoxAt(layout, mia.x, mia.y), 4);
    EXPECT_EQ(g.BoxAt(layout, mia.x - 44, mia.y + 10), 4);
    EXPECT_EQ(g.BoxAt(layout, mia.x - 46, mia.y), -1);
    EXPECT_EQ(g.BoxAt(layout, 5, 5), -1);
}

TEST(CloseFamily, HistoryMovesWithinItsEndsAndPushDropsTheFuture) {
    FocusHistory history;
    EXPECT_FALSE(history.Back());
    EXPECT_FALSE(history.Forward());
    EXPECT_EQ(history.Current(), "");
    history.Push("I1");
    history.Push("I2");
    history.Push("I3");
    EXPECT_EQ(history.Current(), "I3");
    EXPECT_FALSE(history.Forward());
    EXPECT_TRUE(history.Back());
    EXPECT_TRUE(history.Back());
    EXPECT_FALSE(history.Back());
    EXPECT_EQ(history.Current(), "I1");
    EXPECT_TRUE(history.Forward());
    EXPECT_EQ(history.Current(), "I2");
    history.Push("I9");  // I3 is dropped
    EXPECT_EQ(history.ids, (std::vector<std::string>{"I1", "I2", "I9"}));
    EXPECT_EQ(history.current, 2u);
    EXPECT_FALSE(history.CanGoForward());
    EXPECT_TRUE(history.CanGoBack());
}

}  // namespace
}  // namespace lg
