#include "database/error_report.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace lg {
namespace {

TEST(ErrorReport, Fragments) {
    EXPECT_EQ(Bold("x"), "<b>x</b>");
    EXPECT_EQ(Maroon("x"), "<font color=maroon>x</font>");
    EXPECT_EQ(Red("x"), "<font color=red>x</font>");
    EXPECT_EQ(Value("x"), "<font color=maroon><b>x</b></font>");
}

TEST(ErrorReport, FileAppearsWithItsHeaderAtTheFirstLine) {
    test::TempDir dir;
    test::FixedClock clock(std::chrono::system_clock::from_time_t(0));
    {
        ErrorReport report({dir.Path(), "fam.ged", 2, &clock});
        EXPECT_FALSE(report.IsOpen());
        EXPECT_FALSE(std::filesystem::exists(dir.Path() / "GedcomErrors.htm"));
        EXPECT_EQ(report.Path(), dir.Path() / "GedcomErrors.htm");
        report.WriteReport("first");
        report.WriteReport("");
        EXPECT_TRUE(report.IsOpen());
        report.Close();
        EXPECT_FALSE(report.IsOpen());
        EXPECT_EQ(report.Context().gedcomName, "fam.ged");
    }
    std::string text = test::ReadFile(dir.Path() / "GedcomErrors.htm");
    const std::size_t headerEnd = text.find("\r\n");
    ASSERT_NE(headerEnd, std::string::npos);
    EXPECT_EQ(text.substr(headerEnd), "\r\nfirst\r\n\r\n");
    const std::string header = text.substr(0, headerEnd);
    // The report is internal text: it says so, or a browser guesses its accents.
    EXPECT_TRUE(
        header.starts_with("<html><head><meta http-equiv=\"Content-Type\" content=\"text/"
                           "html; charset=windows-1252\"><style type=\"text/css\">"))
        << header;
    EXPECT_NE(header.find("<table border=0 cellpadding=0><tr><td>Path : </td>"), std::string::npos);
    EXPECT_NE(header.find("<td>Checks : </td><td>Link consistency and sanity of dates "
                          "(V4.1.3b)</td></tr></table><br>"),
              std::string::npos);
    EXPECT_TRUE(header.ends_with("</table><br>"));
}

TEST(ErrorReport, SectionsSummariseInTheMessageList) {
    test::TempDir dir;
    test::FakeHost host;
    Reporter reporter(host);
    ErrorReport report({dir.Path(), "g.ged", 0, nullptr});
    report.WriteReport("entry");
    report.ReportSection("Incorrect FAMC links", 1, reporter);
    report.ReportSection("Partner has wrong sex", 12, reporter);
    report.Close();
    EXPECT_EQ(host.messages,
              (std::vector<std::string>{"\r\nDubious data on your gedcom file --------------------",
                                        "---- Incorrect FAMC links  (1x)",
                                        "---- Partner has wrong sex  (12x)"}));
    EXPECT_EQ(reporter.RunState(), kRunNormal);
    std::string text = test::ReadFile(dir.Path() / "GedcomErrors.htm");
    EXPECT_NE(text.find("Link consistency only (V4.1.3b)"), std::string::npos);
    EXPECT_EQ(text.substr(text.find("\r\n")), "\r\nentry\r\n\r\n\r\n");
}

}  // namespace
}  // namespace lg
