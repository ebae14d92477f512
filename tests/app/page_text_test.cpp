// What a reader sees of the file's text on the published pages: markup in
// the file stays text, and on Polish pages every letter is the one the file
// holds.

#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "app/make_chart.h"
#include "app/parameter_file.h"
#include "app/run_pipeline.h"
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

// Every value of a title attribute on the page.
std::vector<std::string> Hints(const std::string& page) {
    static const std::regex title("title=\"([^\"]*)\"");
    std::vector<std::string> hints;
    for (std::sregex_iterator it(page.begin(), page.end(), title), end; it != end; ++it)
        hints.push_back((*it)[1]);
    return hints;
}

struct Published {
    Published(const char* language, ChartType type) {
        dir.Write("f.ged", kFamily);
        Settings settings;
        settings.options.gedcom = "f.ged";
        settings.options.language = language;
        settings.options.charttype = type;
        settings.options.gedcomnotes = true;
        // Names as the file writes them, quotes included.
        settings.options.properdisplay = NameStyle::Gedcom;
        EXPECT_TRUE(
            LoadParameterFile(session, dir.Write("f.params.txt", FormatParameterFile(settings))));
        session.ctrlHeld = true;
        GoButtonClick(session);
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

// Whether the piece is in the text as expected (`there` or not); the failure
// names the piece.
::testing::AssertionResult Holds(const std::string& text, const char* piece, bool there = true) {
    if ((text.find(piece) != std::string::npos) == there) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << piece << (there ? "\" missing" : "\" found");
}

TEST(PageText, FileTextNeverBecomesMarkup) {
    for (ChartType type : {ChartType::Pedigree, ChartType::Genealogy}) {
        SCOPED_TRACE(static_cast<int>(type));
        Published p("english", type);
        ASSERT_GE(p.pages.size(), 3u) << p.host.AllMessages();
        const std::string all = p.All();
        for (const char* markup : {"<script", "<b>bold", "<Dorp>", "<i>", "& Zn", "A&P"})
            EXPECT_TRUE(Holds(all, markup, false));
        // The text is there, as text; only the genealogy's text page has the notes.
        for (const char* text : {"Berg &amp; Zn", "A&amp;P &lt;Dorp&gt;",
                                 "Emperor &amp; \"scholar\" &lt;b&gt;bold&lt;/b&gt;"})
            EXPECT_TRUE(Holds(all, text));
        if (type == ChartType::Genealogy) {
            EXPECT_TRUE(Holds(all, "&lt;script&gt;alert(\"x\")&lt;/script&gt;"));
        }
        // The hints too hold the text, not markup (the name's quotes become
        // apostrophes as it is read, so none can end the attribute).
        bool personHint = false;
        for (const auto& [name, bytes] : p.pages)
            for (const std::string& value : Hints(bytes)) {
                if (value.find("Berg") == std::string::npos) continue;
                personHint = true;
                EXPECT_TRUE(Holds(value, "Jan &lt;i&gt;'Piet'&lt;i&gt; Berg &amp; Zn"))
                    << name << ": " << value;
            }
        EXPECT_TRUE(personHint);
    }
}

TEST(PageText, PolishPagesShowTheLettersTheFileHolds) {
    for (ChartType type : {ChartType::Pedigree, ChartType::Genealogy}) {
        SCOPED_TRACE(static_cast<int>(type));
        Published polish("polski", type);
        Published english("english", type);
        ASSERT_FALSE(polish.pages.empty());
        const std::string all = polish.All();
        // è, þ, æ and œ are other letters in 1250, and so is Å; é and ç stay
        // the same bytes, for both code pages have them. Notes and the parents
        // named beside a spouse are converted too, and letters outside both
        // code pages were references all along.
        for (const char* text :
             {"charset=windows-1250", "Penthi&#232;vre", "Li&#232;ge", "&#254;ing&#230; &#339;uvre",
              "Ard&#232;che", "Fran\xE7ois", "&#321;ucja"})
            EXPECT_TRUE(Holds(all, text));
        for (const char* bytes : {"Penthi\xE8vre", "Li\xE8ge", "\xFEing",
                                  "Ard\xE8"
                                  "che",
                                  "\xC5lesund"})
            EXPECT_TRUE(Holds(all, bytes, false));
        // Pages in code page 1252 keep the file's bytes.
        EXPECT_TRUE(Holds(english.All(), "Penthi\xE8vre"));
        EXPECT_TRUE(Holds(english.All(), "&#232;", false));
    }
}

}  // namespace
}  // namespace lg
