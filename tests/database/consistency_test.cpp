#include "database/consistency.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <set>

#include "database/gedcom_reader.h"
#include "support/test_support.h"
#include "text/language.h"

namespace lg {
namespace {

constexpr char kHint[] =
    "*** Maybe your gedcom contains inconsistent data. Click View Chart to inspect a detailed "
    "error report. (You can subsequently print it via right mouse button.)";
constexpr char kDubious[] = "\r\nDubious data on your gedcom file --------------------";

// The GEDCOM lines of records, each record's lines written with "|" between them.
std::vector<std::string> Lines(const std::vector<std::string>& records) {
    std::vector<std::string> lines;
    for (std::string_view record : records) {
        for (std::size_t end; (end = record.find('|')) != std::string_view::npos;
             record.remove_prefix(end + 1))
            lines.emplace_back(record.substr(0, end));
        lines.emplace_back(record);
    }
    return lines;
}

// A database read from GEDCOM records, checked into a temporary directory.
class Checks : public ::testing::Test {
  protected:
    void Load(const std::vector<std::string>& records) {
        ASSERT_TRUE(ReadGedcom(dir.Write("t.ged", test::Gedcom(Lines(records))), db, reporter));
        host.messages.clear();
        host.statuses.clear();
        host.sectionsBegun = host.sectionsEnded = 0;
    }
    bool Check(const std::vector<std::string>& records, int level = 2,
               const Tlanguage* language = nullptr, bool hidden = false) {
        Load(records);
        return CheckLoaded(level, language, hidden);
    }
    bool CheckLoaded(int level = 2, const Tlanguage* language = nullptr, bool hidden = false) {
        CheckOptions options;
        options.report = {dir.Path(), "t.ged", level, &clock};
        options.skipDateChecks = hidden;
        return CheckGedcom(db, language, reporter, options) == CheckOutcome::Clean;
    }
    std::string Report() const { return test::ReadFile(dir.Path() / "GedcomErrors.htm"); }
    // Each text occurs this often in the report.
    void ExpectInReport(std::initializer_list<std::string> texts, int times = 1) const {
        const std::string text = Report();
        for (const std::string& needle : texts) {
            int n = 0;
            for (auto at = text.find(needle); at != std::string::npos;
                 at = text.find(needle, at + 1))
                ++n;
            EXPECT_EQ(n, times) << needle;
        }
    }
    // The summary lines the checks added after the first line, without the final hint.
    void ExpectSummary(std::initializer_list<std::string> lines) const {
        std::vector<std::string> said = host.messages;
        if (!said.empty() && said.back() == kHint) said.pop_back();
        std::vector<std::string> expected = {kDubious};
        expected.insert(expected.end(), lines);
        EXPECT_EQ(said, expected);
    }
    Tindividual& Person(std::string_view id) { return *db.persons.Find(id); }
    Tfamily& Family(std::string_view id) { return *db.families.Find(id); }

    test::TempDir dir;
    test::FakeHost host;
    Reporter reporter{host};
    test::FixedClock clock{std::chrono::system_clock::from_time_t(1700000000)};
    Database db;
};

TEST_F(Checks, CleanFileLeavesOldReportAndMessagesAlone) {
    dir.Write("GedcomErrors.htm", "old report");
    EXPECT_TRUE(
        Check({"0 @I1@ INDI|1 SEX M|1 FAMS @F1@", "0 @I2@ INDI|1 SEX F|1 FAMS @F1@",
               "0 @I3@ INDI|1 FAMC @F1@", "0 @F1@ FAM|1 HUSB @I1@|1 WIFE @I2@|1 CHIL @I3@"}));
    EXPECT_TRUE(host.messages.empty()) << host.AllMessages();
    EXPECT_EQ(Report(), "old report");
    EXPECT_EQ(Person("I3").father, &Person("I1"));
    EXPECT_EQ(Person("I3").mother, &Person("I2"));
    EXPECT_EQ(host.sectionsBegun, 1);
    EXPECT_EQ(host.sectionsEnded, 1);
    EXPECT_TRUE(host.statuses.front().text.starts_with("Verifying gedcom consistency"));
    EXPECT_EQ(host.statuses.front().colour, StatusColour::Error);
    EXPECT_TRUE(host.statuses.back().text.starts_with("Ready to calculate"));
}

TEST_F(Checks, UnmatchedFamcIsDroppedReportedAndNoLongerGivesParents) {
    reporter.SetRunState(kRunNormal);
    EXPECT_FALSE(Check(
        {"0 @I1@ INDI|1 FAMC @F1@", "0 @I2@ INDI|1 SEX M|1 FAMS @F1@", "0 @F1@ FAM|1 HUSB @I2@"}));
    EXPECT_TRUE(Person("I1").famcList.empty());
    EXPECT_EQ(Person("I1").father, nullptr);  // set from F1 by the reader, gone with the link
    ExpectSummary({"---- Incorrect FAMC links  (1x)"});
    EXPECT_EQ(host.messages.back(), kHint);
    EXPECT_EQ(reporter.RunState(), kRunNormal);
    ExpectInReport(
        {"FAMC link in INDI record is not matched with a corresponding CHIL link",
         "Details of the FAMC reference:<table",
         "<font color=maroon>Lignorama will disregard the FAMC link.</font><br><br>\r\n"});
    // A run state set during the checks (e.g. an interruption) is kept.
    Load({"0 @I1@ INDI|1 FAMC @F1@"});
    reporter.SetRunState(kRunError);
    EXPECT_FALSE(CheckLoaded());
    EXPECT_EQ(reporter.RunState(), kRunError);
}

TEST_F(Checks, MissingFamilyEntryAndLineEnds) {
    EXPECT_FALSE(Check({"0 @I1@ INDI|1 FAMC @F9@"}, 1));
    const std::string report = Report();
    const std::string rest = report.substr(report.find("\r\n") + 2);  // after the header line
    EXPECT_TRUE(
        rest.starts_with("<b>FAMC link in INDI record does not exist. (The person seems "
                         "to be child of a non-existing family.)</b><table border=0 "
                         "cellpadding=0>"))
        << rest;
    EXPECT_NE(rest.find("<tr><td>FAMC</td><td>F9</td></tr>"), std::string::npos);
    EXPECT_TRUE(rest.ends_with("\r\n\r\n"));  // the section's empty line
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'),
              std::count(report.begin(), report.end(), '\r'));
    EXPECT_NE(report.find("<td>Gedcom : </td><td><font color=maroon><b>t.ged</b></font>"),
              std::string::npos);
}

TEST_F(Checks, EachDirectionOfEveryLinkIsReportedOnce) {
    // I1 claims F2, which does not list him; F1 lists I1, who does not claim it.
    // I4 claims F9 that does not exist, F5 that does not list him and F4 twice.
    // F6 and F7 name partners who do not claim them or do not exist.
    EXPECT_FALSE(
        Check({"0 @I1@ INDI|1 FAMC @F2@", "0 @F1@ FAM|1 CHIL @I1@", "0 @F2@ FAM",
               "0 @F3@ FAM|1 CHIL @I9@",
               "0 @I4@ INDI|1 SEX M|1 FAMS @F9@|1 FAMS @F4@|1 FAMS @F5@|1 FAMS @F4@",
               "0 @F4@ FAM|1 HUSB @I4@", "0 @F5@ FAM", "0 @I5@ INDI|1 SEX M", "0 @I6@ INDI|1 SEX F",
               "0 @I7@ INDI|1 FAMC @F6@", "0 @F6@ FAM|1 HUSB @I5@|1 WIFE @I8@|1 CHIL @I7@",
               "0 @F7@ FAM|1 WIFE @I6@|1 HUSB @I9@"}));
    EXPECT_TRUE(Person("I1").famcList.empty());
    EXPECT_TRUE(Family("F1").children.empty());
    EXPECT_TRUE(Family("F3").children.empty());
    ASSERT_EQ(Person("I4").famsList.size(), 1u);
    EXPECT_EQ(Person("I4").famsList[0].familyID, "F4");
    EXPECT_EQ(Family("F6").husband, nullptr);
    for (const char* id : {"F6", "F7"})
        EXPECT_TRUE(Family(id).husbandID.empty() && Family(id).wifeID.empty()) << id;
    EXPECT_EQ(Person("I7").father, nullptr);
    ExpectSummary({"---- Incorrect FAMC links  (1x)", "---- Incorrect FAMS links  (3x)",
                   "---- Incorrect CHIL links  (2x)", "---- Incorrect HUSB/WIFE links  (4x)"});
    ExpectInReport({"CHIL link in FAM record is not matched", "Details of the CHIL link:<table",
                    "CHIL link in FAM record does not exist.",
                    "FAMS link in INDI record does not exist.",
                    "FAMS link in INDI record is not matched",
                    "<b>INDI record links to FAMS twice.", "HUSB link in FAM record is not matched",
                    "Details of the HUSB link:", "HUSB link in FAM record does not exist.",
                    "WIFE link in FAM record is not matched",
                    "Details of the WIFE link:", "WIFE link in FAM record does not exist."});
    ExpectInReport(
        {"Lignorama will disregard the CHIL link.", "Lignorama will disregard the HUSB link."}, 2);
    ExpectInReport({"Lignorama will disregard the FAMS link."}, 3);
}

TEST_F(Checks, IdenticalFamiliesOnlyAtLevelTwo) {
    std::vector<std::string> couple = {"0 @I1@ INDI|1 SEX M|1 FAMS @F1@|1 FAMS @F2@",
                                       "0 @I2@ INDI|1 SEX F|1 FAMS @F1@|1 FAMS @F2@",
                                       "0 @F1@ FAM|1 HUSB @I1@|1 WIFE @I2@|1 MARR|2 DATE 1900",
                                       "0 @F2@ FAM|1 HUSB @I1@|1 WIFE @I2@"};
    EXPECT_TRUE(Check(couple, 1));
    EXPECT_FALSE(Check(couple, 2));
    ExpectSummary({"---- Incorrect FAMS links  (2x)"});
    ExpectInReport({"<b>Two FAM records appear to be identical."}, 2);
    EXPECT_EQ(Person("I1").famsList.size(), 2u);  // nothing removed
    couple.back() += "|1 MARR|2 DATE 1910";       // both weddings dated: told apart
    EXPECT_TRUE(Check(couple, 2));
}

TEST_F(Checks, SexOfPersonsAndPartners) {
    EXPECT_TRUE(Check({"0 @I1@ INDI|1 SEX U"}));  // improper sex matters in a family only
    EXPECT_FALSE(Check({"0 @I1@ INDI|1 SEX U|1 FAMS @F1@", "0 @I2@ INDI|1 FAMS @F1@",
                        "0 @F1@ FAM|1 HUSB @I1@|1 WIFE @I2@"}));
    ExpectSummary({"---- Persons with improper sex  (2x)"});
    // From the last person to the first, under one heading.
    ExpectInReport({"<b>Person (not a stillborn) has incorrect sex.</b><br>\r\n(I2) ",
                    "has incorrect sex.", "(I1) "});
    // A partner of the other sex is only reported.
    EXPECT_FALSE(Check({"0 @I1@ INDI|1 SEX F|1 FAMS @F1@", "0 @I2@ INDI|1 SEX M|1 FAMS @F1@",
                        "0 @F1@ FAM|1 HUSB @I1@|1 WIFE @I2@"}));
    ExpectSummary({"---- Partner has wrong sex  (2x)"});
    ExpectInReport({"<b>HUSB has wrong sex</b><table", "<b>WIFE has wrong sex</b><table"});
    ExpectInReport({"</table><font color=maroon></font><br><br>\r\n"}, 2);
    EXPECT_EQ(Family("F1").husband, &Person("I1"));
}

TEST_F(Checks, ALinkOneCheckDropsIsMissedByTheNext) {
    // Both families are F1, so I2's FAMS reaches the first, which is not
    // his: once that link is dropped, the second F1 names a husband who no
    // longer claims it.
    EXPECT_FALSE(Check({"0 @I1@ INDI|1 SEX M|1 FAMS @F1@", "0 @I2@ INDI|1 SEX M|1 FAMS @F1@",
                        "0 @I3@ INDI|1 FAMC @F1@", "0 @F1@ FAM|1 HUSB @I1@|1 CHIL @I3@",
                        "0 @F1@ FAM|1 HUSB @I2@"}));
    EXPECT_TRUE(Person("I2").famsList.empty());
    EXPECT_EQ(db.families[1].husband, nullptr);
    EXPECT_EQ(Person("I3").father, &Person("I1"));
    ExpectSummary({"---- Records with the same ID  (1x)", "---- Incorrect FAMS links  (1x)",
                   "---- Incorrect HUSB/WIFE links  (1x)"});
    ExpectInReport(
        {"FAMS link in INDI record is not matched", "HUSB link in FAM record is not matched"});
}

TEST_F(Checks, ABigFileIsCheckedInBothHalvesInOrder) {
    // Enough persons for the work to be shared between two threads, a child
    // and a father per family; the findings sit at both ends and on either
    // side of the middle, where the work is split.
    constexpr int kFamilies = 10002;
    const std::set<int> broken = {0, kFamilies / 2 - 1, kFamilies / 2, kFamilies - 1};
    std::vector<std::string> records;
    for (int i = 0; i < kFamilies; ++i) {
        char n[8];
        std::snprintf(n, sizeof n, "%05d", i);
        const std::string family =
            "0 @I#a@ INDI|1 FAMC @F#@|1 BIRT|0 @I#b@ INDI|1 SEX M|1 FAMS @F#@|0 @F#@ FAM|1 HUSB "
            "@I#b@" +
            std::string(broken.count(i) ? "" : "|1 CHIL @I#a@");
        records.emplace_back();
        for (char c : family) records.back() += c == '#' ? n : std::string(1, c);
    }
    EXPECT_FALSE(Check(records));
    ExpectSummary({"---- Incorrect FAMC links  (4x)"});
    const std::string text = Report();
    std::size_t at = 0;
    for (const char* id : {"I00000a", "I05000a", "I05001a", "I10001a"}) {
        at = text.find(std::string("<td>") + id + "</td>", at);
        ASSERT_NE(at, std::string::npos) << id;
    }
    for (int i : {0, 1, kFamilies / 2 - 1, kFamilies / 2, kFamilies - 2, kFamilies - 1}) {
        const Tindividual& child = db.persons[2 * static_cast<std::size_t>(i)];
        EXPECT_EQ(child.father, broken.count(i) ? nullptr : &db.persons[2 * i + 1]) << i;
        EXPECT_EQ(child.birth, nullptr) << i;  // empty: deleted by the checks
    }
}

// F1 (married 1900) and F2 (married as given) both list I1 as a child; I2 is the husband of both.
std::vector<std::string> TwoBirthFamilies(const std::string& f2Marriage) {
    return {"0 @I1@ INDI|1 FAMC @F1@|1 FAMC @F2@", "0 @I2@ INDI|1 SEX M|1 FAMS @F1@|1 FAMS @F2@",
            "0 @I3@ INDI|1 SEX F|1 FAMS @F2@",
            "0 @F1@ FAM|1 HUSB @I2@|1 MARR|2 DATE 1900|1 CHIL @I1@",
            "0 @F2@ FAM|1 HUSB @I2@|1 WIFE @I3@|1 CHIL @I1@" +
                (f2Marriage.empty() ? "" : "|1 MARR|2 DATE " + f2Marriage)};
}

TEST_F(Checks, BirthFamilyIsChosenAndTheOthersBecomeAdoptions) {
    // The earlier marriage wins, the first family on a tie or without a date.
    for (auto [f2Marriage, front] :
         {std::pair{"1890", "F2"}, {"1900", "F2"}, {"1901", "F1"}, {"", "F2"}}) {
        SCOPED_TRACE(f2Marriage);
        EXPECT_FALSE(Check(TwoBirthFamilies(f2Marriage)));
        const auto& links = Person("I1").famcList;
        ASSERT_EQ(links.size(), 2u);
        EXPECT_EQ(links[0].familyID, front);
        EXPECT_EQ(TagText(links[0].pedigree), "BIRT");
        EXPECT_EQ(TagText(links[1].pedigree), "LEGI");  // same husband: a recognition
        EXPECT_EQ(Person("I1").father, &Person("I2"));
        EXPECT_EQ(Person("I1").mother, Family(front).wife);
        ExpectSummary({"---- More than one birth family  (1x)"});
        ExpectInReport(
            {"<b>A person seems to be child (through birth) in more than one family. "
             "Most likely an adoption is not presented correctly.</b>",
             "<font color=maroon>Lignorama will keep BIRT in " + std::string(front) +
                 " and change the others to ADOP</font>"});
        ExpectInReport({"Details of the FAMC reference:<br><table"}, 2);
    }
}

TEST_F(Checks, OtherFamiliesOfAChild) {
    // A birth family of someone else becomes an adoption.
    EXPECT_FALSE(Check({"0 @I1@ INDI|1 FAMC @F1@|1 FAMC @F2@", "0 @I2@ INDI|1 SEX M|1 FAMS @F1@",
                        "0 @I3@ INDI|1 SEX M|1 FAMS @F2@", "0 @F1@ FAM|1 HUSB @I2@|1 CHIL @I1@",
                        "0 @F2@ FAM|1 HUSB @I3@|1 CHIL @I1@"}));
    EXPECT_EQ(TagText(Person("I1").famcList[1].pedigree), "ADOP");
    // Already an adoption, or a foster family: nothing to report. Other
    // relations (the last, foster) give way to the birth family, on both sides.
    for (const char* relation : {"adopted", "foster"})
        EXPECT_TRUE(Check({"0 @I1@ INDI|1 FAMC @F1@|1 FAMC @F2@|2 PEDI " + std::string(relation),
                           "0 @F1@ FAM|1 CHIL @I1@", "0 @F2@ FAM|1 CHIL @I1@"}))
            << relation;
    ASSERT_EQ(Person("I1").famcList.size(), 1u);
    EXPECT_EQ(Person("I1").famcList[0].familyID, "F1");
    EXPECT_TRUE(Family("F2").children.empty());
    EXPECT_EQ(Family("F1").children.size(), 1u);
}

TEST_F(Checks, SameFamilyTwiceIsOneEntryAndOneLink) {
    // The reader folds a repeated first link into one; other repeats stay.
    Load(TwoBirthFamilies("1950"));
    Person("I1").famcList.push_back(Person("I1").famcList.front());
    EXPECT_FALSE(CheckLoaded());
    const auto& links = Person("I1").famcList;
    ASSERT_EQ(links.size(), 2u);
    EXPECT_EQ(links[0].familyID, "F1");
    EXPECT_EQ(links[1].familyID, "F2");
    EXPECT_EQ(TagText(links[1].pedigree), "LEGI");
    ExpectSummary({"---- More than one birth family  (1x)"});
    ExpectInReport({"<b>A person is linked to the same family twice.</b>",
                    "Lignorama will keep BIRT in F1 and change the others to ADOP"});
    ExpectInReport({"seems to be child (through birth)"}, 0);

    Load({"0 @I1@ INDI|1 FAMC @F1@", "0 @F1@ FAM|1 CHIL @I1@|1 CHIL @I1@"});
    Person("I1").famcList.push_back(Person("I1").famcList.front());
    EXPECT_FALSE(CheckLoaded());
    EXPECT_EQ(Person("I1").famcList.size(), 1u);
    EXPECT_EQ(Family("F1").children.size(), 1u);
}

TEST_F(Checks, EmptyEventsAreDeletedAndYearsComputed) {
    EXPECT_TRUE(
        Check({"0 @I1@ INDI|1 BIRT|2 DATE 3 MAR 1850|1 CHR|1 DEAT Y|1 BURI|2 PLAC Leiden"}));
    const Tindividual& p = Person("I1");
    EXPECT_NE(p.birth, nullptr);
    EXPECT_EQ(p.christening, nullptr);
    EXPECT_NE(p.death, nullptr);  // asserted: known to have died
    EXPECT_NE(p.burial, nullptr);
    EXPECT_EQ(p.birthYear, 1850);
    EXPECT_EQ(p.deathYear, 0);
}

TEST_F(Checks, LevelZeroChecksLinksButNoDates) {
    auto language = CreateLanguage("english", reporter);
    ASSERT_NE(language, nullptr);
    const std::string deadBeforeBorn = "0 @I1@ INDI|1 BIRT|2 DATE 1900|1 DEAT|2 DATE 1800";
    EXPECT_TRUE(Check({deadBeforeBorn}, 0, language.get()));
    EXPECT_TRUE(Check({deadBeforeBorn}, 2, language.get(), /*hidden=*/true));
    EXPECT_FALSE(Check({deadBeforeBorn}, 2, language.get()));
    ExpectSummary({"---- Dubious or inconsistent dates  (1x)"});
    EXPECT_FALSE(Check({deadBeforeBorn, "1 FAMC @F1@"}, 0, language.get()));
    ExpectSummary({"---- Incorrect FAMC links  (1x)"});
    ExpectInReport({"Link consistency only (V4.1.3b)"});
}

// The report is a by-product of a load: when it cannot be written, a
// warning says why, the old file stays and the repaired database is there
// all the same.
TEST_F(Checks, AReportThatCannotBeWrittenIsAWarning) {
    const auto notWritten = [&](const std::filesystem::path& folder, const std::string& warning) {
        Load({"0 @I1@ INDI|1 FAMC @F1@"});
        const int errors = reporter.ErrorCount();  // the hint of a written report is one
        EXPECT_EQ(CheckGedcom(db, nullptr, reporter, {{folder, "t.ged", 2, &clock}}),
                  CheckOutcome::ReportNotWritten);
        EXPECT_EQ(host.sectionsEnded, host.sectionsBegun);
        EXPECT_EQ(reporter.ErrorCount(), errors);
        ASSERT_FALSE(host.messages.empty());
        EXPECT_EQ(host.messages.back(), warning);
        EXPECT_TRUE(Person("I1").famcList.empty());
    };
    const auto unwritten = [](const std::filesystem::path& file, std::string_view why) {
        return "The error report \"" + file.string() +
               "\" could not be written: " + std::string(why);
    };
    notWritten(dir.Path() / "missing", unwritten(dir.Path() / "missing" / "GedcomErrors.htm",
                                                 "the folder does not exist."));

    ASSERT_FALSE(Check({"0 @I1@ INDI|1 FAMC @F1@"}));
    const std::string good = Report();
    {
        test::WritesFailAfter full(200, ENOSPC);
        notWritten(dir.Path(), unwritten(dir.Path() / "GedcomErrors.htm", "the disk is full."));
    }
    EXPECT_EQ(Report(), good);
    dir.Write("GedcomErrors.htm", "<html><body>My own notes</body></html>");
    notWritten(dir.Path(),
               "The file GedcomErrors.htm already exists and it was not generated by this program. "
               "In order not to overwrite your work, the error report was not produced.");
    EXPECT_EQ(Report(), "<html><body>My own notes</body></html>");
}

TEST_F(Checks, SharedIdsAreListedWithTheirLines) {
    EXPECT_FALSE(Check({"0 @I1@ INDI|1 NAME Anna /Berg/", "0 @I1@ INDI|1 NAME Eva /Berg/",
                        "0 @F1@ FAM", "0 @F1@ FAM"},
                       0));
    ExpectSummary({"---- Records with the same ID  (2x)"});
    const std::string text = Report();
    const std::size_t anna = text.find("line 3<table");
    const std::size_t eva = text.find("line 5<table");
    ASSERT_NE(anna, std::string::npos) << text;
    ASSERT_NE(eva, std::string::npos) << text;
    EXPECT_LT(text.find("Anna", anna), eva);
    EXPECT_NE(text.find("Lignorama will link to the first of them, at line 3."), std::string::npos);
    EXPECT_NE(text.find("Lignorama will link to the first of them, at line 7."), std::string::npos);
}

}  // namespace
}  // namespace lg
