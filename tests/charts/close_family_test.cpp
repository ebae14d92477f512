#include "charts/close_family.h"

#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

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

struct Plan {
    std::vector<std::string> boxes, connectors, labels, childLines;
    std::string steps;  // a letter per step: b(ox), c(onnector), l(abel), g(rey line)
};

std::string At(FamilyCell cell) {
    std::ostringstream text;
    text << cell.column << "," << cell.row;
    return text.str();
}

// The plan's lists as text, "..." marking a dotted connector.
Plan PlanOf(const CloseFamilyLayout& layout) {
    Plan plan;
    for (const FamilyBox& box : layout.boxes)
        plan.boxes.push_back(box.person->ID + " " + At(box.Cell()));
    for (const FamilyConnector& c : layout.connectors)
        plan.connectors.push_back(At(c.from) + (c.dotted ? "..." : "-") + At(c.to));
    for (const FamilyLabel& label : layout.labels)
        plan.labels.push_back(label.text + " " + std::to_string(label.row));
    for (const FamilyChildLine& line : layout.childLines)
        plan.childLines.push_back(At({line.column, line.fromRow}) + "-" +
                                  std::to_string(line.toRow));
    for (const FamilyDrawStep& step : layout.steps)
        plan.steps += "bclg"[static_cast<int>(step.part)];
    return plan;
}

using Strings = std::vector<std::string>;

TEST(CloseFamily, PlacesAncestorsFamiliesAndCaptionsInDrawingOrder) {
    test::LoadedFamily f(kFamily);
    const CloseFamilyLayout layout = LayOutCloseFamily(*f.db.persons.Find("I1"));
    const Plan plan = PlanOf(layout);

    // Grandparents before their child, the focus person last.
    EXPECT_EQ(plan.boxes, (Strings{"I4 1,0", "I5 2,0", "I2 1.5,2", "I3 3.5,2", "I6 4.5,5",
                                   "I7 3.5,6", "I8 3.5,7", "I9 3.5,9", "I1 2.5,4"}));
    // The second family has no wife: its partner row 8 stays empty.
    EXPECT_EQ(plan.labels, (Strings{"parents 2", "grandparents 0", "focus person 4", "partner 1 5",
                                    "child 1 6", "child 2 7", "partner 2 8", "child 3 9"}));
    EXPECT_EQ(layout.labels[4].x, 23);
    EXPECT_EQ(layout.labels[3].x, 3);
    EXPECT_EQ(layout.lastRow, 9);
    EXPECT_EQ(layout.lastColumn, 4.5);
    EXPECT_EQ(plan.childLines, (Strings{"3.5,5-7", "3.5,8-9"}));
    // Focus to father, father to his parents, focus to mother, Mia dotted.
    EXPECT_EQ(plan.connectors,
              (Strings{"2.5,4-1.5,2", "1.5,2-1,0", "1.5,2-2,0", "2.5,4-3.5,2", "4.5,5...2.5,4"}));

    // The steps: father's line, his parents' lines and boxes, his box; the
    // focus person's box on top of all 24 items.
    EXPECT_EQ(plan.steps.substr(0, 6), "ccbcbb");
    EXPECT_EQ(plan.steps.size(), 24u);
    EXPECT_EQ(plan.steps.back(), 'b');
    EXPECT_EQ(layout.steps.back().index, layout.boxes.size() - 1);
}

TEST(CloseFamily, UnknownRelativesLeaveNothingAndOneFamilyIsNotNumbered) {
    test::LoadedFamily f(kFamily);
    // Mia: no parents, one family (with Jan) whose two children follow.
    const Plan mia = PlanOf(LayOutCloseFamily(*f.db.persons.Find("I6")));
    EXPECT_EQ(mia.boxes, (Strings{"I1 4.5,5", "I7 3.5,6", "I8 3.5,7", "I6 2.5,4"}));
    EXPECT_EQ(mia.labels, (Strings{"focus person 4", "partner 5", "child 1 6", "child 2 7"}));

    // Tom: no mother, so neither her box nor her parents' nor her line.
    const CloseFamilyLayout tom = LayOutCloseFamily(*f.db.persons.Find("I9"));
    EXPECT_EQ(PlanOf(tom).boxes, (Strings{"I2 1,0", "I3 2,0", "I1 1.5,2", "I9 2.5,4"}));
    EXPECT_EQ(tom.connectors.size(), 3u);
    EXPECT_TRUE(tom.childLines.empty());
    EXPECT_EQ(tom.lastRow, 4);
    // Kees: no parents at all, so no caption for them.
    EXPECT_EQ(PlanOf(LayOutCloseFamily(*f.db.persons.Find("I4"))).labels,
              (Strings{"focus person 4", "partner 5", "child 1 6"}));
}

TEST(CloseFamily, GeometryEnlargesBoxesAndFindsThem) {
    Tvariables settings;
    settings.boxwidth = 60;
    settings.boxheight = 15;
    settings.xspace = 10;
    settings.yspace = 6;
    const CloseFamilyGeometry g = CloseFamilyGeometry::Of(settings);
    // The height 22.5 rounded up.
    EXPECT_EQ(std::tie(g.boxWidth, g.boxHeight, g.columnStep, g.rowStep),
              std::tuple(90, 23, 100, 29));
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
    for (const char* id : {"I1", "I2", "I3"}) history.Push(id);
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
