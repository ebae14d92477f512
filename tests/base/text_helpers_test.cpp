#include "base/text_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace lg {
namespace {

TEST(TextHelpers, RomanNumeralsAndDates) {
    const std::pair<int, const char*> numerals[] = {
        {4, "IV"},      {9, "IX"},   {14, "XIV"},       {99, "XCIX"}, {100, "C"},
        {199, "CXCIX"}, {200, "CC"}, {1999, "MCMXCIX"}, {0, ""},      {-5, ""},
    };
    for (const auto& [n, roman] : numerals) EXPECT_EQ(RomanNumeral(n), roman) << n;

    const std::pair<const char*, int> months[] = {
        {"12 MAR 1850", 3},
        {"may 1900", 5},
        {"1850", 0},
        {"JA", 0},
        {"FROM 1 DEC 1900 TO 1 JAN 1901", 1},  // calendar order, not text order
    };
    for (const auto& [date, month] : months) EXPECT_EQ(MonthOf(date), month) << date;
}

TEST(TextHelpers, TruncatePlaceByLevel) {
    const std::string place = "Leiden, Zuid-Holland, Nederland";
    EXPECT_EQ(TruncatePlace(place, 0), place);
    EXPECT_EQ(TruncatePlace(place, 1), "Leiden");
    EXPECT_EQ(TruncatePlace(place, 2), "Leiden, Zuid-Holland");
    EXPECT_EQ(TruncatePlace(place, 3), place);
    EXPECT_EQ(TruncatePlace("Leiden, NL", 2), "Leiden, NL");
}

TEST(TextHelpers, LinksPathsAndBookmarks) {
    const std::pair<const char*, const char*> links[] = {
        {"text.htm", "text.htm#I12"},         // one page, key as bookmark
        {"persons/pers#", "persons/pers12"},  // "#" at the end
        {"fam#.htm", "fam12.htm"},            // "#" inside
        {"p##.htm", "pI12.htm"},              // "##": the whole key
        {"p##", "pI12"},                      // "##" also wins at the end
    };
    for (const auto& [setting, target] : links) EXPECT_EQ(TextLink("I12", setting), target);
    EXPECT_EQ(TextLink("123", "p#.htm"), "p123.htm");
    EXPECT_EQ(TextLink("I1a", "p#.htm"), "p1a.htm");

    EXPECT_EQ(OutputPath("", "chart.htm"), "chart.htm");
    EXPECT_EQ(OutputPath("/out/", "chart.htm"), "/out/chart.htm");
    EXPECT_EQ(OutputPath("/out", "chart.htm"), "/out/chart.htm");

    const std::pair<const char*, const char*> numeric[] = {
        {"I12", "11"},
        {"I0001", "0"},
        {"", "0"},
        {"IX", "0"},
        {"I1a", "0"},
        {"I99999999999", "0"},            // beyond 32 bits: no number
        {"I-2147483648", "-2147483649"},  // the smallest does not wrap
    };
    for (const auto& [id, bookmark] : numeric) EXPECT_EQ(BookmarkOf(id, 2), bookmark) << id;
    EXPECT_EQ(BookmarkOf("I12", 0), "I12");
    EXPECT_EQ(BookmarkOf("I12", 1), "I12");

    const std::vector<std::string> args = {"/home/u/Chart.PAR", "HIDE"};
    EXPECT_TRUE(HasSwitch(args, "hide"));
    EXPECT_FALSE(HasSwitch(args, "hid"));
}

TEST(TextHelpers, GeneratedByUsLooksAtTheFirstSixLines) {
    test::TempDir dir;
    const std::string meta = "<meta name=\"GENERATOR\" content=\"LIGNORAMA.EXE\">";
    auto page = [](int linesBefore, const std::string& line) {
        std::string text;
        for (int i = 0; i < linesBefore; ++i) text += "<p>\r\n";
        return text + line + "\r\n</html>\r\n";
    };
    EXPECT_TRUE(GeneratedByUs(dir.Path() / "absent.htm"));
    EXPECT_TRUE(GeneratedByUs(dir.Write("sixth.htm", page(5, meta))));
    EXPECT_FALSE(GeneratedByUs(dir.Write("seventh.htm", page(6, meta))));
    EXPECT_FALSE(GeneratedByUs(dir.Write("theirs.htm", page(4, "name=\"GENERATOR\" Other"))));
    EXPECT_FALSE(GeneratedByUs(dir.Write("unquoted.htm", page(0, "GENERATOR LIGNORAMA.EXE"))));
    EXPECT_TRUE(GeneratedByUs(dir.Write("empty.htm", "")));  // holds nobody's work
    EXPECT_FALSE(GeneratedByUs(dir.Write("blank.htm", "\r\n")));

    // Each of our pages is recognised by what it carries already.
    const std::string frames = "<meta name=\"Creator\" content=\"support@lignorama.org\">";
    const std::string chart =
        "  <meta name=\"Creator\" content=\"Lignorama by Lignorama team; support@lignorama.org\">";
    const std::string report =
        "<html><head></head><body>Your gedcom file has inconsistent links or dates, reported "
        "below. <a href=\"https://www.lignorama.org/lignorama/LGerrorhelp.htm\">";
    EXPECT_TRUE(GeneratedByUs(dir.Write("frames.htm", page(4, frames))));
    EXPECT_TRUE(GeneratedByUs(dir.Write("chart.htm", page(3, chart))));
    EXPECT_TRUE(GeneratedByUs(dir.Write("report.htm", page(0, report))));
    // A page of someone else that merely mentions us is theirs.
    EXPECT_FALSE(GeneratedByUs(
        dir.Write("mention.htm", page(1, "<p>Made with help from support@lignorama.org\">"))));
    EXPECT_FALSE(GeneratedByUs(
        dir.Write("creator.htm", page(1, "<meta name=\"Creator\" content=\"Someone Else\">"))));
}

TEST(TextHelpers, ColourConversions) {
    EXPECT_EQ(ColorToHtml(Color{0x12, 5, 0xAB}), "#1205AB");
    EXPECT_EQ(HtmlToColor("#1205ab"), (Color{0x12, 5, 0xAB}));
    EXPECT_EQ(HtmlToColor("#102030").Bgr(), 0x00302010u);
    EXPECT_EQ(Color::FromBgr(0x00302010u), (Color{0x10, 0x20, 0x30}));
    const Color white{255, 255, 255};
    for (const char* bad : {"", "#FFF", "#12G5AB"}) EXPECT_EQ(HtmlToColor(bad), white) << bad;
    EXPECT_EQ(ColorToHtml(GreyColor(220)), "#DCDCDC");
    EXPECT_EQ(GreyColor(300), white);
    EXPECT_EQ(GreyColor(-1000), (Color{0, 0, 0}));
}

TEST(TextHelpers, StrippingAndLineBreaks) {
    EXPECT_EQ(StripBrackets("((x))"), "(x)");
    EXPECT_EQ(StripBrackets("(x"), "x");
    EXPECT_EQ(StripBrackets(")"), "");
    EXPECT_EQ(StripQuotes("\"'Times New Roman'\""), "Times New Roman");
    EXPECT_EQ(StripQuotes("'\"'"), "");
    EXPECT_EQ(StripQuotes("d'Artois"), "d'Artois");
    EXPECT_EQ(LineBreaksFromHtml("1850<br>1900<br><BR>"), "1850\r\n1900\r\n<BR>");
    EXPECT_EQ(DropFinalLineBreak("a\r\n\r\n"), "a\r\n");
    EXPECT_EQ(DropFinalLineBreak("a\n"), "a\n");
}

TEST(TextHelpers, AbsolutePathsAsAShellWouldSpellThem) {
    const std::filesystem::path here = std::filesystem::current_path();
    EXPECT_EQ(AbsolutePath("family.ged"), here / "family.ged");
    EXPECT_EQ(AbsolutePath("./a/../b/family.ged"), here / "b" / "family.ged");
    EXPECT_EQ(AbsolutePath("/x/y/"), "/x/y");
    EXPECT_EQ(AbsolutePath("/"), "/");
    EXPECT_EQ(AbsolutePath("/x//y/./z"), "/x/y/z");
    EXPECT_EQ(AbsolutePath(""), "");  // no file stays no file
}

TEST(TextHelpers, FitPathDropsLeadingFolders) {
    const TextMeasure characters = [](std::string_view t) { return static_cast<int>(t.size()); };
    const std::string path = "/home/user/data/family.ged";
    struct Case {
        std::string path;
        int width;
        const char* fitted;
    };
    const Case cases[] = {
        {path, 26, "/home/user/data/family.ged"},
        {path, 25, ".../user/data/family.ged"},
        {path, 20, ".../data/family.ged"},
        {path, 5, ".../family.ged"},  // as short as it gets
        {"family.ged", 3, "family.ged"},
        {"C:/x/family.ged", 13, "/x/family.ged"},  // the drive goes first
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitPath(c.path, characters, c.width), c.fitted) << c.path << " " << c.width;
}

}  // namespace
}  // namespace lg
