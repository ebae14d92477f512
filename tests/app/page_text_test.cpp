// What a reader sees of the file's text on the published pages: markup in
// the file stays text, and on Polish pages every letter is the one the file
// holds.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/make_chart.h"
#include "app/parameter_file.h"
#include "app/run_pipeline.h"
#include "base/encoding.h"
#include "cli/commands.h"
#include "support/test_support.h"

namespace lg {
namespace {

// A small UTF-8 family whose every kind of text holds markup, quotes and
// letters outside code page 1252 (and, for Polish pages, letters 1250 puts
// elsewhere).
constexpr const char* kFamily =
    "0 HEAD\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jan <i>\"Piet\"<i> /Berg & Zn/\n1 SEX M\n"
    "1 BIRT\n2 DATE 1 JAN 1900\n2 PLAC A&P <Dorp>\n"
    "1 OCCU Emperor & \"scholar\" <b>bold</b>\n"
    "1 NOTE <script>alert(\"x\")</script> Ard\xC3\xA8"
    "che\n1 FAMC @F1@\n"
    "0 @I2@ INDI\n1 NAME Fran\xC3\xA7ois /Penthi\xC3\xA8vre/\n1 SEX M\n"
    "1 BIRT\n2 DATE 1870\n2 PLAC Li\xC3\xA8ge\n1 OCCU \xC3\xBEing\xC3\xA6 \xC5\x93uvre\n1 FAMS "
    "@F1@\n1 FAMC @F3@\n"
    "0 @I3@ INDI\n1 NAME \xC5\x81ucja /\xD0\x9F\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2\xD0\xB0/\n"
    "1 SEX F\n1 BIRT\n2 DATE 1872\n2 PLAC \xC5\x81\xC3\xB3"
    "d\xC5\xBA\n1 FAMS @F1@\n1 FAMC @F2@\n"
    "0 @I4@ INDI\n1 NAME \xC4\x8C"
    "estm\xC3\xADr /\xC3\x85lesund/\n1 SEX M\n1 FAMS @F2@\n"
    "0 @I5@ INDI\n1 NAME Herv\xC3\xA9 /Ard\xC3\xA8"
    "che/\n1 SEX M\n1 FAMS @F3@\n"
    "0 @F1@ FAM\n1 HUSB @I2@\n1 WIFE @I3@\n1 CHIL @I1@\n"
    "0 @F2@ FAM\n1 HUSB @I4@\n1 CHIL @I3@\n0 @F3@ FAM\n1 HUSB @I5@\n1 CHIL @I2@\n0 TRLR\n";

// The parameter file with one key's line set to a value.
std::string SetKey(std::string text, const std::string& key, const std::string& value) {
    const std::string start = ";" + key + " ";
    const size_t at = text.find(start);
    EXPECT_NE(at, std::string::npos) << key;
    if (at == std::string::npos) return text;
    const size_t end = text.find_first_of("\r\n", at);
    return text.replace(at, end - at, start + "= " + value);
}

// Every value of a title attribute on the page.
std::vector<std::string> Hints(const std::string& page) {
    std::vector<std::string> hints;
    const std::string open = "title=\"";
    for (size_t at = page.find(open); at != std::string::npos; at = page.find(open, at)) {
        at += open.size();
        const size_t end = page.find('"', at);
        if (end == std::string::npos) break;
        hints.push_back(page.substr(at, end - at));
        at = end;
    }
    return hints;
}

struct Published {
    Published(const char* language, const char* chartType) {
        const auto ged = dir.Write("f.ged", kFamily);
        std::ostringstream params, errors;
        EXPECT_EQ(cli::RunCommandLine({"params", ged.string()}, params, errors), 0) << errors.str();
        std::string text = params.str();
        text = SetKey(text, "Language", language);
        text = SetKey(text, "ChartType", chartType);
        text = SetKey(text, "GedcomNotes", "Y");
        // Names as the file writes them, quotes included.
        text = SetKey(text, "ProperDisplay", "2");
        EXPECT_TRUE(LoadParameterFile(session, dir.Write("f.params.txt", text)));
        session.ctrlHeld = true;
        GoButtonClick(session);
        const ChartType type =
            std::string(chartType) == "genealogy" ? ChartType::Genealogy : ChartType::Pedigree;
        EXPECT_FALSE(PublishChart(session, type).empty()) << host.AllMessages();
        pages = test::PagesIn(dir.Path());
    }
    std::string All() const {
        std::string all;
        for (const auto& [name, bytes] : pages) all += bytes;
        return all;
    }
    test::TempDir dir;
    test::FakeHost host;
    Session session{host};
    std::map<std::string, std::string> pages;
};

TEST(PageText, FileTextNeverBecomesMarkup) {
    for (const char* type : {"pedigree", "genealogy"}) {
        SCOPED_TRACE(type);
        Published p("english", type);
        ASSERT_GE(p.pages.size(), 3u) << p.host.AllMessages();
        const std::string all = p.All();
        for (const char* markup : {"<script", "<b>bold", "<Dorp>", "<i>", "& Zn", "A&P"})
            EXPECT_EQ(all.find(markup), std::string::npos) << markup;
        // The text is there, as text.
        EXPECT_NE(all.find("Berg &amp; Zn"), std::string::npos);
        EXPECT_NE(all.find("A&amp;P &lt;Dorp&gt;"), std::string::npos);
        EXPECT_NE(all.find("Emperor &amp; \"scholar\" &lt;b&gt;bold&lt;/b&gt;"), std::string::npos);
        if (std::string(type) == "genealogy") {  // only its text page has the notes
            EXPECT_NE(all.find("&lt;script&gt;alert(\"x\")&lt;/script&gt;"), std::string::npos);
        }
        // The hints too hold the text, not markup (the name's quotes become
        // apostrophes as it is read, so none can end the attribute).
        bool personHint = false;
        for (const auto& [name, bytes] : p.pages)
            for (const std::string& value : Hints(bytes)) {
                if (value.find("Berg") == std::string::npos) continue;
                personHint = true;
                EXPECT_NE(value.find("Jan &lt;i&gt;'Piet'&lt;i&gt; Berg &amp; Zn"),
                          std::string::npos)
                    << name << ": " << value;
            }
        EXPECT_TRUE(personHint);
    }
}

TEST(PageText, PolishPagesShowTheLettersTheFileHolds) {
    for (const char* type : {"pedigree", "genealogy"}) {
        SCOPED_TRACE(type);
        Published polish("polski", type);
        Published english("english", type);
        ASSERT_FALSE(polish.pages.empty());
        const std::string all = polish.All();
        EXPECT_NE(all.find("charset=windows-1250"), std::string::npos);
        // è, þ, æ and œ are other letters in 1250; é stays, for both have it.
        EXPECT_NE(all.find("Penthi&#232;vre"), std::string::npos);
        EXPECT_NE(all.find("Li&#232;ge"), std::string::npos);
        EXPECT_NE(all.find("&#254;ing&#230; &#339;uvre"), std::string::npos);
        EXPECT_EQ(all.find("Penthi\xE8vre"), std::string::npos);
        EXPECT_EQ(all.find("Li\xE8ge"), std::string::npos);
        EXPECT_EQ(all.find("\xFEing"), std::string::npos);
        // Notes, and the parents named beside a spouse, too.
        EXPECT_NE(all.find("Ard&#232;che"), std::string::npos);
        EXPECT_EQ(all.find("Ard\xE8"
                           "che"),
                  std::string::npos);
        EXPECT_EQ(all.find("\xC5lesund"), std::string::npos);
        EXPECT_NE(all.find("Fran\xE7ois"), std::string::npos);  // ç: the same byte in 1250
        // Letters outside both code pages were references all along.
        EXPECT_NE(all.find("&#321;ucja"), std::string::npos);
        // Pages in code page 1252 keep the file's bytes.
        EXPECT_NE(english.All().find("Penthi\xE8vre"), std::string::npos);
        EXPECT_EQ(english.All().find("&#232;"), std::string::npos);
    }
}

}  // namespace
}  // namespace lg
