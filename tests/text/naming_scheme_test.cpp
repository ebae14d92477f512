#include "text/naming_scheme.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

TEST(NormaliseScheme, BringsTypedSchemesIntoCanonicalForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"N2Z1", "n2z1"},
        {"a0n", "a0n2z2"},
        {"z3m1", "z3"},   // nothing after the z pair can be reached
        {"f7z", "f2z2"},  // a digit beyond 5 is replaced and then skipped
        {"", "z2"},
        {"@", "z2@"},
        {"a0@n3z2", "a0n3z2@"},  // "@" anywhere ends up at the end
        {"a1a3m4", "a1m4z2"},    // a repeated letter is dropped with its digit
        {"x9 b1 o", "o2z2"},     // foreign letters and digits vanish
        {"P5z0", "p5z0"},
    };
    for (const auto& [typed, normal] : cases) {
        EXPECT_EQ(NormaliseScheme(typed), normal) << typed;
        EXPECT_EQ(NormaliseScheme(normal), normal);  // stable
    }
}

TEST(NameCodes, EntriesOfOnePersonAreFoundSetAndRemoved) {
    SortedStrings codes;
    SetNameCode(codes, "I1", '3');
    SetNameCode(codes, "I10", '0');
    SetNameCode(codes, "I1", '4');  // replaces, does not add
    SetNameCode(codes, "I", '1');
    EXPECT_EQ(codes, (SortedStrings{"I/1", "I1/4", "I10/0"}));
    EXPECT_EQ(NameCodeOf(codes, "I1"), '4');
    EXPECT_EQ(NameCodeOf(codes, "I10"), '0');
    EXPECT_EQ(NameCodeOf(codes, "I"), '1');
    EXPECT_EQ(NameCodeOf(codes, "I100"), 0);
    EXPECT_EQ(NameCodeOf(codes, "I1/"), 0);  // an entry is ID + separator + code
    EXPECT_EQ(NameCodeOf(codes, ""), 0);

    // Entries from a file may use another separator.
    SortedStrings other{"I2:3", "I20/1"};
    EXPECT_EQ(NameCodeOf(other, "I2"), '3');
    EXPECT_EQ(NameCodeID("I2:3"), "I2");
    EXPECT_EQ(NameCodeID("x"), "");

    RemoveNameCode(codes, "I1");
    EXPECT_EQ(codes, (SortedStrings{"I/1", "I10/0"}));
    RemoveNameCode(codes, "I99");
    EXPECT_EQ(codes.size(), 2u);
}

TEST(Highlights, ToggleAddsAndRemovesKeepingTheListSorted) {
    SortedStrings marks;
    EXPECT_TRUE(ToggleHighlight(marks, "I5"));
    EXPECT_TRUE(ToggleHighlight(marks, "I10"));
    EXPECT_TRUE(ToggleHighlight(marks, "I1"));
    EXPECT_EQ(marks, (SortedStrings{"I1", "I10", "I5"}));
    EXPECT_FALSE(ToggleHighlight(marks, "I10"));
    EXPECT_EQ(marks, (SortedStrings{"I1", "I5"}));
    RemoveHighlight(marks, "I5");
    RemoveHighlight(marks, "I5");
    EXPECT_EQ(marks, SortedStrings{"I1"});
    EXPECT_FALSE(AddSorted(marks, "I1"));
    EXPECT_TRUE(ContainsSorted(marks, "I1"));
}

}  // namespace
}  // namespace lg
