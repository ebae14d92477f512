#include "gui/locale_collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lg::gui {
namespace {

// Internal text (code page 1252), in no particular order.
const std::vector<std::string> kNames = {
    "Woodville",        "de Burgh",         "Capet; Philippe II", "Capet; \xC9lisabeth",
    "van Dijk",         "\xC5ngstr\xF6m",   "\xD8stergaard",      "&Lstrok;ukasiewicz",
    "Capet; elisabeth", "Capet; Elisabeth",
};

std::vector<std::string> Ordered(const QLocale& locale) {
    const std::vector<std::string_view> views(kNames.begin(), kNames.end());
    std::vector<std::string> ordered;
    for (std::size_t i : LocaleCollation(locale).Order(views)) ordered.push_back(kNames[i]);
    return ordered;
}

TEST(LocaleCollation, OrdersByTheLocaleWithCaseIgnoredAndAccentsBreakingTies) {
    // Case alone is a tie, which the bytes break; the accent comes after.
    const std::vector<std::string> expected = {
        "\xC5ngstr\xF6m",     "Capet; Elisabeth", "Capet; elisabeth",   "Capet; \xC9lisabeth",
        "Capet; Philippe II", "de Burgh",         "&Lstrok;ukasiewicz", "\xD8stergaard",
        "van Dijk",           "Woodville",
    };
    for (const char* name : {"en_GB", "de_DE"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Ordered(QLocale(name)), expected);
    }
    // Where the locale has letters of its own, they go where it puts them.
    const std::vector<std::string> swedish = Ordered(QLocale("sv_SE"));
    const auto at = [&](const std::string& name) {
        return std::find(swedish.begin(), swedish.end(), name) - swedish.begin();
    };
    EXPECT_GT(at("\xC5ngstr\xF6m"), at("Woodville"));
    EXPECT_LT(at("Capet; \xC9lisabeth"), at("Capet; Philippe II"));
    // The C locale collates by code, which is no order for names: the core's folding is.
    const std::vector<std::string_view> views(kNames.begin(), kNames.end());
    EXPECT_EQ(LocaleCollation(QLocale::c()).Order(views), FoldingCollation().Order(views));
}

}  // namespace
}  // namespace lg::gui
