#include "base/html_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace lg {
namespace {

TEST(ReferenceLength, NumbersAndTheNamesHtmlDefines) {
    EXPECT_EQ(ReferenceLength("&#321;odz"), 6u);
    EXPECT_EQ(ReferenceLength("&#x141;"), 7u);
    EXPECT_EQ(ReferenceLength("&#X141;"), 7u);
    EXPECT_EQ(ReferenceLength("&eacute;s"), 8u);
    EXPECT_EQ(ReferenceLength("&Lstrok;"), 8u);
    EXPECT_EQ(ReferenceLength("&amp;"), 5u);
    EXPECT_EQ(ReferenceLength("&#1114111;"), 10u);                         // the last code point
    EXPECT_EQ(ReferenceLength("&CounterClockwiseContourIntegral;"), 33u);  // the longest name
    // Not references: what a browser would print literally.
    for (const char* text : {"&",         "& ",     "&;",       "&#;",        "&#x;",
                             "&#12",      "&#12a;", "&#xg1;",   "&eacute",    "&Bgrave;",
                             "&abrev;",   "&P",     "& Sons;",  "#321;",      "&#123456789;",
                             "&eacutes;", "&#0;",   "&#xD800;", "&#1114112;", "&#x110000;"})
        EXPECT_EQ(ReferenceLength(text), 0u) << text;
    EXPECT_TRUE(IsHtmlEntityName("nbsp"));
    EXPECT_TRUE(IsHtmlEntityName("Ccaron"));
    EXPECT_FALSE(IsHtmlEntityName("Ccaron;"));
    EXPECT_FALSE(IsHtmlEntityName("CCARON"));
    EXPECT_FALSE(IsHtmlEntityName(""));
}

TEST(EscapeMarkup, MarkupAndStrayAmpersandsBecomeText) {
    const std::pair<std::string, std::string> cases[] = {
        {"2 OCCU Emperor & \"scholar\" <b>bold</b>",
         "2 OCCU Emperor &amp; \"scholar\" &lt;b&gt;bold&lt;/b&gt;"},
        {"1 NOTE <script>alert(1)</script>", "1 NOTE &lt;script&gt;alert(1)&lt;/script&gt;"},
        {"A&P", "A&amp;P"},
        {"&Bgrave;ach", "&amp;Bgrave;ach"},
        {"&", "&amp;"},
        {"x >= y", "x &gt;= y"},
        // References stay as they are, the ones escaping made too.
        {"&#321;&oacute;d&#378; &amp; &lt;", "&#321;&oacute;d&#378; &amp; &lt;"},
        {"&&#321;", "&amp;&#321;"},
    };
    for (const auto& [input, expected] : cases) {
        std::string text = input;
        EscapeMarkupInPlace(text);
        EXPECT_EQ(text, expected) << input;
        // Escaped text is left alone a second time.
        EscapeMarkupInPlace(text);
        EXPECT_EQ(text, expected) << input;
    }
    std::string plain = "1 NAME Jan /Berg/ \"Piet\"";
    const char* before = plain.data();
    EscapeMarkupInPlace(plain);
    EXPECT_EQ(plain, "1 NAME Jan /Berg/ \"Piet\"");
    EXPECT_EQ(plain.data(), before);

    EXPECT_EQ(AttributeText("Jan \"Piet\" Berg"), "Jan &quot;Piet&quot; Berg");
    EXPECT_EQ(AttributeText("&#321;"), "&#321;");
}

TEST(VisibleLength, AReferenceIsOneCharacter) {
    EXPECT_EQ(VisibleLength("Berg"), 4u);
    EXPECT_EQ(VisibleLength("&#1055;&#1077;&#1090;"), 3u);
    EXPECT_EQ(VisibleLength("&#321;ukasz"), 6u);
    EXPECT_EQ(VisibleLength("A&amp;P"), 3u);
    EXPECT_EQ(VisibleLength("A&P"), 3u);  // a stray "&" is a character of its own
    EXPECT_EQ(VisibleLength(""), 0u);
    // Only what HTML shows as one letter counts as one: not a bare "&", a
    // name with a blank, one without its ";", or a name HTML does not know,
    // however long a known one may be.
    const std::pair<const char*, std::size_t> lengths[] = {
        {"Smith & Sons", 12},    {"a &amp b; c", 11},        {"&eacute", 7},
        {"&verylongnames;", 15}, {"O&DiacriticalAcute;", 2}, {"&#0;", 4},
    };
    for (const auto& [text, length] : lengths) EXPECT_EQ(VisibleLength(text), length) << text;

    const std::string name = "&#321;uk&eacute;sz";
    EXPECT_EQ(BytesOfVisible(name, 0), 0u);
    EXPECT_EQ(BytesOfVisible(name, 1), 6u);
    EXPECT_EQ(BytesOfVisible(name, 3), 8u);
    EXPECT_EQ(BytesOfVisible(name, 4), 16u);
    EXPECT_EQ(BytesOfVisible(name, 99), name.size());
}

}  // namespace
}  // namespace lg
