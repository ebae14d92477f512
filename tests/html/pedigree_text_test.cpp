#include "html/pedigree_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>

#include "database/gedcom_reader.h"
#include "support/page_setup.h"
#include "support/test_support.h"

namespace lg {
namespace {

class PedigreeTextTest : public ::testing::Test, public test::PageSetup {
  protected:
    PedigreeTextTest() {
        title = "Pedigree of Kees Smit";
        settings.links = "text.htm";
        settings.title = "Smit";
        settings.fontname = "'Arial'";
        settings.bgcolor = "#FFFFFF";
        settings.homeurl = "index.htm";
        settings.hometitle = "Our family";
        settings.page = "frames.htm";
    }

    void Load(const std::vector<std::string>& records) {
        ASSERT_TRUE(ReadGedcom(dir.Write("t.ged", test::Gedcom(records)), db, reporter));
    }
    TlossPerson* Node(std::string_view id, int generation, int rank, int sosa,
                      TlossPerson* twin = nullptr) {
        TlossPerson& node = pool.emplace_back();
        node.person = db.persons.Find(id);
        node.generation = generation;
        node.rank = rank;
        node.sosa = sosa;
        node.twin = twin;
        return &node;
    }
    void Write(const std::vector<TlossPerson*>& nodes) {
        PageContext context = Context();
        WritePedigreeTextPage(nodes, context);
    }

    Database db;
    std::deque<TlossPerson> pool;
};

// Parents with a chart marriage, the mother married before, the proband
// with a married sister.
// clang-format off
const std::vector<std::string> kFamily = {
    "0 @I1@ INDI", "1 NAME Kees /Smit/", "1 SEX M", "1 BIRT", "2 DATE 3 MAR 1900",
    "2 PLAC Leiden", "1 FAMC @F1@",
    "0 @I2@ INDI", "1 NAME Jan /Smit/", "1 SEX M", "1 OCCU baker", "1 DEAT", "2 DATE 1950",
    "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Marie /Vos/", "1 SEX F", "1 FAMS @F2@", "1 FAMS @F1@",
    "0 @I4@ INDI", "1 NAME Anna /Smit/", "1 SEX F", "1 FAMC @F1@", "1 FAMS @F3@",
    "0 @I5@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMS @F2@",
    "0 @I6@ INDI", "1 NAME Wim /Dam/", "1 SEX M", "1 FAMS @F3@",
    "0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I3@", "1 CHIL @I1@", "1 CHIL @I4@", "1 MARR",
    "2 DATE 1 MAY 1898", "2 PLAC Delft",
    "0 @F2@ FAM", "1 HUSB @I5@", "1 WIFE @I3@", "1 MARR", "2 DATE 1890",
    "0 @F3@ FAM", "1 HUSB @I6@", "1 WIFE @I4@", "1 MARR", "2 DATE 1925"};
// clang-format on

TEST_F(PedigreeTextTest, SmallPageByteForByte) {
    Load(kFamily);
    // A partner noted by an earlier chart must not hide Wim's description.
    db.persons.Find("I4")->chartPartnerID = "I6";
    Write({Node("I3", 2, 2, 3), Node("I1", 1, 1, 1), Node("I2", 2, 1, 2)});
    const std::string link =
        "mso-text-animation:none; font-weight:normal; "
        "text-decoration:none; text-underline:none; text-line-through:none;}";
    const std::string expected =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n"
        "<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=windows-1252\">\r\n<meta name=\"GENERATOR\" content=\"LIGNORAMA.EXE\">\r\n"
        "<meta name=\"AUTHOR\" content=\"LIGNORAMA TEAM\">\r\n<title>Smit</title>\r\n"
        "<style type=\"text/css\"><!--\r\n"
        "td           { font-family: 'Arial'; font-size: 10pt }a:link        { color:blue; " +
        link + "\r\na:visited     { color:purple; " + link + "\r\na:active      { color:red; " +
        link +
        "\r\n--></style>\r\n</head>\r\n<body bgcolor=\"#FFFFFF\">\r\n"
        "<table border=0pt cellpadding=0pt cellspacing=0pt width=\"100%\">\r\n"
        "<colgroup><col align=right valign=top><col><col align=left></colgroup>\r\n"
        "<tr><td width=60><a href=\"index.htm\" target=\"_top\" title=\"Our family\"><b>Home"
        "</b></a><br><a href=\"frames.htm\" target=\"_top\"><b>Tableau</b></a></td>"
        "<td width=10> </td><td width=\"*\" align=center style='color:gray'><b>Pedigree of "
        "Kees Smit</b><br>&nbsp;</tr>\r\n"
        "<tr>\r\n<td><td><td align=center style='color:gray'><br><b>Generation I</b><br>&nbsp;"
        "</tr>\r\n"
        "<tr><td valign=top><a name=\"I1\">1</a>\r\n"
        "<td><td><b>Kees Smit</b>; born 3 March 1900 at Leiden.<br>\r\n<b>Anna Smit</b>.<br>\r\n"
        "She married 1925 Wim Dam.<br>&nbsp;</tr>\r\n"
        "<tr>\r\n<td><td><td align=center style='color:gray'><br><b>Generation II</b><br>&nbsp;"
        "</tr>\r\n"
        "<tr><td valign=top><a name=\"I2\">2</a>\r\n"
        "<td><td><b>Jan Smit</b>; baker, died 1950.<br>Married 1 May 1898 at Delft<br>\r\n"
        "</tr>\r\n"
        "<tr><td valign=top><a name=\"I3\">3</a>\r\n"
        "<td><td><b>Marie Vos</b>.<br>She married earlier 1890 Piet Berg.<br>\r\n<br>\r\n"
        "</tr>\r\n"
        "</table></body></html>\r\n";
    EXPECT_EQ(Read("text.htm"), expected);
    EXPECT_EQ(reporter.RunState(), kRunNormal) << host.AllMessages();
}

TEST_F(PedigreeTextTest, FurtherOccurrenceDeepLabelsAndChartOnlyWife) {
    std::vector<std::string> records = kFamily;
    records.erase(std::find(records.begin(), records.end(), "1 FAMS @F2@"));
    Load(records);
    options.bookmarks = 1;
    settings.homeurl.clear();
    settings.page.clear();
    TlossPerson* father = Node("I2", 31, 1, 0);
    Write({Node("I1", 1, 1, 1), father, Node("I3", 31, 2, 0), Node("I2", 32, 3, 0, father)});
    const std::string page = Read("text.htm");
    EXPECT_NE(page.find("<tr><td width=60></td>"), std::string::npos);
    EXPECT_NE(page.find("<b>Generation XXXI</b>"), std::string::npos);
    EXPECT_NE(page.find("<tr><td valign=top><a name=\"BM31.1\">31.1</a>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<td><td><b>Marie Vos</b>.<br>&nbsp;\r\n</tr>\r\n"), std::string::npos);
    EXPECT_NE(page.find("<tr><td valign=top>32.3\r\n<td><td>= 31.1 (Jan Smit)<br>&nbsp;</tr>\r\n"),
              std::string::npos);
}

TEST_F(PedigreeTextTest, RefusedAndFailedPagesWriteNothing) {
    Load(kFamily);
    std::vector<TlossPerson*> nodes{Node("I1", 1, 1, 1)};
    settings.links = "p#.htm";
    Write(nodes);
    EXPECT_NE(host.AllMessages().find("In this case Lignorama will not generate a text file."),
              std::string::npos);
    settings.links = "";
    Write(nodes);
    auto files = std::distance(std::filesystem::directory_iterator(dir.Path()), {});
    EXPECT_EQ(files, 1);  // the GEDCOM file only
    dir.Write("mine.htm", "<html>my own work</html>");
    settings.links = "mine.htm";
    Write(nodes);
    EXPECT_EQ(Read("mine.htm"), "<html>my own work</html>");
    EXPECT_NE(host.AllMessages().find("WARNING"), std::string::npos);
    EXPECT_NE(host.AllMessages().find("mine.htm already exists and it was not generated by this "
                                      "program. In order not to overwrite your work, a pedigree "
                                      "text file was not produced."),
              std::string::npos);
    EXPECT_EQ(reporter.RunState(), kRunNormal);

    // A page that can't be written ends the pages' writing; the publisher
    // reports it for the whole set.
    settings.links = "absent/text.htm";
    EXPECT_THROW(Write(nodes), PageWriteError);
}

}  // namespace
}  // namespace lg
