// The page checker of the test suite on pages written by hand: it has to
// find what is wrong, and only that, or the tests built on it prove nothing.

#include "support/page_check.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace lg::test {
namespace {

std::vector<std::string> Lines(const std::vector<PageProblem>& problems) {
    std::vector<std::string> lines;
    for (const PageProblem& problem : problems)
        lines.push_back(problem.file + ":" + std::to_string(problem.line) + ": " + problem.what);
    return lines;
}

TEST(PageCheck, OutlineReadsAnchorsAndLinksOfEveryTagForm) {
    const PageOutline outline = OutlinePage(
        "<html><head><meta name=\"Creator\" content=\"x\">\r\n"
        "<link rel=stylesheet href='style.css'></head>\r\n"
        "<body><A NAME=\"I1\"></A><a name=I2>x</a><div id='box 3'></div>\r\n"
        "<!-- <a name=\"commented\" href=\"gone.htm\"> -->\r\n"
        "<script>document.write('<a href=\"script.htm\">');</script>\r\n"
        "<img src=picture.gif><frame name=\"top\" src=\"chart.htm\">\r\n"
        "<a href=\"text.htm#I&amp;1\" name=\"R&eacute;my\">1 < 2</a></body></html>\r\n");
    EXPECT_EQ(outline.anchors, (std::set<std::string>{"I1", "I2", "box 3", "R\xC3\xA9my"}));
    std::vector<std::string> links;
    for (const PageLink& link : outline.links)
        links.push_back(std::to_string(link.line) + " " + link.target);
    EXPECT_EQ(links, (std::vector<std::string>{"2 style.css", "6 picture.gif", "6 chart.htm",
                                               "7 text.htm#I&amp;1"}));
}

TEST(PageCheck, DecodingFollowsTheBrowser) {
    EXPECT_EQ(DecodeAttribute("A&amp;B"), "A&B");
    EXPECT_EQ(DecodeAttribute("R&eacute;my"), DecodeAttribute("R\xE9my"));
    EXPECT_EQ(DecodeAttribute("R&#233;my"), DecodeAttribute("R&#xE9;my"));
    EXPECT_EQ(DecodeAttribute("R&#233;my"), "R\xC3\xA9my");
    EXPECT_NE(DecodeAttribute("R&eacute;my"), DecodeAttribute("Remy"));
}

TEST(PageCheck, LinksThatLeadNowhereAreFoundAndOnlyThose) {
    TempDir dir;
    dir.Write("chart.htm",
              "<html><body>\r\n"
              "<a name=\"top-of-chart\"></a>\r\n"
              "<a href=\"text.htm#I1\">good</a> <a href=\"#top-of-chart\">good</a>\r\n"
              "<a href=\"text.htm#I2\">broken fragment</a>\r\n"
              "<a href=\"missing.htm\">missing file</a> <img src=missing.gif>\r\n"
              "<a href=\"text.htm#R&eacute;my\">decoded</a> <a href=\"#\">top</a>\r\n"
              "<a href=\"#nowhere\">broken here</a> <a href=\"text.htm#A&amp;B\">amp</a>\r\n"
              "<a href=\"http://example.com/x.htm#y\">out</a> <a href=\"mailto:a@b.c\">m</a>\r\n"
              "<a href=\"text.htm#R%C3%A9my\">percent</a> <a href=\"text.htm\">plain</a>\r\n"
              "</body></html>\r\n");
    dir.Write("text.htm",
              "<html><body><a name=\"I1\"></a><p id=\"R\xE9my\"></p><a name=\"A&#38;B\"></a>\r\n"
              "<frame src=\"chart.htm#top-of-chart\"><frame src=\"chart.htm#lost\">\r\n"
              "</body></html>\r\n");

    EXPECT_EQ(Lines(CheckLinks(dir.Path())),
              (std::vector<std::string>{
                  "chart.htm:4: no anchor \"I2\" in text.htm for link text.htm#I2",
                  "chart.htm:5: no file for link missing.htm",
                  "chart.htm:5: no file for link missing.gif",
                  "chart.htm:7: no anchor \"nowhere\" in chart.htm for link #nowhere",
                  "text.htm:2: no anchor \"lost\" in chart.htm for link chart.htm#lost",
              }));
}

TEST(PageCheck, ReferencesHtmlDoesNotKnowAreFound) {
    const std::string page =
        "<p>&eacute; &#321; &#x141; &amp; &Ccaron; AT&T & co &nbsp x&y</p>\r\n"
        "<p>M&Bgrave;ller &#0; &#xD800;</p>\r\n"
        "<a href=\"a.htm?x=1&foo;\">&#x110000; &#1114111; &9;</a>\r\n";
    EXPECT_EQ(Lines(CheckReferences("p.htm", page)),
              (std::vector<std::string>{
                  "p.htm:2: undefined reference &Bgrave;",
                  "p.htm:2: numeric reference of no character &#0;",
                  "p.htm:2: numeric reference of no character &#xD800;",
                  "p.htm:3: undefined reference &foo;",
                  "p.htm:3: numeric reference of no character &#x110000;",
                  "p.htm:3: undefined reference &9;",
              }));
    EXPECT_TRUE(CheckReferences("p.htm", "&lt;a&gt; &Agrave; &#x10FFFF; &#65;").empty());
}

TEST(PageCheck, DescriptionKeepsEachFileShort) {
    std::vector<PageProblem> problems;
    for (int i = 1; i <= 25; ++i) problems.push_back({"a.htm", i, "bad"});
    problems.push_back({"b.htm", 3, "worse"});
    const std::string text = DescribeProblems(problems, 20);
    EXPECT_NE(text.find("a.htm:20: bad\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("a.htm:21: bad"), std::string::npos) << text;
    EXPECT_NE(text.find("a.htm: ... and 5 more\nb.htm:3: worse\n"), std::string::npos) << text;
    EXPECT_EQ(DescribeProblems({}), "");
}

}  // namespace
}  // namespace lg::test
