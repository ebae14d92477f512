#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <sstream>

#include "app/settings.h"
#include "charts/descendants.h"
#include "html/frames_page.h"
#include "html/genealogy_pages.h"
#include "html/pedigree_tableau.h"
#include "support/chart_of.h"
#include "support/loaded_family.h"
#include "support/page_check.h"
#include "support/page_setup.h"
#include "support/test_support.h"

namespace lg {
namespace {

using namespace std::chrono_literals;

// A genealogy page writer with the factory settings, and the boxes of a
// descendant chart made by hand.
class GenealogyChart : public ::testing::Test, public test::PageSetup {
  public:
    GenealogyChart()
        : PageSetup(FactoryDefaults(ChartType::Genealogy),
                    std::chrono::system_clock::time_point(1700000000s)) {}
    Tindividual& Person(const std::string& id, const std::string& name, char sex,
                        const std::string& birth, bool christened = false) {
        Tindividual& p = persons.emplace_back();
        std::tie(p.ID, p.fullName, p.sex) = std::tie(id, name, sex);
        SplitName(p);
        auto& event = christened ? p.christening : p.birth;
        (event = std::make_unique<TEventRecord>())->date = birth;
        return p;
    }
    TlossPerson& Box(Tindividual& person, int32_t generation, int32_t rank, long double x,
                     long double y, bool onLine, std::vector<TlossPerson*> children = {}) {
        TlossPerson& n = nodes.emplace_back();
        n.person = &person;
        std::tie(n.generation, n.rank, n.x, n.y, n.lineFlag) =
            std::tie(generation, rank, x, y, onLine);
        for (TlossPerson* child : children) child->parents.push_back(&n);
        n.children = std::move(children);
        return n;
    }
    // A box of the second column whose person nothing else needs.
    TlossPerson* Child(long double y, bool onLine, std::vector<TlossPerson*> children = {}) {
        const std::string id = "I" + std::to_string(nodes.size() + 10);
        return &Box(Person(id, id + " /B/", 'M', "1800"), 2, 1, 1, y, onLine, std::move(children));
    }
    // Jan's children Pieter and Maria; Anna, raised by both, is shown under
    // each (Pieter's is her principal box); Maria's son Willem Bos is off
    // the family line.
    TlossPerson& SmallChart() {
        Tindividual& anna = Person("I5", "Anna /Smit/", 'F', "1905");
        TlossPerson& annaP = Box(anna, 3, 2, 2, 1, true);
        TlossPerson& annaM = Box(anna, 3, 0, 2, 2, true);
        std::tie(annaP.isDouble, annaP.twin, annaM.isDouble, annaM.twin) =
            std::tuple(true, &annaM, true, &annaP);
        anna.node = &annaP;
        TlossPerson& kees = Box(Person("I4", "Kees /Smit/", 'M', "1900"), 3, 1, 2, 0, true);
        TlossPerson& willem =
            Box(Person("I6", "Willem /Bos/", ' ', "1907", true), 3, 3, 2, 3, false);
        TlossPerson& pieter =
            Box(Person("I2", "Pieter /Smit/", 'M', "1875"), 2, 1, 1, 0.5, true, {&kees, &annaP});
        TlossPerson& maria =
            Box(Person("I3", "Maria /Smit/", 'F', "1878"), 2, 2, 1, 2.5, true, {&annaM, &willem});
        return Box(Person("I1", "Jan /Smit/", 'M', "1850"), 1, 1, 0, 1.5, true, {&pieter, &maria});
    }
    // The rows' numbers as the boxes were given them by hand.
    static GenealogyRows NumbersOf(const TinbredPerson& chart) {
        GenealogyRows rows;
        for (const TlossPerson* node : chart.nodes) {
            rows.ranks.push_back(node->rank);
            rows.keys.push_back(node->key);
        }
        return rows;
    }
    std::string Page(TlossPerson& root, bool outline = false) {
        PageContext context = Context();
        const TinbredPerson chart = test::ChartOf(root);
        const GenealogyRows rows = NumbersOf(chart);
        outline ? WriteGenealogyOutline(chart, rows, context)
                : WriteGenealogyPage(chart, rows, context);
        return Read(outline ? settings.outline : settings.output);
    }
    // The page's lines, each without "<table " and what follows its style.
    static std::vector<std::string> Tables(const std::string& page) {
        std::vector<std::string> tables;
        std::istringstream in(page);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("<table ")) tables.push_back(line.substr(7, line.find("\">") - 7));
        return tables;
    }

    std::deque<Tindividual> persons;
    std::deque<TlossPerson> nodes;
};

std::string Joined(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The pedigree's head and header for the same settings (checked line by
// line in its own test), with the words of a descendant chart, the grey
// styles and the deeper indented hint line.
std::string GenealogyHeadAndHeader(GenealogyChart& t) {
    const int32_t yoffset = t.settings.yoffset;
    TlossPerson& proband = t.Box(t.Person("I7", "Jan /Smit/", 'M', "1850"), 1, 1, 0, 0, true);
    proband.parents = {&t.Box(t.Person("I8", "Klaas /Smit/", 'M', "1820"), 2, 1, 1, 0, true)};
    PageContext context = t.Context();
    WriteTableauPage(test::ChartOf(proband), context);
    t.settings.yoffset = yoffset;
    std::string page = t.Read(t.settings.output);
    page.erase(page.find("  </div>\r\n") + 10);
    const std::string grey = "; border: 1pt solid gray";
    const std::pair<std::string, std::string> changes[] = {
        {"Ancestor chart; genealogy; pedigree", "Descendants chart; genealogy"},
        {"  <title>", "<title>"},
        {"#FBFCBE}\r\n",
         "#FBFCBE}\r\n" + Joined({"p.u           { background-color:#FFFFFF}",
                                  "p.ms          { background-color:#DBF8FD" + grey + "}",
                                  "p.fs          { background-color:#FBFCBE" + grey + "}",
                                  "p.us          { background-color:#FFFFFF" + grey + "}"})},
        {"width:15 }\r\n", "width:15 }\r\ntable.s       { position: absolute" + grey +
                               "; border-right: 0pt; border-spacing: 0; width:15 }\r\n"},
        {"width: 90}\r\n",
         "width: 90}\r\ntable.ws      { width: 90" + grey + "; border-right: 0pt}\r\n"},
        {"border-bottom: 0pt}\r\n",
         "border-bottom: 0pt}\r\n" + Joined({"table.hs      { border-top: 1pt solid gray; "
                                             "border-left: 0pt; border-bottom: 0pt}",
                                             "table.vs      { border-left: 1pt solid gray; "
                                             "border-top: 0pt; border-bottom: 0pt}"})},
        {"Pedigree of", "Genealogy of"},
        {"  Click", "    Click"},
    };
    for (const auto& [from, to] : changes) {
        const std::size_t at = page.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) page.replace(at, from.size(), to);
    }
    return page;
}

TEST_F(GenealogyChart, SmallPageByteForByte) {
    const std::string expectedHead = GenealogyHeadAndHeader(*this);
    const std::string page = Page(SmallChart());
    // A box linked to the person's row on the text page.
    auto box = [](const std::string& style, const std::string& id, const std::string& hint,
                  const std::string& name) {
        return "<p " + style + R"("><a href="lggenealogy.htm#)" + id + R"(" title=")" + hint +
               R"(" target="bottom">)" + name + "</a></p>";
    };
    const std::string dotted = "; border-style:dotted";
    EXPECT_EQ(
        page,
        expectedHead +
            Joined({
                // Raised to page row 161 + 7 to clear the link block.
                R"(<table style="top:168;left:205;height:25"><tr><td></table>)",
                box("class=m style=\"top:161;left:220", "I4", "3.1: Kees Smit [1900]", "Kees"),
                R"(<table style="top:180;left:115;height:49"><tr><td></table>)",
                box("class=m style=\"top:173;left:130", "I2", "2.1: Pieter Smit [1875]", "Pieter"),
                R"(<table class=h style="top:180;left:190"><tr><td></table>)",
                box("class=f style=\"top:185;left:220" + dotted, "I5", "3.2: Anna Smit [1905]",
                    "Anna"),
                box("class=m style=\"top:197;left:40", "I1", "1.1: Jan Smit [1850]", "Jan"),
                R"(<table class=h style="top:204;left:100"><tr><td></table>)",
                // Maria's children: Anna on the line, Willem not.
                R"(<table class=vs style="top:216;left:205;height:25"><tr><td></table>)",
                R"(<table class=h style="top:216;left:205"><tr><td></table>)",
                box("class=f style=\"top:209;left:220" + dotted, "I5", "3.2: Anna Smit [1905]",
                    "Anna"),
                box("class=f style=\"top:221;left:130", "I3", "2.2: Maria Smit [1878]", "Maria"),
                R"(<table class=hs style="top:228;left:190"><tr><td></table>)",
                R"(<table class=hs style="top:240;left:205"><tr><td></table>)",
                box("class=us style=\"top:233;left:220", "I6", "3.3: Willem Bos [1907]",
                    "W&nbsp;&nbsp;Bos"),
                "</body>",
                "</html>",
            }));
    EXPECT_EQ(settings.yoffset, 161);
    EXPECT_TRUE(host.messages.empty()) << host.AllMessages();
}

TEST_F(GenealogyChart, LinesToChildrenOnAndOffTheLine) {
    struct Case {
        // Per child: '+' on the family line, '-' off it, '*' on it with a child on it.
        std::string children;
        std::vector<std::string> tables;
        std::string scheme = "a0n3z2@";
    };
    const Case cases[] = {
        // The stub runs on through the middle child's line; pairs, an odd one left.
        {"++---",
         {R"(style="top:180;left:115;height:25)", R"(class=vs style="top:180;left:115;height:97)",
          R"(class=hs style="top:228;left:100;width:90)",
          R"(class=s style="top:228;left:115;height:25)", R"(class=hs style="top:276;left:115)"}},
        {"++++",
         {R"(style="top:180;left:115;height:73)", R"(style="top:204;left:115;height:25)",
          R"(class=h style="top:216;left:100)"}},
        // The first child's long chain is paired last, with a grey line.
        {"*++-",
         {R"(class=vs style="top:180;left:115;height:73)",
          R"(class=h style="top:180;left:115;width:165)", R"(style="top:204;left:115;height:25)",
          R"(class=hs style="top:216;left:100)", R"(class=hs style="top:252;left:115)"}},
        // Without "@" in the naming scheme the family line is not set apart.
        {"+-",
         {R"(style="top:180;left:115;height:25)", R"(class=h style="top:192;left:100)"},
         "a0n3z2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.children);
        std::vector<TlossPerson*> children;
        for (char child : c.children) {
            std::vector<TlossPerson*> grandchildren;
            if (child == '*') {
                grandchildren.push_back(Child(children.size(), true));
                grandchildren[0]->x = 2;
            }
            children.push_back(Child(children.size(), child != '-', grandchildren));
        }
        TlossPerson& root = Box(Person("I1", "Jan /Smit/", 'M', "1850"), 1, 1, 0,
                                (c.children.size() - 1) / 2.0L, true, children);
        std::tie(settings.yoffset, settings.namingscheme) = std::tuple(60, c.scheme);
        EXPECT_EQ(Tables(Page(root)), c.tables);
        EXPECT_TRUE(host.messages.empty()) << host.AllMessages();
    }
}

TEST_F(GenealogyChart, OutlinePageAndDisabledOutline) {
    TlossPerson& root = SmallChart();
    title = "Genealogy of Jan Smit";
    const std::string outline = Page(root, true);
    for (const char* part : {R"(<meta name="Subject" content="Descendants chart; genealogy">)",
                             "font-size:0pt; position: absolute; width:30; height:4; left: 0;",
                             "     <b>Genealogy of Jan Smit</b>",
                             "<p class=us style=", R"(<table class=vs style="top:)"})
        EXPECT_NE(outline.find(part), std::string::npos) << part;
    EXPECT_EQ(outline.find("<a href=\"lggenealogy"), std::string::npos);
    EXPECT_EQ(settings.boxwidth, 60);

    std::filesystem::remove(dir.Path() / settings.outline);
    settings.outline = "(disabled)";
    EXPECT_EQ(Page(root).find("Helicopter view"), std::string::npos);
    Page(root, true);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

    // The offspring page's picture comes first.
    {
        PageContext context = Context();
        PageFile file((dir.Path() / "o.htm").string());
        WriteChartHeader(file, context, false, "o.jpg");
        file.Close();
    }
    EXPECT_TRUE(Read("o.htm").starts_with(
        "<img style=\"position: absolute; top:0; left:0\" src=o.jpg>\r\n  <div style="));
}

TEST_F(GenealogyChart, TitlesAndChildlessRoot) {
    TlossPerson& root = Box(Person("I1", "Jan /Smit/", 'M', "1850"), 1, 1, 0, 0, true);
    const std::tuple<char, std::string, std::string, std::string> cases[] = {
        {'m', "", "same names only", "Genealogy of Jan Smit (in the male line)"},
        {'n', "", "same names only", "Genealogy of Jan Smit (same names only)"},
        {'n', "", "", "Genealogy of Jan Smit"},
        {'m', "Smit", "", "Smit"},
    };
    for (const auto& [type, setTitle, sameNames, expected] : cases) {
        std::tie(settings.genealogytype, settings.title, language->sameNamesOnly) =
            std::tie(type, setTitle, sameNames);
        Page(root);
        EXPECT_EQ(title, expected);
    }
    // No children: the root's box alone, for the frames page frames the chart.
    const std::string page = Read(settings.output);
    EXPECT_EQ(Tables(page).size(), 0u);
    EXPECT_NE(page.find("Jan"), std::string::npos);
}

// Jan Smit's son has no name in the file; his children Kees and Lot do,
// and so does Kees's son Tom.
std::vector<std::string> UnnamedSon(const std::string& nameLine) {
    std::vector<std::string> son = {"0 @I2@ INDI", "1 SEX M",     "1 BIRT",
                                    "2 DATE 1830", "1 FAMC @F1@", "1 FAMS @F2@"};
    if (!nameLine.empty()) son.insert(son.begin() + 1, nameLine);
    // clang-format off
    std::vector<std::string> records = {
        "0 @I1@ INDI", "1 NAME Jan /Smit/", "1 SEX M", "1 BIRT", "2 DATE 1800", "1 FAMS @F1@",
        "0 @I3@ INDI", "1 NAME Ans /Dijk/", "1 SEX F", "1 FAMS @F2@",
        "0 @I4@ INDI", "1 NAME Kees /Smit/", "1 SEX M", "1 BIRT", "2 DATE 1860", "1 DEAT",
        "2 DATE 1920", "1 FAMC @F2@", "1 FAMS @F3@",
        "0 @I5@ INDI", "1 NAME Lot /Smit/", "1 SEX F", "1 BIRT", "2 DATE 1862", "1 DEAT",
        "2 DATE 1930", "1 FAMC @F2@",
        "0 @I6@ INDI", "1 NAME Tom /Smit/", "1 SEX M", "1 BIRT", "2 DATE 1890", "1 DEAT",
        "2 DATE 1950", "1 FAMC @F3@",
        "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@",
        "0 @F2@ FAM", "1 HUSB @I2@", "1 WIFE @I3@", "1 CHIL @I4@", "1 CHIL @I5@",
        "0 @F3@ FAM", "1 HUSB @I4@", "1 CHIL @I6@"};
    // clang-format on
    records.insert(records.end(), son.begin(), son.end());
    return records;
}

TEST_F(GenealogyChart, EveryLinkOfThePagesFindsItsRowBelowAnUnnamedSon) {
    for (const std::string nameLine : {"", "1 NAME", "1 NAME //"}) {
        SCOPED_TRACE("name line \"" + nameLine + "\"");
        test::LoadedFamily family(UnnamedSon(nameLine));
        for (const std::string proband : {"I1", "I2"}) {
            SCOPED_TRACE("proband " + proband);
            const std::vector<std::string> probands = {proband};
            DescendantRequest request;
            request.probands = &probands;
            TlossPerson* root =
                MakeDescendantTree(family.db, family.pool, family.reporter, request);
            ChartList charts;
            MakeGenealogyChart(root, family.pool, charts, family.reporter);
            ASSERT_EQ(charts.charts.size(), 1u) << family.host.AllMessages();
            const TinbredPerson& chart = *charts.charts[0];
            ASSERT_EQ(chart.nodes.size(), proband == "I1" ? 5u : 4u);

            // The pages as the genealogy's HTML command writes them.
            test::TempDir out;
            PageContext context = Context();
            context.outputDirectory = out.Path().string();
            const GenealogyRows rows = BuildGenealogyRows(chart, context);
            WriteGenealogyPage(chart, rows, context);
            WriteGenealogyOutline(chart, rows, context);
            WriteGenealogyTextPage(chart, rows, context);
            WriteFramesPage(*chart.proband, context);

            // Every descendant has his row, the son under the word for a man.
            EXPECT_EQ(rows.rows.size(), chart.nodes.size());
            const std::string text = test::ReadFile(out.Path() / settings.links);
            for (const char* id : {"I2", "I4", "I5", "I6"})
                EXPECT_NE(text.find(std::string("<a name=\"") + id + "\""), std::string::npos)
                    << id;
            EXPECT_NE(text.find(">man</b>; born 1830.<br>"), std::string::npos);
            // Every named box links to the text, and every link of every
            // page reaches its anchor.
            const std::string page = test::ReadFile(out.Path() / settings.output);
            std::size_t boxLinks = 0;
            for (std::size_t at = 0;
                 (at = page.find("href=\"lggenealogy.htm#", at)) != std::string::npos; ++at)
                ++boxLinks;
            EXPECT_EQ(boxLinks, chart.nodes.size() - 1);
            const std::vector<test::PageProblem> problems = test::CheckLinks(out.Path());
            EXPECT_TRUE(problems.empty()) << test::DescribeProblems(problems);
            EXPECT_EQ(title, proband == "I1" ? "Genealogy of Jan Smit" : "Genealogy of man");
            EXPECT_TRUE(host.messages.empty()) << host.AllMessages();
        }
    }
}

}  // namespace
}  // namespace lg
