#include <gtest/gtest.h>

#include <deque>

#include "database/gedcom_reader.h"
#include "html/genealogy_pages.h"
#include "support/chart_of.h"
#include "support/page_setup.h"
#include "support/test_support.h"

namespace lg {
namespace {

class GenealogyTextTest : public ::testing::Test, public test::PageSetup {
  protected:
    // The clock stands in 1970: who was born after 1870 and has no death
    // may be alive, and the living have no name.
    GenealogyTextTest() {
        settings.namingscheme = "a0z1";
        settings.links = "text.htm";
        title = "Genealogy of Jan Smit";
    }
    void Load(const std::vector<std::string>& records) {
        ASSERT_TRUE(ReadGedcom(dir.Write("t.ged", test::Gedcom(records)), db, reporter));
    }
    // A box of the person under the parent; the principal one unless told.
    TlossPerson* Node(Tindividual* person, TlossPerson* parent, bool principal = true) {
        TlossPerson& node = pool.emplace_back();
        node.person = person;
        node.generation = parent ? parent->generation + 1 : 1;
        if (parent) parent->children.push_back(&node);
        if (principal) person->node = &node;
        return &node;
    }
    TlossPerson* Node(std::string_view id, TlossPerson* parent, bool principal = true) {
        return Node(db.persons.Find(id), parent, principal);
    }
    // The text page of the chart below the root, numbered as the command numbers it.
    std::string TextPage(TlossPerson& root) {
        PageContext context = Context();
        const TinbredPerson chart = test::ChartOf(root);
        WriteGenealogyTextPage(chart, BuildGenealogyRows(chart, context), context);
        return Read(settings.links);
    }

    std::deque<TlossPerson> pool;
    Database db;
};

TEST_F(GenealogyTextTest, RowsNumberedDepthFirstPerGeneration) {
    Load({"0 @I1@ INDI", "1 NAME Jan /Smit/", "0 @I2@ INDI", "1 NAME Kees /Smit/", "0 @I3@ INDI",
          "1 NAME Lies /Smit/", "0 @I4@ INDI", "1 NAME Anna /Smit/", "1 BIRT", "2 DATE 1960",
          "0 @I5@ INDI", "1 NAME Wim /Smit/", "0 @I6@ INDI", "1 NAME Piet /Smit/", "0 @I7@ INDI",
          "1 NAME Els /Smit/"});
    TlossPerson* root = Node("I1", nullptr);
    TlossPerson* kees = Node("I2", root);
    TlossPerson* anna = Node("I4", root);
    TlossPerson* again = Node("I6", root, false);
    TlossPerson* lies = Node("I3", root);
    TlossPerson* piet = Node("I6", kees);
    TlossPerson* wim = Node("I5", anna);
    TlossPerson* els = Node("I7", lies);
    wim->rank = 7;  // what a builder left in the box: the rows' numbers are kept apart
    wim->key = "#I4";
    PageContext context = Context();
    const TinbredPerson chart = test::ChartOf(*root);
    GenealogyRows rows = BuildGenealogyRows(chart, context);
    EXPECT_EQ(rows.rows, (std::vector<const TlossPerson*>{root, kees, piet, lies, els}));
    std::vector<std::pair<int, std::string>> numbers;
    for (TlossPerson* node : {root, kees, piet, lies, els, anna, wim, again})
        numbers.emplace_back(rows.RankOf(*node), rows.KeyOf(*node));
    EXPECT_EQ(
        numbers,
        (std::vector<std::pair<int, std::string>>{
            {1, ""}, {1, "#I1"}, {1, "#I2"}, {2, "#I1"}, {2, "#I3"}, {0, ""}, {0, ""}, {0, ""}}));
    EXPECT_EQ(rows.Label(*root) + " " + rows.Label(*els), "1 3.2");
    // Numbering writes nothing into the chart's boxes.
    EXPECT_EQ(std::tie(wim->rank, wim->key, root->rank, kees->key),
              std::make_tuple(7, std::string("#I4"), 0, std::string()));

    options.bookmarks = 2;
    rows = BuildGenealogyRows(chart, context);
    EXPECT_EQ(rows.KeyOf(*kees) + rows.KeyOf(*piet) + rows.KeyOf(*els), "#0#1#2");
}

TEST_F(GenealogyTextTest, ChainDeeperThanTheStackIsNumbered) {
    constexpr int kDepth = 100000;  // far beyond what recursion would survive
    std::deque<Tindividual> persons(kDepth);
    TlossPerson* parent = nullptr;
    for (Tindividual& person : persons) {
        person.surname = "Smit";
        parent = Node(&person, parent);
    }
    PageContext context = Context();
    const TinbredPerson chart = test::ChartOf(pool.front());
    GenealogyRows rows = BuildGenealogyRows(chart, context);
    ASSERT_EQ(rows.rows.size(), static_cast<std::size_t>(kDepth));
    EXPECT_EQ(rows.Label(*rows.rows.back()), std::to_string(kDepth) + ".1");
}

// Jan with two families, the second wife unknown; his adopted daughter Anna
// married his son Kees; Lies had a son without a partner.
// clang-format off
const std::vector<std::string> kFamily = {
    "0 @I1@ INDI", "1 NAME Jan /Smit/", "1 SEX M", "1 BIRT", "2 DATE 3 MAR 0900",
    "2 PLAC Leiden", "1 FAMS @F1@", "1 FAMS @F2@",
    "0 @I2@ INDI", "1 NAME Marie /Vos/", "1 SEX F", "1 BIRT", "2 DATE 0902", "1 FAMC @F4@",
    "1 FAMS @F1@",
    "0 @I3@ INDI", "1 NAME Kees /Smit/", "1 SEX M", "1 BIRT", "2 DATE 0926",
    "1 NOTE Went to sea", "1 FAMC @F1@", "1 FAMS @F3@",
    "0 @I4@ INDI", "1 NAME Anna /Smit/", "1 SEX F", "1 BIRT", "2 DATE 0928", "1 ADOP",
    "2 FAMC @F1@", "1 FAMS @F3@",
    "0 @I5@ INDI", "1 SEX F", "1 FAMS @F2@",
    "0 @I6@ INDI", "1 NAME Lies /Smit/", "1 SEX F", "1 CHR", "2 DATE 0941", "1 FAMC @F2@",
    "1 FAMS @F5@",
    "0 @I7@ INDI", "1 NAME Piet /Smit/", "1 SEX M", "1 BIRT", "2 DATE 0951", "1 FAMC @F3@",
    "0 @I8@ INDI", "1 NAME Piet /Vos/", "1 SEX M", "1 FAMS @F4@",
    "0 @I9@ INDI", "1 NAME Anna /Berg/", "1 SEX F", "1 FAMS @F4@",
    "0 @I10@ INDI", "1 NAME Tom /Smit/", "1 SEX M", "1 BIRT", "2 DATE 0965", "1 FAMC @F5@",
    "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I3@", "1 CHIL @I4@", "1 MARR",
    "2 DATE 0925", "2 PLAC Delft",
    "0 @F2@ FAM", "1 HUSB @I1@", "1 WIFE @I5@", "1 CHIL @I6@", "1 MARR", "2 DATE 0940",
    "0 @F3@ FAM", "1 HUSB @I3@", "1 WIFE @I4@", "1 CHIL @I7@", "1 MARR", "2 DATE 0950",
    "0 @F4@ FAM", "1 HUSB @I8@", "1 WIFE @I9@", "1 CHIL @I2@",
    "0 @F5@ FAM", "1 WIFE @I6@", "1 CHIL @I10@"};
// clang-format on

TEST_F(GenealogyTextTest, SmallPageByteForByte) {
    Load(kFamily);
    settings.title = "Smit";
    settings.page = "frames.htm";
    settings.fontname = "'Arial'";
    settings.bgcolor = "#FFFFFF";
    TlossPerson* root = Node("I1", nullptr);
    TlossPerson* kees = Node("I3", root);
    TlossPerson* anna = Node("I4", root);
    Node("I10", Node("I6", root));
    Node("I7", kees);
    Node("I7", anna, false);
    options.gedcomnotes = true;
    const std::string page = TextPage(*root);

    const std::string link =
        "mso-text-animation:none; font-weight:normal; text-decoration:none; "
        "text-underline:none; text-line-through:none;}";
    const std::string table = "<table cellpadding=0 cellspacing=0>", end = "<br></tr>";
    const std::string children = "<tr><td width=90>&nbsp;&nbsp;Children:<td width=60>";
    const std::string row = "<tr><td valign=top><a name=\"", text = "<td><td class=s><b>";
    // clang-format off
    const std::vector<std::string> lines = {
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">", "<html>", "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
        "<meta name=\"GENERATOR\" content=\"LIGNORAMA.EXE\">",
        "<meta name=\"AUTHOR\" content=\"LIGNORAMA TEAM\">", "<title>Smit</title>",
        "<style type=\"text/css\"><!--",
        "table        { border=0pt cellpadding=0pt cellspacing=0pt width=\"100%\"}",
        "td           { font-family: 'Arial'; font-size: 10pt; color: gray }",
        "td.s         { color: black }", "a:link       {color:blue; " + link,
        "a:visited    {color:purple; " + link, "a:active     {color:red; " + link,
        "--></style>", "</head>", "<body bgcolor=\"#FFFFFF\">", "<table>",
        "<colgroup><col align=right valign=top><col><col align=left></colgroup>",
        "<tr><td width=60><a href=\"frames.htm\" target=\"_top\"><b>Tableau</b></a></td>"
        "<td width=10> </td><td width=\"*\" align=center><b>Genealogy of Jan Smit</b>"
        "<br>&nbsp;</tr>",
        "<tr><td><td><td align=center><br><b>Generation I</b><br>&nbsp;</tr>",
        row + "I1\">1</a>" + text + "Jan Smit</b>; born 3 March 900 at Leiden.<br>",
        "He married (1) 925 at Delft Marie Vos, born 902, daughter of Piet Vos and Anna Berg.<br>" +
        table, children + "&nbsp;926:<td>Kees Smit [<a href=\"#I3\">2.1</a>]</tr>",
        "<tr><td><td>&nbsp;928:<td>Anna Smit (adopted) [<a href=\"#I4\">2.2</a>]</tr>",
        "</table>He married (2) 940.<br>" + table,
        children + "&nbsp;941:<td>Lies Smit [<a href=\"#I6\">2.3</a>]</tr>", "</table>", end,
        "<tr><td><td><td align=center><br><b>Generation II</b><br>&nbsp;</tr>",
        row + "I3\" href=\"#I1\">2.1</a>" + text + "Kees Smit</b>; born 926. Went to sea <br>",
        "He married 950 <b>Anna Smit</b> [<a href=\"#I4\">2.2</a>].<br>" + table,
        children + "&nbsp;951:<td>Piet Smit [<a href=\"#I7\">3.1</a>]</tr>", "</table>", end,
        row + "I4\" href=\"#I1\">2.2</a>" + text + "Anna Smit</b>; born 928.<br>",
        "She married 950 <b>Kees Smit</b> [<a href=\"#I3\">2.1</a>].<br>" + table,
        children + "&nbsp;951:<td>Piet Smit [<a href=\"#I7\">3.1</a>]</tr>", "</table>", end,
        row + "I6\" href=\"#I1\">2.3</a>" + text + "Lies Smit</b>; christened 941.<br>", table,
        children + "&nbsp;965:<td>Tom Smit [<a href=\"#I10\">3.2</a>]</tr>", "</table>", end,
        "<tr><td><td><td align=center><br><b>Generation III</b><br>&nbsp;</tr>",
        row + "I7\" href=\"#I3\">3.1</a>" + text + "Piet Smit</b>; born 951.<br>", "", end,
        row + "I10\" href=\"#I6\">3.2</a>" + text + "Tom Smit</b>; born 965.<br>", "", end,
        "</table></body></html>"};
    // clang-format on
    std::string expected;
    for (const std::string& line : lines) expected += line + "\r\n";
    EXPECT_EQ(page, expected);
    ASSERT_FALSE(host.statuses.empty());
    EXPECT_EQ(host.statuses.back().text.rfind("Producing HTML genealogy", 0), 0u);
    EXPECT_EQ(reporter.RunState(), kRunNormal) << host.AllMessages();
}

// Jan's children are in the file without names: Bert (no NAME line), Do
// ("1 NAME //", with an alias), a child without name or sex ("1 NAME")
// and Ed, born 1950, who may be alive; Bert's son Piet married Do.
// clang-format off
const std::vector<std::string> kUnnamed = {
    "0 @I1@ INDI", "1 NAME Jan /Smit/", "1 SEX M", "1 FAMS @F1@",
    "0 @I2@ INDI", "1 SEX M", "1 BIRT", "2 DATE 0930", "1 FAMC @F1@", "1 FAMS @F2@",
    "0 @I3@ INDI", "1 NAME //", "1 SEX F", "1 _ALIAS Bobbie", "1 FAMC @F1@", "1 FAMS @F4@",
    "0 @I4@ INDI", "1 NAME Marie /Vos/", "1 SEX F", "1 FAMS @F2@",
    "0 @I5@ INDI", "1 NAME", "1 FAMC @F1@",
    "0 @I6@ INDI", "1 SEX M", "1 BIRT", "2 DATE 1950", "1 FAMC @F1@", "1 FAMS @F3@",
    "0 @I7@ INDI", "1 NAME Piet /Smit/", "1 SEX M", "1 BIRT", "2 DATE 0955", "1 FAMC @F2@",
    "1 FAMS @F4@",
    "0 @I8@ INDI", "1 NAME Wim /Smit/", "1 SEX M", "1 FAMC @F3@",
    "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@", "1 CHIL @I3@", "1 CHIL @I5@", "1 CHIL @I6@",
    "0 @F2@ FAM", "1 HUSB @I2@", "1 WIFE @I4@", "1 CHIL @I7@",
    "0 @F3@ FAM", "1 HUSB @I6@", "1 CHIL @I8@",
    "0 @F4@ FAM", "1 HUSB @I7@", "1 WIFE @I3@"};
// clang-format on

TEST_F(GenealogyTextTest, APersonWithoutSexMarriesThePartnerNotHimself) {
    Load({"0 @I1@ INDI", "1 NAME Chris /Smit/", "1 FAMS @F1@", "0 @I2@ INDI", "1 NAME Anna /Vos/",
          "1 SEX F", "1 FAMS @F1@", "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@"});
    const std::string page = TextPage(*Node("I1", nullptr));
    EXPECT_NE(page.find("Anna Vos"), std::string::npos) << page;
    EXPECT_EQ(page.find("Chris Smit"), page.rfind("Chris Smit")) << page;  // named once: his row
}

TEST_F(GenealogyTextTest, UnnamedPersonsAreListedWithTheirDescendants) {
    Load(kUnnamed);
    TlossPerson* root = Node("I1", nullptr);
    TlossPerson* bert = Node("I2", root);
    TlossPerson* doo = Node("I3", root);
    TlossPerson* child = Node("I5", root);
    TlossPerson* ed = Node("I6", root);
    TlossPerson* piet = Node("I7", bert);
    TlossPerson* wim = Node("I8", ed);
    PageContext context = Context();
    const TinbredPerson chart = test::ChartOf(*root);
    const GenealogyRows rows = BuildGenealogyRows(chart, context);
    // Ed's name is hidden on purpose, and his branch with it.
    EXPECT_EQ(rows.rows, (std::vector<const TlossPerson*>{root, bert, piet, doo, child}));
    std::vector<std::string> labels;
    for (TlossPerson* node : {bert, piet, doo, child})
        labels.push_back(rows.Label(*node) + rows.KeyOf(*node));
    EXPECT_EQ(labels, (std::vector<std::string>{"2.1#I1", "3.1#I2", "2.2#I1", "2.3#I1"}));
    EXPECT_EQ(rows.RankOf(*ed) + rows.RankOf(*wim), 0);

    WriteGenealogyTextPage(chart, rows, context);
    const std::string page = Read("text.htm");
    const std::string row = "<tr><td valign=top><a name=\"", text = "<td><td class=s><b>";
    for (const std::string& line : std::vector<std::string>{
             // The word for a man, a woman, or either, and the rows' links.
             "<tr><td width=90>&nbsp;&nbsp;Children:<td width=60>&nbsp;930:<td>man "
             "[<a href=\"#I2\">2.1</a>]</tr>",
             "<tr><td><td><td>woman [<a href=\"#I3\">2.2</a>]</tr>",
             "<tr><td><td><td>man/woman [<a href=\"#I5\">2.3</a>]</tr>",
             // Ed is there, unnamed and without a row.
             "<tr><td><td>1950:<td>man</tr>",
             row + "I2\" href=\"#I1\">2.1</a>" + text + "man</b>; born 930.<br>",
             "He married Marie Vos.<br><table cellpadding=0 cellspacing=0>",
             row + "I3\" href=\"#I1\">2.2</a>" + text + "woman (alias Bobbie)</b>.<br>",
             "She married <b>Piet Smit</b> [<a href=\"#I7\">3.1</a>].<br>",
             row + "I5\" href=\"#I1\">2.3</a>" + text + "man/woman</b>.<br>",
             row + "I7\" href=\"#I2\">3.1</a>" + text + "Piet Smit</b>; born 955.<br>",
             "He married <b>woman (alias Bobbie)</b> [<a href=\"#I3\">2.2</a>].<br>",
         })
        EXPECT_NE(page.find(line + "\r\n"), std::string::npos) << line;
    EXPECT_EQ(page.find("name=\"I6\""), std::string::npos);
    EXPECT_EQ(page.find("Wim"), std::string::npos);
    EXPECT_EQ(reporter.RunState(), kRunNormal) << host.AllMessages();
}

}  // namespace
}  // namespace lg
