#include "base/shared_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lg {
namespace {

TEST(SharedText, ReadsAndChangesLikeAString) {
    SharedText empty;
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.str(), "");
    EXPECT_TRUE(SharedText("").empty());

    SharedText place = std::string("Utrecht");
    SharedText copy = place;
    EXPECT_EQ(copy, "Utrecht");
    EXPECT_EQ(&copy.str(), &place.str());  // one copy of the text for both
    // Changing one leaves the texts it shared alone.
    copy += ", Nederland";
    EXPECT_EQ(copy, "Utrecht, Nederland");
    EXPECT_EQ(place, "Utrecht");
    EXPECT_EQ("at " + place, "at Utrecht");
    place.clear();
    EXPECT_TRUE(place.empty());
    EXPECT_EQ(copy.size(), 18u);

    // Moved-from and self-assigned texts stay usable.
    SharedText moved = std::move(copy);
    EXPECT_EQ(moved, "Utrecht, Nederland");
    const SharedText& same = moved;
    moved = same;
    EXPECT_EQ(moved, "Utrecht, Nederland");
}

TEST(SharedText, ThePoolSharesEqualTextsUpToItsLimit) {
    std::vector<SharedText> kept;
    {
        TextPool pool(2);
        kept = {pool.Get("Amsterdam"), pool.Get("Lille"),   pool.Get("Amsterdam"),
                pool.Get("Giessen"),   pool.Get("Giessen"), pool.Get("")};
    }
    // The texts outlive the pool.
    EXPECT_EQ(kept[0], "Amsterdam");
    EXPECT_EQ(&kept[0].str(), &kept[2].str());
    EXPECT_EQ(kept[1], "Lille");
    // Past the limit each text is a copy of its own, still the right text.
    EXPECT_EQ(kept[3], "Giessen");
    EXPECT_EQ(kept[4], "Giessen");
    EXPECT_NE(&kept[3].str(), &kept[4].str());
    EXPECT_TRUE(kept[5].empty());
}

}  // namespace
}  // namespace lg
