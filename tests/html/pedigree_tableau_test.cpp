#include "html/pedigree_tableau.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>

#include "app/settings.h"
#include "charts/pedigree.h"
#include "support/chart_of.h"
#include "support/page_setup.h"
#include "support/test_support.h"

namespace lg {
namespace {

using namespace std::chrono_literals;

// Persons, families and boxes of a hand-made pedigree.
struct Chart {
    Tindividual& Person(const std::string& id, const std::string& name, char sex,
                        const std::string& birth = "", const std::string& christening = "") {
        Tindividual& p = persons.emplace_back();
        std::tie(p.ID, p.fullName, p.sex) = std::tie(id, name, sex);
        SplitName(p);
        if (!birth.empty()) (p.birth = std::make_unique<TEventRecord>())->date = birth;
        if (!christening.empty())
            (p.christening = std::make_unique<TEventRecord>())->date = christening;
        return p;
    }
    void Family(std::vector<Tindividual*> children) {
        Tfamily& f = families.emplace_back();
        for (Tindividual* child : children) {
            f.children.push_back({child->ID, child});
            child->famcList.push_back({"F", &f});
        }
    }
    // A box with the ancestor number's generation, rank and paternal-line flag.
    TlossPerson& Node(Tindividual* person, int32_t sosa, long double x, long double y,
                      std::vector<TlossPerson*> parents = {}) {
        TlossPerson& n = nodes.emplace_back();
        n.person = person;
        n.sosa = sosa;
        n.generation = std::bit_width(static_cast<uint32_t>(sosa));
        n.rank = sosa - (1 << (n.generation - 1)) + 1;
        n.lineFlag = std::has_single_bit(static_cast<uint32_t>(sosa));
        std::tie(n.x, n.y, n.parents) = std::tie(x, y, parents);
        return n;
    }
    TlossPerson& Node(int32_t sosa, long double x, long double y,
                      std::vector<TlossPerson*> parents = {}) {
        const std::string id = "I" + std::to_string(sosa);
        return Node(&Person(id, id + " /B/", "MF"[sosa % 2]), sosa, x, y, parents);
    }
    std::deque<Tindividual> persons;
    std::deque<Tfamily> families;
    std::deque<TlossPerson> nodes;
};

// The pedigree's factory settings and what a page writer needs besides.
struct Writer : test::PageSetup {
    Writer()
        : PageSetup(FactoryDefaults(ChartType::Pedigree),
                    std::chrono::system_clock::time_point(1700000000s)) {}
    std::string Tableau(TlossPerson& root) {
        PageContext context = Context();
        WriteTableauPage(test::ChartOf(root), context);
        return Read(settings.output);
    }
    // The page's lines that contain the text, without their CR.
    static std::vector<std::string> LinesWith(const std::string& page, const std::string& text) {
        std::vector<std::string> found;
        std::istringstream in(page);
        for (std::string line; std::getline(in, line);)
            if (line.find(text) != std::string::npos)
                found.push_back(line.substr(0, line.size() - 1));
        return found;
    }
};

// Proband Jan (with brother Klaas), parents, and grandparents 4 to 7 where
// 7 is 5 again: three generations, placed as the pedigree layout does.
struct ThreeGenerations : Chart {
    ThreeGenerations() {
        Tindividual& jan = Person("I1", "Jan /Smit/", 'M', "1 JAN 1900");
        Family({&jan, &Person("I8", "Klaas /Smit/", 'M')});
        Tindividual& pieter = Person("I2", "Pieter /Smit/", 'M', "1870");
        Tindividual& maria = Person("I3", "Maria /Bos/", 'F');
        Tindividual& hendrik = Person("I4", "Hendrik /Smit/", 'M');
        Tindividual& anna = Person("I5", "Anna /Jansen/", 'F', "ABT 1845");
        Tindividual& willem = Person("I6", "Willem /Bos/", ' ', "", "1840");
        TlossPerson& anna5 = Node(&anna, 5, 2, 1);
        TlossPerson& anna7 = Node(&anna, 7, 2, 3);
        anna7.isDouble = true;
        anna7.twin = &anna5;
        TlossPerson& father = Node(&pieter, 2, 1, 0.5, {&Node(&hendrik, 4, 2, 0), &anna5});
        TlossPerson& mother = Node(&maria, 3, 1, 2.5, {&Node(&willem, 6, 2, 2), &anna7});
        root = &Node(&jan, 1, 0, 1.5, {&father, &mother});
    }
    TlossPerson* root;
};

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

TEST(PedigreeTableau, SmallPageByteForByte) {
    Writer w;
    w.settings.homeurl = "index.htm";
    w.settings.hometitle = "Family home";
    ThreeGenerations chart;
    const std::string page = w.Tableau(*chart.root);
    const std::string link =
        "; mso-text-animation:none; font-weight:normal; "
        "text-decoration:none; text-underline:none; text-line-through:none;}";
    const std::string expected = Joined({
        R"(<!DOCTYPE html PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)",
        "<html>",
        "<head>",
        R"(  <meta http-equiv="Content-Type" content="text/html; charset=windows-1252">)",
        R"(  <meta name="Creator" content="Lignorama by Lignorama team; support@lignorama.org">)",
        R"(  <meta name="Subject" content="Ancestor chart; genealogy; pedigree">)",
        R"(  <meta name="Version" content="4.1.3b">)",
        R"(  <meta name="Date" content=")" + PageDate(w.clock) + R"(">)",
        "  <title></title>",
        R"(<style type="text/css">)",
        "<!--",
        "p             { font-family:'Arial'; font-size:7pt; position: absolute; width:60; "
        "height:14; left: 0; text-align: Center; border: 1pt solid black;margin-top: 0pt; "
        "margin-bottom: 1pt }",
        "p.m           { background-color:#DBF8FD}",
        "p.f           { background-color:#FBFCBE}",
        "table         { position: absolute; border: 1pt solid black; border-right: 0pt; "
        "border-spacing: 0; width:15 }",
        "table.w       { width: 90}",
        "table.h       { border-left: 0pt; border-bottom: 0pt}",
        "a:link        { color:blue" + link,
        "a:visited     { color:purple" + link,
        "a:active      { color:red" + link,
        "-->",
        "</style>",
        R"(<base target="_self">)",
        "</head>",
        R"(<body BGcolor="#FFFFFF">)",
        R"-(  <div style="position:absolute; left:120; top:15"><font face='Arial'><b>Pedigree)-"
        R"-( of Jan Smit</b><br>&nbsp;</font></div>)-",
        R"(  <p class=m style="top:10; left:25;">male</p>)",
        R"(  <p class=f style="top:30; left:25;">female</p>)",
        R"-(  <div style="position:absolute; top:50; left:10; width:90; height:44;)-"
        R"-( text-align:center">)-",
        R"(    <font face="Arial" size="1">)",
        "  Click a name for a link to the text.<br><br>",
        R"-(    <a href="index.htm" target="_top" style="font-size:10pt")-"
        R"-( title="Family home"><b>Home</b></a>)-",
        "    <br>",
        R"-(    <a href="https://lignorama.org/" target=new style="font-size:8pt")-"
        R"-( title="about this page (V4.1.3b)">info</a>)-",
        R"-(    <br><br><a href="lgoutline.htm" target="_self" style="font-size:10pt")-"
        R"-( title="Helicopter view"><b>Outline</b></a>)-",
        "    </font>",
        "  </div>",
        // The chart moves down to page row 180 to clear the link block.
        R"(<table style="top:166;left:175;height:29"><tr><td></table>)",
        R"-(<p class=m style="top:159;left:190">)-"
        R"-(<a href="lgtekst.htm#I4" title="4: Hendrik Smit")-"
        R"-( target="bottom">H&nbsp;&nbsp;Smit</a></p>)-",
        R"(<table class=w style="top:180;left:85;height:57"><tr><td></table>)",
        R"-(<p class=m style="top:173;left:100">)-"
        R"-(<a href="lgtekst.htm#I2" title="2: Pieter Smit [1870]")-"
        R"-( target="bottom">P&nbsp;&nbsp;Smit</a></p>)-",
        R"-(<p class=f style="top:187;left:190">)-"
        R"-(<a href="lgtekst.htm#I5" title="5: Anna Jansen [1845]")-"
        R"-( target="bottom">Jansen</a></p>)-",
        R"-(<p class=m style="top:201;left:10">)-"
        R"-(<a href="lgtekst.htm#I1" title="Jan, Klaas Smit [1900]")-"
        R"-( target="bottom">J&nbsp;&nbsp;Smit</a></p>)-",
        R"(<table class=h style="top:208;left:70"><tr><td></table>)",
        R"(<table style="top:222;left:175;height:29"><tr><td></table>)",
        R"-(<p style="top:215;left:190"><a href="lgtekst.htm#I6")-"
        R"-( title="6: Willem Bos [1840]" target="bottom">Bos</a></p>)-",
        R"-(<p class=f style="top:229;left:100">)-"
        R"-(<a href="lgtekst.htm#I3" title="3: Maria Bos" target="bottom">Bos</a></p>)-",
        R"-(<p class=f style="top:243;left:190; border-style:dotted">)-"
        R"-(<a href="lgtekst.htm#I5" title="7: Anna Jansen [1845] (eq: 5)")-"
        R"-( target="bottom">Jansen</a></p>)-",
        "</body>",
        "</html>",
    });
    EXPECT_EQ(page, expected);
    EXPECT_EQ(w.title, "Pedigree of Jan Smit");
    EXPECT_EQ(w.settings.yoffset, 159);
    EXPECT_TRUE(w.host.messages.empty()) << w.host.AllMessages();
}

TEST(PedigreeTableau, OutlinePageHasSmallBoxesWithoutText) {
    Writer w;
    w.title = "Pedigree of Jan Smit";
    ThreeGenerations chart;
    PageContext context = w.Context();
    WriteOutlinePage(test::ChartOf(*chart.root), context);
    const std::string page = w.Read("lgoutline.htm");
    EXPECT_NE(page.find("font-size:0pt; position: absolute; width:30; height:4; left: 0;"),
              std::string::npos);
    EXPECT_NE(page.find(Joined({
                  R"(<body BGcolor="#FFFFFF">)",
                  R"(<div style="position:absolute; left:60; top:15">)",
                  "   <font face='Arial'>",
                  "     <b>Pedigree of Jan Smit</b>",
                  "     <br>&nbsp;<br>",
                  R"-(     <a href="lignorama.htm" target="_self" style="font-size:10pt")-"
                  R"-( title="Complete tableau"><b>Details</b></a>)-",
                  "   </font>",
                  "</div>",
                  // No header clearance: the top row stays at yoffset 10.
                  R"(<table style="top:12;left:94;height:9"><tr><td></table>)",
                  R"(<p class=m style="top:10;left:102"></p>)",
              })),
              std::string::npos)
        << page;
    EXPECT_EQ(page.find("<a href=\"lgtekst"), std::string::npos);
    EXPECT_EQ(std::tie(w.settings.boxwidth, w.settings.boxheight, w.settings.xspace,
                       w.settings.yspace, w.settings.fontsize),
              std::make_tuple(60, 14, 30, 14, 7));
    std::filesystem::remove(w.dir.Path() / "lgoutline.htm");
    w.settings.outline.clear();
    WriteOutlinePage(test::ChartOf(*chart.root), context);
    EXPECT_TRUE(std::filesystem::is_empty(w.dir.Path()));
}

TEST(PedigreeTableau, ParentLinesOfSmallCharts) {
    struct Case {
        const char* name;
        bool mother, grandparents;
        std::vector<std::string> lines;  // every table line of the page
    };
    const Case cases[] = {
        // Stub and parent line run on as one line through the parent's box.
        {"one parent",
         false,
         false,
         {R"(<table class=h style="top:180;left:70;width:90"><tr><td></table>)"}},
        {"two parents",
         true,
         false,
         {R"(<table style="top:180;left:85;height:57"><tr><td></table>)",
          R"(<table class=h style="top:208;left:70"><tr><td></table>)"}},
        // The bracket reaches as far as the mother's line; the father's stub
        // beyond his box is a line of its own.
        {"father with parents",
         true,
         true,
         {R"(<table style="top:152;left:175;height:57"><tr><td></table>)",
          R"(<table style="top:180;left:85;height:29"><tr><td></table>)",
          R"(<table class=h style="top:180;left:160"><tr><td></table>)",
          R"(<table class=h style="top:194;left:70"><tr><td></table>)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Writer w;
        Chart chart;
        std::vector<TlossPerson*> grandparents;
        if (c.grandparents) grandparents = {&chart.Node(4, 2, 0), &chart.Node(5, 2, 2)};
        std::vector<TlossPerson*> parents{&chart.Node(2, 1, c.grandparents ? 1 : 0, grandparents)};
        if (c.mother) parents.push_back(&chart.Node(3, 1, 2));
        TlossPerson& root = chart.Node(1, 0, (parents.front()->y + parents.back()->y) / 2, parents);
        EXPECT_EQ(Writer::LinesWith(w.Tableau(root), "<table"), c.lines);
    }
}

TEST(PedigreeTableau, BoxTextsLinksAndAnchors) {
    struct Case {
        const char* name;
        int fontsize, bookmarks;
        const char* links;
        int32_t generationsMore;
        std::string fatherBox;  // part of it
        bool hint;
    };
    const Case cases[] = {
        {"default", 7, 0, "lgtekst.htm", 0,
         R"-(<p class=m style="top:173;left:100">)-"
         R"-(<a href="lgtekst.htm#I12" title="2: Pieter Smit [1870]")-"
         R"-( target="bottom">P&nbsp;&nbsp;Smit</a></p>)-",
         true},
        {"no font", 0, 0, "lgtekst.htm", 0, R"(<p class=m style="top:173;left:100"></p>)", true},
        {"no links", 7, 0, "", 0, R"(<p class=m style="top:173;left:100">P&nbsp;&nbsp;Smit</p>)",
         false},
        {"bookmarks 1", 7, 1, "t.htm", 30,
         R"(<a href="t.htm#BM32.1" title="32.1: Pieter Smit [1870]")", true},
        {"bookmarks 2", 7, 2, "t.htm", 0, R"(<a href="t.htm#11")", true},
        {"file per person", 7, 0, "persons/pers#.htm", 0, R"(<a href="persons/pers12.htm")", true},
        // A nickname's quotes must not end the title attribute.
        {"nickname", 7, 0, "t.htm", 0, R"(title="2: Pieter &quot;Piet&quot; Smit [1870]")", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Writer w;
        w.settings.fontsize = c.fontsize;
        w.settings.links = c.links;
        w.options.bookmarks = c.bookmarks;
        ThreeGenerations chart;
        chart.persons[2].ID = "I12";  // Pieter
        if (c.name == std::string("nickname")) chart.persons[2].givenNames = "Pieter \"Piet\"";
        for (TlossPerson& n : chart.nodes) n.generation += c.generationsMore;
        const std::string page = w.Tableau(*chart.root);
        const std::vector<std::string> boxes = Writer::LinesWith(page, "top:173;left:100");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_NE(boxes[0].find(c.fatherBox), std::string::npos) << boxes[0];
        EXPECT_EQ(page.find("Click a name") != std::string::npos, c.hint);
    }
}

TEST(PedigreeTableau, ProbandAnchorOnlyFarDown) {
    struct Case {
        long double row;
        bool headerLink;
        std::string anchor;
    };
    // Rows are 28 pixels; the header clearance sets yoffset to 173. The header
    // link needs a raw proband row above 600, the anchor a page row (raw row
    // + 7 + 173) above 600.
    const Case cases[] = {
        {15, false, ""},  // page row 600
        {16, false, R"(<p style="top:328;left:10;border:0pt"><a name="proband"></a></p>)"},
        {22, true, R"(<p style="top:496;left:10;border:0pt"><a name="proband"></a></p>)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.row));
        Writer w;
        Chart chart;
        const std::string page = w.Tableau(
            chart.Node(1, 0, c.row, {&chart.Node(2, 1, 0), &chart.Node(3, 1, 2 * c.row)}));
        EXPECT_EQ(w.settings.yoffset, 173);
        EXPECT_EQ(page.find("#proband") != std::string::npos, c.headerLink);
        const std::vector<std::string> anchors = Writer::LinesWith(page, "name=\"proband\"");
        EXPECT_EQ(anchors.empty() ? "" : anchors[0], c.anchor);
    }
}

TEST(PedigreeTableau, ProbandWithoutParentsGetsPagesOfHisBoxAlone) {
    // The frames page frames the tableau whatever the chart: it must exist.
    Writer w;
    Chart chart;
    TlossPerson& root = chart.Node(1, 0, 0);
    const std::string page = w.Tableau(root);
    EXPECT_EQ(w.title, "Pedigree of I1 B");
    EXPECT_TRUE(Writer::LinesWith(page, "<table").empty());
    const std::vector<std::string> boxes = Writer::LinesWith(page, "<p style=\"top:");
    ASSERT_EQ(boxes.size(), 1u) << page;
    EXPECT_NE(boxes[0].find(";left:10\""), std::string::npos) << boxes[0];  // at the left margin
    PageContext context = w.Context();
    WriteOutlinePage(test::ChartOf(root), context);
    EXPECT_TRUE(std::filesystem::exists(w.dir.Path() / w.settings.outline));
}

TEST(PedigreeTableau, CollectedRowsRoundHalvesToEven) {
    Writer w;
    w.settings.yspace = 1;  // rows of 15 pixels
    Chart chart;
    TableauLists lists;
    CollectTableauItems(
        test::ChartOf(chart.Node(1, 0, 1.5, {&chart.Node(2, 1, 0.5), &chart.Node(3, 1, 2.5)})),
        w.settings, lists);
    std::vector<int32_t> rows;
    for (const TableauItem* box : lists.elements) rows.push_back(box->y);
    EXPECT_EQ(rows, (std::vector<int32_t>{22, 8, 38}));  // 22.5, 7.5, 37.5
}

TEST(PedigreeTableau, VerticalLineWithoutParentLinesIsAProgramError) {
    Writer w;
    TableauLists lists;
    lists.Add(lists.lines, {.kind = TableauItem::Vertical, .x = 45, .y = 0, .height = 28});
    lists.Add(lists.lines, {.kind = TableauItem::Horizontal, .x = 45, .y = 0, .width = 75});
    lists.Add(lists.lines, {.kind = TableauItem::Horizontal, .x = 90, .y = 0, .width = 5});
    ChainHorizontalLines(lists.lines);
    EXPECT_EQ(lists.lines[1]->chainWidth, 75);  // a line inside it does not shorten it
    ConvertLines(lists, w.reporter);
    EXPECT_EQ(w.host.messages,
              std::vector<std::string>{"*** Program error in CombineVerticalLines."});
    EXPECT_TRUE(lists.elements.empty());
}

// Ten generations, complete for seed 0, else with random gaps, placed by
// the pedigree layout.
struct RandomPedigree : Chart {
    explicit RandomPedigree(unsigned seed) : random(seed), complete(seed == 0) {
        PlaceAncestors(*(root = &Grow(1)));
        long double top = root->y;
        for (const TlossPerson& n : nodes) top = std::min(top, n.y);
        for (TlossPerson& n : nodes) n.y -= top;
    }
    TlossPerson& Grow(int32_t sosa) {
        std::vector<TlossPerson*> parents;
        for (int32_t p : {2 * sosa, 2 * sosa + 1})
            if (sosa < 512 && (complete || random() % 6 != 0)) parents.push_back(&Grow(p));
        return Node(sosa, 0, 0, parents);
    }
    std::mt19937 random;
    bool complete;
    TlossPerson* root;
};

// A line element of a tableau page:
// <table[ class=C] style="top:T;left:L[;height:H][;width:W]">...
struct TableLine {
    std::string cls;
    int32_t top = 0;
    int32_t left = 0;
    std::optional<int32_t> height;
    std::optional<int32_t> width;
};
std::optional<TableLine> ParseTable(const std::string& line) {
    if (!line.starts_with("<table")) return std::nullopt;
    const std::size_t style = line.find(" style=\"");
    if (style == std::string::npos) return std::nullopt;
    TableLine t;
    const std::size_t cls = line.find(" class=");
    if (cls != std::string::npos && cls < style) t.cls = line.substr(cls + 7, style - cls - 7);
    auto value = [&](const std::string& key) -> std::optional<int32_t> {
        const std::size_t at = line.find(key, style);
        if (at == std::string::npos) return std::nullopt;
        return std::stoi(line.substr(at + key.size()));
    };
    t.top = value("top:").value_or(-1);
    t.left = value(";left:").value_or(-1);
    t.height = value(";height:");
    t.width = value(";width:");
    return t;
}

using Pieces = std::map<int32_t, std::vector<std::pair<int32_t, int32_t>>>;  // row: from, to

TEST(PedigreeTableau, EveryChildHasOneBracketAndNoLineIsDrawnTwice) {
    struct Sizes {
        int32_t boxwidth, xspace, rowStep;
    };
    for (const Sizes& sizes : {Sizes{60, 30, 28}, Sizes{61, 21, 19}}) {
        const auto [boxwidth, xspace, rowStep] = sizes;
        for (unsigned seed : {0u, 1u, 2u, 3u}) {
            SCOPED_TRACE(std::to_string(boxwidth) + " " + std::to_string(seed));
            Writer w;
            std::tie(w.settings.boxwidth, w.settings.xspace, w.settings.yspace) =
                std::tuple(boxwidth, xspace, rowStep - w.settings.boxheight);
            RandomPedigree chart(seed);
            const std::string page = w.Tableau(*chart.root);
            const int32_t column = boxwidth + xspace, half = xspace / 2;
            // Where the chart asks for lines: brackets (x, top, height) and pieces.
            std::set<std::tuple<int32_t, int32_t, int32_t>> brackets, bracketsDrawn;
            Pieces needed, drawn, lines;
            auto centreX = [&](const TlossPerson& n) {
                return w.settings.xoffset + static_cast<int32_t>(n.x) * column + boxwidth / 2;
            };
            auto centreY = [&](const TlossPerson& n) {
                return w.settings.yoffset + static_cast<int32_t>(std::nearbyint(n.y * rowStep)) + 7;
            };
            for (const TlossPerson& n : chart.nodes) {
                if (n.parents.empty()) continue;
                const int32_t middle = centreX(n) + column / 2;
                needed[centreY(n)].emplace_back(middle - half, middle);  // the stub
                for (const TlossPerson* p : n.parents)
                    needed[centreY(*p)].emplace_back(middle, middle + half);
                const int32_t top = centreY(*n.parents.front());
                if (n.parents.size() == 2)
                    brackets.emplace(middle, top, centreY(*n.parents.back()) - top + 1);
            }
            // What the page draws: the bracket's top and bottom, and lines.
            std::istringstream in(page);
            for (std::string line; std::getline(in, line);) {
                const std::optional<TableLine> t = ParseTable(line);
                if (!t) continue;
                const int32_t y = t->top, x = t->left;
                const int32_t to = x + (t->width ? *t->width : t->cls == "w" ? column : half);
                drawn[y].emplace_back(x, to);
                if (t->cls == "h") lines[y].emplace_back(x, to);
                if (!t->height) continue;
                ASSERT_TRUE(bracketsDrawn.emplace(x, y, *t->height).second) << line;
                drawn[y + *t->height - 1].emplace_back(x, to);
            }
            EXPECT_EQ(bracketsDrawn, brackets);
            for (auto& [row, pieces] : lines) {  // touching lines are merged into one
                std::sort(pieces.begin(), pieces.end());
                for (std::size_t i = 1; i < pieces.size(); ++i)
                    EXPECT_GT(pieces[i].first, pieces[i - 1].second + 1) << "row " << row;
            }
            for (auto& [row, pieces] : drawn) {  // no overlaps; touching pieces joined
                std::sort(pieces.begin(), pieces.end());
                for (std::size_t i = 1; i < pieces.size(); ++i) {
                    EXPECT_LE(pieces[i - 1].second, pieces[i].first) << "row " << row;
                    if (pieces[i - 1].second == pieces[i].first)
                        pieces[i].first = pieces[i - 1].first;
                }
            }
            for (const auto& [row, segments] : needed) {
                for (const auto& [from, to] : segments) {
                    EXPECT_TRUE(std::ranges::any_of(drawn[row],
                                                    [&](const auto& piece) {
                                                        return piece.first <= from &&
                                                               to <= piece.second;
                                                    }))
                        << "row " << row << " from " << from;
                }
            }
            EXPECT_TRUE(w.host.messages.empty()) << w.host.AllMessages();
        }
    }
}

}  // namespace
}  // namespace lg
