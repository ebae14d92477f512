#include "html/offspring_page.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/settings.h"
#include "charts/descendants.h"
#include "charts/offspring.h"
#include "support/loaded_family.h"
#include "support/page_setup.h"

namespace lg {
namespace {

// Jan Smit married Wil Dijk; their son Piet has a daughter Anna; Piet's
// sister Mies has no recorded sex.
// clang-format off
const std::vector<std::string> kFamily = {
    "0 @I1@ INDI", "1 NAME Jan /Smit/", "1 SEX M", "1 BIRT", "2 DATE 1850", "1 FAMS @F1@",
    "0 @I2@ INDI", "1 NAME Wil /Dijk/", "1 SEX F", "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Piet /Smit/", "1 SEX M", "1 FAMC @F1@", "1 FAMS @F2@",
    "0 @I4@ INDI", "1 NAME Anna /Smit/", "1 SEX F", "1 FAMC @F2@",
    "0 @I5@ INDI", "1 NAME Mies /Smit/", "1 FAMC @F1@",
    "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 MARR", "2 DATE 1875", "1 CHIL @I3@",
    "1 CHIL @I5@",
    "0 @F2@ FAM", "1 HUSB @I3@", "1 CHIL @I4@",
};
// clang-format on

// The offspring page writer with the factory settings, and the fan of Jan.
struct OffspringPage : test::PageSetup {
    OffspringPage() : PageSetup(FactoryDefaults(ChartType::Offspring)) {
        settings.output = "tree.htm";
        settings.namingscheme = "z1";
        family.probands = {"I1"};
        DescendantRequest request;
        request.probands = &family.probands;
        TlossPerson* root = MakeDescendantTree(family.db, family.pool, family.reporter, request);
        MakeOffspringChart(root, family.pool, charts, ChartMetrics::Of(settings));
    }
    const TinbredPerson& Chart() const { return *charts.charts.at(0); }
    TlossPerson& Box(const char* id) { return *family.db.persons.Find(id)->node; }
    std::string Page() {
        PageContext context = Context();
        WriteOffspringPage(Chart(), context);
        return Read("tree.htm");
    }
    // The page's paragraph of the box, where the window draws it.
    std::string Paragraph(const char* id, const char* sexClass, const std::string& text) {
        const TlossPerson& box = Box(id);
        const PixelPoint centre =
            LayOutChart(Chart(), ChartMetrics::Of(settings), ChartShape::Fan).CentreOf(box);
        return std::string("<p ") + sexClass + " style=\"top:" + std::to_string(centre.y - 7) +
               ";left:" + std::to_string(centre.x - 30) + "\">" + text + "</p>\r\n";
    }

    test::LoadedFamily family{kFamily};
    ChartList charts;
};

TEST(OffspringPageTest, BoxesLieWhereTheWindowDrawsThemOverThePicture) {
    OffspringPage f;
    const std::string page = f.Page();
    for (const char* part : {"<img style=\"position: absolute; top:0; left:0\" src=tree.jpg>\r\n",
                             "<a name=\"top\"></a>\r\n<p class=m", "<b>Genealogy of Jan Smit</b>"})
        EXPECT_NE(page.find(part), std::string::npos) << part;
    // No link to a proband anchor, and no children tables in the hints.
    for (const char* part : {"href=\"#proband\"", "Children"})
        EXPECT_EQ(page.find(part), std::string::npos) << part;
    EXPECT_TRUE(page.ends_with("</p>\r\n</body>\r\n</html>\r\n"));
    // The hint: the description, then the marriages with the spouse in
    // full, one line each. Depth first: Jan, Piet, his daughter, then his
    // sister without a recorded sex.
    const std::size_t jan = page.find(f.Paragraph(
        "I1", "class=m",
        "<a href=\"#top\" title=\"Jan Smit; born 1850.\r\nHe married 1875 Wil Dijk.\">Smit</a>"));
    const std::size_t piet =
        page.find(f.Paragraph("I3", "class=m", "<a href=\"#top\" title=\"Piet Smit.\">Smit</a>"));
    const std::size_t anna = page.find("title=\"Anna Smit.\"");
    const std::size_t mies = page.find("<p class=u");
    EXPECT_LT(jan, piet) << page;
    EXPECT_LT(piet, anna);
    EXPECT_LT(anna, mies);
    EXPECT_NE(mies, std::string::npos);

    // A box the tree did not place is left out; its daughter is not.
    f.Box("I3").sosa = 0;
    f.Box("I5").isDouble = true;
    const std::string unplaced = f.Page();
    EXPECT_EQ(unplaced.find("title=\"Piet Smit.\""), std::string::npos);
    EXPECT_NE(unplaced.find("title=\"Anna Smit.\""), std::string::npos);
    EXPECT_NE(unplaced.find("; border-style:dotted\">"), std::string::npos);
}

TEST(OffspringPageTest, FontSizeZeroAndNoLinks) {
    OffspringPage f;
    // Names without hints.
    f.settings.fontsize = 0;
    std::string page = f.Page();
    EXPECT_NE(page.find(f.Paragraph("I4", "class=f", "<a href=\"#top\" title=\"\">Smit</a>")),
              std::string::npos)
        << page;
    // Names without links, and so without hints.
    f.settings.fontsize = 7;
    f.settings.links.clear();
    page = f.Page();
    EXPECT_NE(page.find(f.Paragraph("I4", "class=f", "Smit")), std::string::npos) << page;
    EXPECT_EQ(page.find("href=\"#top\""), std::string::npos);
}

// A picture maker that returns what it was given.
ChartImage (*const kFakeImage)(const TinbredPerson&, const PageContext&) = [](const TinbredPerson&,
                                                                              const PageContext&) {
    return ChartImage{"JPEG " + std::string(kOffspringImageMark), {}};
};

TEST(OffspringPageTest, ThePictureIsNamedAfterThePageAndNeverReplacesAStrangeFile) {
    EXPECT_EQ(OffspringImageName("tree.htm"), "tree.jpg");
    EXPECT_EQ(OffspringImageName("tree"), "tree.jpg");
    EXPECT_EQ(OffspringImageName("my.tree.html"), "my.tree.jpg");

    OffspringPage f;
    PageContext context = f.Context();
    // Without anything to draw with, the page says why.
    WriteOffspringImage(f.Chart(), context);
    EXPECT_FALSE(std::filesystem::exists(f.dir.Path() / "tree.jpg"));
    EXPECT_TRUE(f.host.HasMessage("*** The picture tree.jpg was not made: this build cannot draw."))
        << f.host.AllMessages();

    context.chartImage = kFakeImage;
    WriteOffspringImage(f.Chart(), context);
    EXPECT_EQ(f.Read("tree.jpg"), "JPEG " + std::string(kOffspringImageMark));
    // Its own picture is replaced, a photograph of that name is not.
    WriteOffspringImage(f.Chart(), context);
    f.dir.Write("tree.jpg", "a photograph");
    WriteOffspringImage(f.Chart(), context);
    EXPECT_EQ(f.Read("tree.jpg"), "a photograph");
    EXPECT_NE(f.host.AllMessages().find("tree.jpg already exists"), std::string::npos)
        << f.host.AllMessages();
}

}  // namespace
}  // namespace lg
