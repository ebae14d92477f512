#include "charts/timeline.h"

#include <gtest/gtest.h>

#include "charts/descendants.h"
#include "support/loaded_family.h"

namespace lg {
namespace {

// Piet and Wil have a daughter Anna and a son Jan; Anna married Henk and
// has a son Bram; Jan married twice. Henk has no dates at all, Jan no
// birth date, and both Anna's marriage and Bram's birth are far off the
// others' years only in one direction.
// clang-format off
const std::vector<std::string> kFamily = {
    "0 @I1@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 BIRT", "2 DATE 1820", "1 DEAT",
    "2 DATE 1890", "1 FAMS @F1@",
    "0 @I2@ INDI", "1 NAME Wil /Dijk/", "1 SEX F", "1 BIRT", "2 DATE 1825", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Anna /Berg/", "1 SEX F", "1 BIRT", "2 DATE 1850", "1 FAMC @F1@",
    "1 FAMS @F2@",
    "0 @I4@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 DEAT", "2 DATE 1930", "1 FAMC @F1@",
    "1 FAMS @F3@", "1 FAMS @F4@",
    "0 @I5@ INDI", "1 NAME Henk /Vos/", "1 SEX M", "1 FAMS @F2@",
    "0 @I6@ INDI", "1 NAME Bram /Vos/", "1 SEX M", "1 BIRT", "2 DATE 1880", "1 FAMC @F2@",
    "0 @I7@ INDI", "1 NAME Bets /Smit/", "1 SEX F", "1 FAMS @F3@",
    "0 @I8@ INDI", "1 NAME Dora /Post/", "1 SEX F", "1 FAMS @F4@",
    "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 MARR", "2 DATE 1845", "1 CHIL @I3@",
    "1 CHIL @I4@",
    "0 @F2@ FAM", "1 HUSB @I5@", "1 WIFE @I3@", "1 CHIL @I6@",
    "0 @F3@ FAM", "1 HUSB @I4@", "1 WIFE @I7@",
    "0 @F4@ FAM", "1 HUSB @I4@", "1 WIFE @I8@",
};
// clang-format on

struct Timeline : test::LoadedFamily {
    explicit Timeline(const std::vector<std::string>& family = kFamily) : LoadedFamily(family) {
        for (auto& person : db.persons) person->ComputeYears();
    }
    TlossPerson* Build(const std::string& proband) {
        probands = {proband};
        DescendantRequest request;
        request.probands = &probands;
        return MakeDescendantTree(db, pool, reporter, request);
    }
    std::vector<int32_t> Rows(std::initializer_list<const char*> ids) {
        std::vector<int32_t> rows;
        for (const char* id : ids) rows.push_back(db.persons.Find(id)->timelineRow);
        return rows;
    }
};

TEST(Timeline, RowsOfAManAndOfAWoman) {
    Timeline t;
    TlossPerson* root = t.Build("I1");
    ASSERT_NE(root, nullptr);
    const int32_t end = AssignTimelineRows(*root, TimelineRows{10, 13, 6});
    // Anna's block (her husband just above her, her son below) comes
    // before Piet; his wife is beside him; Jan's block (two wives) below.
    EXPECT_EQ(t.Rows({"I5", "I3", "I6", "I1", "I2", "I4", "I7", "I8"}),
              (std::vector<int32_t>{23, 29, 55, 80, 86, 112, 118, 131}));
    EXPECT_EQ(end, 156);

    // A woman as proband: her husband above her, her son below.
    TlossPerson* anna = t.Build("I3");
    ASSERT_NE(anna, nullptr);
    AssignTimelineRows(*anna, TimelineRows{0, 10, 2});
    EXPECT_EQ(t.Rows({"I5", "I3", "I6"}), (std::vector<int32_t>{10, 12, 32}));
}

TEST(Timeline, APersonReachedTwiceTakesTheLaterRow) {
    // Cor descends from Piet through his daughter Anna (her daughter Lot)
    // and through his son Jan (his son Kees): first met above Piet, then
    // again below him.
    // clang-format off
    Timeline f({
        "0 @I1@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMS @F1@",
        "0 @I2@ INDI", "1 NAME Anna /Berg/", "1 SEX F", "1 FAMC @F1@", "1 FAMS @F2@",
        "0 @I3@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 FAMC @F1@", "1 FAMS @F3@",
        "0 @I4@ INDI", "1 NAME Lot /Vos/", "1 SEX F", "1 FAMC @F2@", "1 FAMS @F4@",
        "0 @I5@ INDI", "1 NAME Kees /Berg/", "1 SEX M", "1 FAMC @F3@", "1 FAMS @F4@",
        "0 @I6@ INDI", "1 NAME Cor /Berg/", "1 SEX M", "1 FAMC @F4@",
        "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@", "1 CHIL @I3@",
        "0 @F2@ FAM", "1 WIFE @I2@", "1 CHIL @I4@",
        "0 @F3@ FAM", "1 HUSB @I3@", "1 CHIL @I5@",
        "0 @F4@ FAM", "1 HUSB @I5@", "1 WIFE @I4@", "1 CHIL @I6@",
    });
    // clang-format on
    TlossPerson* root = f.Build("I1");
    ASSERT_NE(root, nullptr);
    AssignTimelineRows(*root, TimelineRows{});
    // Kees and Cor had rows 23 and 55 in Lot's block first.
    EXPECT_EQ(f.Rows({"I4", "I1", "I5", "I6"}), (std::vector<int32_t>{29, 105, 143, 162}));
}

TEST(Timeline, YearRangeLeavesMissingYearsOutAndScaleEnds) {
    Timeline t;
    TlossPerson* root = t.Build("I1");
    ASSERT_NE(root, nullptr);
    const YearRange range = TimelineYearRange(*root, 2026);
    EXPECT_EQ(std::pair(range.first, range.last), std::pair(1820, 1930));
    EXPECT_EQ(range.X(1820), 0);
    EXPECT_EQ(range.X(1930), 1014);  // 110 * 1024 / 111
    EXPECT_EQ(range.X(1931), 1024);
    EXPECT_EQ(range.X(1875), 507);  // 56320 / 111, truncated

    // Henk has no year: his wife's and son's make the range; without them
    // a default century, not year 0.
    TlossPerson* henk = t.Build("I5");
    ASSERT_NE(henk, nullptr);
    const YearRange none = TimelineYearRange(*henk, 2026);
    EXPECT_EQ(std::pair(none.first, none.last), std::pair(1850, 1880));
    t.db.persons.Find("I3")->birthYear = 0;
    t.db.persons.Find("I6")->birthYear = 0;
    const YearRange empty = TimelineYearRange(*henk, 2026);
    EXPECT_EQ(std::pair(empty.first, empty.last), std::pair(1926, 2026));
}

}  // namespace
}  // namespace lg
