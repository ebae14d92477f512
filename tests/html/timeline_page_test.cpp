#include "html/timeline_page.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "charts/descendants.h"
#include "support/loaded_family.h"
#include "support/page_setup.h"

namespace lg {
namespace {

// Piet (1840-1905) and Wil married in 1865; their daughter Anna has no
// dates at all, their son Jan was born 1870 and is alive.
// clang-format off
const std::vector<std::string> kFamily = {
    "0 @I1@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 BIRT", "2 DATE 1840", "1 DEAT",
    "2 DATE 1905", "1 FAMS @F1@",
    "0 @I2@ INDI", "1 NAME Wil /Dijk/", "1 SEX F", "1 BIRT", "2 DATE 1845", "1 DEAT",
    "2 DATE 1910", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Anna /Berg/", "1 SEX F", "1 FAMC @F1@",
    "0 @I4@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 BIRT", "2 DATE 1870", "1 FAMC @F1@",
    "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 MARR", "2 DATE 1865", "1 CHIL @I3@",
    "1 CHIL @I4@",
};
// clang-format on

std::vector<std::string> Lines(const std::string& page) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < page.size()) {
        std::size_t end = page.find("\r\n", at);
        if (end == std::string::npos) end = page.size();
        lines.push_back(page.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

struct Page : test::LoadedFamily {
    Page() : LoadedFamily(kFamily) {
        for (auto& person : db.persons) person->ComputeYears();
        probands = {"I1"};
        DescendantRequest request;
        request.probands = &probands;
        root = MakeDescendantTree(db, pool, reporter, request);
    }
    std::string Write() {
        PageContext context = setup.Context();
        WriteTimelineHtml(*root, 13, 6, "tl.htm", context);
        return setup.Read("tl.htm");
    }
    test::PageSetup setup;
    TlossPerson* root = nullptr;
};

TEST(TimelinePage, FrameStyleBlockAndTimeLines) {
    Page p;
    ASSERT_NE(p.root, nullptr);
    const auto lines = Lines(p.Write());
    ASSERT_GT(lines.size(), 30u);
    EXPECT_EQ(lines[0], "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    EXPECT_EQ(lines[1], "<html>");
    EXPECT_EQ(lines[2], "<head>");
    EXPECT_EQ(lines.back(), "</html>");
    EXPECT_EQ(lines[lines.size() - 2], "</div></body>");
    EXPECT_TRUE(Has(lines, "<style type=\"text/css\">"));
    EXPECT_TRUE(Has(lines,
                    "p             { font-family:MS Sans Serif; font-size:6pt; position: "
                    "absolute; text-align: left; }"));
    EXPECT_TRUE(Has(lines,
                    "table.m1      { border-right: 0pt; height:6;}        /* huwelijks "
                    "lijntje links */"));
    EXPECT_TRUE(Has(lines, "img           { position: absolute; border: 0pt; }"));
    EXPECT_TRUE(Has(lines, "<base target=\"_self\">"));

    // 1840-1910, alive Jan reaching to the last year: 71 years on 1024
    // pixels. Rows: Anna 26 (no husband), Piet 58, Wil 64, Jan 90; end 102.
    EXPECT_TRUE(Has(lines, "<div style=\"width: 1224; height: 115\">"));
    EXPECT_TRUE(Has(lines, "<p style=\"color:red; top:2; left:867\">1900</p>"));
    EXPECT_TRUE(Has(lines, "<p style=\"color:red; top:105; left:867\">1900</p>"));
    EXPECT_TRUE(
        Has(lines, "<table class=j100 style=\"left:865; top:0; height:115\"><tr><td></table>"));
    EXPECT_TRUE(
        Has(lines, "<table class=j50 style=\"left:144; top:0; height:115\"><tr><td></table>"));
    for (const std::string& line : lines)
        EXPECT_EQ(line.find("left:146\">1850"), std::string::npos) << "no label on 1850";

    // Piet's life, his label, the marriage mark to Wil and the son's bend.
    // His name above his line: Wil's row is just below it.
    EXPECT_TRUE(Has(lines, "<p style=\"top:38; left:2\">Piet Berg</p>"));
    EXPECT_TRUE(Has(lines, "<table class=h style=\"top:58; left:0\" width=937><tr><td></table>"));
    EXPECT_TRUE(Has(lines,
                    "<table class=m2 style=\"top:58; left:360\" width=3 bgcolor=\"#DDDDDD\">"
                    "<tr><td></table>"));
    EXPECT_TRUE(Has(lines, "<img style=\"left:360; top:65\" src=\"LBRO26.gif\" alt=\"\">"));
}

TEST(TimelinePage, UnknownYearsAndTheBendImages) {
    Page p;
    ASSERT_NE(p.root, nullptr);
    const auto lines = Lines(p.Write());
    // Anna has no dates: her life spans the scale, dashed, and is not the
    // reason it starts at year 0.
    EXPECT_TRUE(Has(lines, "<p style=\"top:27; left:2\">Anna Berg</p>"));
    EXPECT_TRUE(Has(lines,
                    "<table class=h style=\"top:26; left:0; border-top: 1pt dashed #999999\" "
                    "width=1024><tr><td></table>"));
    EXPECT_TRUE(Has(lines,
                    "<table class=d style=\"top:26; left:360; height:32\" width=1>"
                    "<tr><td></table>"));

    for (const char* name : {"LORB13.gif", "LORB26.gif", "LBRO13.gif", "LBRO26.gif"}) {
        const std::string gif = p.setup.Read(name);
        ASSERT_GT(gif.size(), 40u) << name;
        EXPECT_EQ(gif.substr(0, 6), "GIF89a");
        const int size = std::string(name).find("26") != std::string::npos ? 26 : 13;
        EXPECT_EQ(static_cast<unsigned char>(gif[6]), size);
        EXPECT_EQ(static_cast<unsigned char>(gif[8]), size);
        EXPECT_EQ(gif.back(), '\x3B');
    }
    // An image the user replaced is left alone.
    p.setup.dir.Write("LORB13.gif", "mine");
    p.Write();
    EXPECT_EQ(p.setup.Read("LORB13.gif"), "mine");
}

}  // namespace
}  // namespace lg
