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

TEST(TimelinePage, FrameStyleTimeLinesAndTheBendImages) {
    Page p;
    ASSERT_NE(p.root, nullptr);
    const std::string page = p.Write();
    EXPECT_TRUE(
        page.starts_with("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 "
                         "Transitional//EN\">\r\n<html>\r\n<head>\r\n"));
    EXPECT_TRUE(page.ends_with("\r\n</div></body>\r\n</html>\r\n")) << page;
    EXPECT_EQ(page.find("left:146\">1850"), std::string::npos) << "no label on 1850";
    for (const std::string line : {
             "<style type=\"text/css\">",
             "p             { font-family:MS Sans Serif; font-size:6pt; position: absolute; "
             "text-align: left; }",
             "table.m1      { border-right: 0pt; height:6;}        /* huwelijks lijntje links */",
             "img           { position: absolute; border: 0pt; }",
             "<base target=\"_self\">",
             // 1840-1910, alive Jan reaching to the last year: 71 years on 1024
             // pixels. Rows: Anna 26 (no husband), Piet 58, Wil 64, Jan 90; end 102.
             "<div style=\"width: 1224; height: 115\">",
             "<p style=\"color:red; top:2; left:867\">1900</p>",
             "<p style=\"color:red; top:105; left:867\">1900</p>",
             "<table class=j100 style=\"left:865; top:0; height:115\"><tr><td></table>",
             "<table class=j50 style=\"left:144; top:0; height:115\"><tr><td></table>",
             // Piet's life, his label, the marriage mark to Wil and the son's bend.
             // His name above his line: Wil's row is just below it.
             "<p style=\"top:38; left:2\">Piet Berg</p>",
             "<table class=h style=\"top:58; left:0\" width=937><tr><td></table>",
             "<table class=m2 style=\"top:58; left:360\" width=3 "
             "bgcolor=\"#DDDDDD\"><tr><td></table>",
             "<img style=\"left:360; top:65\" src=\"LBRO26.gif\" alt=\"\">",
             // Anna has no dates: her life spans the scale, dashed, and is not
             // the reason it starts at year 0.
             "<p style=\"top:27; left:2\">Anna Berg</p>",
             "<table class=h style=\"top:26; left:0; border-top: 1pt dashed #999999\" "
             "width=1024><tr><td></table>",
             "<table class=d style=\"top:26; left:360; height:32\" width=1><tr><td></table>",
         })
        EXPECT_NE(page.find("\r\n" + line + "\r\n"), std::string::npos) << line;

    for (const char* name : {"LORB13.gif", "LORB26.gif", "LBRO13.gif", "LBRO26.gif"}) {
        const std::string gif = p.setup.Read(name);
        ASSERT_GT(gif.size(), 40u) << name;
        const int size = std::string(name).find("26") != std::string::npos ? 26 : 13;
        EXPECT_EQ(std::tuple(gif.substr(0, 6), +gif[6], +gif[8], gif.back()),
                  std::tuple("GIF89a", size, size, ';'))
            << name;
    }
    // An image the user replaced is left alone.
    p.setup.dir.Write("LORB13.gif", "mine");
    p.Write();
    EXPECT_EQ(p.setup.Read("LORB13.gif"), "mine");
}

}  // namespace
}  // namespace lg
