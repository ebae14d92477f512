#include "app/run_pipeline.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/parameter_file.h"
#include "support/test_support.h"

namespace lg {
namespace {

// A GEDCOM with three persons and a parameter file beside it.
struct Fixture {
    Fixture() {
        gedcom = dir.Write("fam.ged", test::Gedcom({"0 @I1@ INDI", "1 NAME Jan /Berg/",
                                                    "0 @I2@ INDI", "0 @I3@ INDI"}));
    }
    std::filesystem::path Params(const std::string& lines) const {
        return dir.Write("p.txt", "/Input\r\n" + lines);
    }
    test::TempDir dir;
    std::filesystem::path gedcom;
    test::FakeHost host;
    Session session{host};
};

TEST(RunPipeline, FileTypeComesFromTheFirstLine) {
    Fixture f;
    auto& [dir, gedcom, host, session] = f;
    Reporter reporter(host);
    const std::pair<std::string_view, FileType> cases[] = {
        {"0 HEAD\n1 CHAR ANSI\n", FileType::Gedcom},
        {"\xEF\xBB\xBF"
         "0 HEAD\n",
         FileType::Gedcom},
        {{"\xFF\xFE"
          "0\0 \0H\0E\0A\0D\0",
          14},
         FileType::Gedcom},  // UTF-16
        {"x PLANTS y\n", FileType::Plants},
        {"HUMANS", FileType::Humans},
        {"0 head\n", FileType::Unknown},  // case-sensitive
        {"\n0 HEAD\n", FileType::Unknown},
    };
    for (const auto& [bytes, type] : cases) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(DetectFileType(dir.Write("f", bytes), reporter), type);
    }
    EXPECT_EQ(reporter.ErrorCount(), 0);
    EXPECT_EQ(DetectFileType(dir.Write("empty", ""), reporter), FileType::Unknown);
    EXPECT_EQ(host.messages.back(), "*** File \"empty\" is empty.");
    EXPECT_EQ(DetectFileType(dir.Path() / "absent", reporter), FileType::Unknown);
    EXPECT_EQ(host.messages.back(), "*** Can not open the file \"absent\"");

    // A folder is neither empty nor of an unclear type.
    std::filesystem::create_directory(dir.Path() / "sub.ged");
    EXPECT_EQ(DetectFileType(dir.Path() / "sub.ged", reporter), FileType::Unknown);
    EXPECT_EQ(host.messages.back(), "*** File \"sub.ged\" is a folder, not a GEDCOM file.");
    host.messages.clear();
    EXPECT_FALSE(LoadGedcom(session, dir.Path() / "sub.ged"));
    EXPECT_EQ(host.messages,
              std::vector<std::string>{"*** File \"sub.ged\" is a folder, not a GEDCOM file."});
    EXPECT_FALSE(session.goEnabled);
}

TEST(RunPipeline, LoadGedcomResetsTheRunAndSetsTheWorkingDirectory) {
    Fixture f;
    auto& [dir, gedcom, host, session] = f;
    session.runCount = 3;
    session.GetReporter().AddMessage("old", true);
    session.settings.current.namecodes = {"I2/0"};
    session.settings.current.highlights = {"I1"};
    auto file = dir.Write("a.ged", test::Gedcom({"0 @I1@ INDI", "1 NAME A /B/", "0 @I2@ INDI"}));
    EXPECT_TRUE(LoadGedcom(session, file));
    EXPECT_EQ(session.settings.options.gedcom, "a.ged");
    EXPECT_TRUE(session.Db().persons[0].highlighted);
    EXPECT_EQ(session.Db().persons[1].nameCode, '0');
    EXPECT_EQ(host.messages.front(), "Data file format: GEDCOM");  // the list was cleared
    EXPECT_EQ(session.runCount, 0);
    EXPECT_EQ(session.GetReporter().RunState(), kRunNormal);
    EXPECT_EQ(session.workingDirectory, dir.Path());
    EXPECT_EQ(session.settings.options.filetype, FileType::Gedcom);
    EXPECT_TRUE(session.goEnabled);
    EXPECT_EQ(session.Db().persons.Count(), 2u);

    // A parameter file in use keeps the output where it is.
    session.parameterFile = "/elsewhere/params.txt";
    session.workingDirectory = "/elsewhere";
    EXPECT_TRUE(LoadGedcom(session, file));
    EXPECT_EQ(session.workingDirectory, "/elsewhere");

    // Not a GEDCOM: nothing is read and Make Chart stays off.
    EXPECT_FALSE(LoadGedcom(session, dir.Write("b.ged", "PLANTS\n")));
    EXPECT_EQ(host.messages, std::vector<std::string>{"*** Type of file is not clear."});
    EXPECT_FALSE(session.goEnabled);
    EXPECT_EQ(session.settings.options.filetype, FileType::Plants);
}

TEST(RunPipeline, LoadParameterFileLoadsTheGedcomBesideIt) {
    Fixture f;
    Settings& settings = f.session.settings;
    // Lists from before the load go; other settings stay unless the file sets them.
    settings.Record(ChartType::Pedigree).probands = {"I9"};
    settings.Record(ChartType::Genealogy).highlights = {"I9"};
    settings.Record(ChartType::Genealogy).boxwidth = 77;
    settings.options.gedcom = "other.ged";
    settings.changed = true;
    f.session.runCount = 4;
    auto params = f.Params(
        ";Gedcom = fam.ged\r\n;Language = english\r\n;ChartType = genealogy\r\n"
        ";Settings = Genealogy *** #I2\r\n;NameCodes = I1/3#I3/0#\r\n;Highlights = I2#\r\n");
    // The GEDCOM is found beside the parameter file, wherever the program runs.
    ASSERT_NE(std::filesystem::current_path(), f.dir.Path());

    EXPECT_TRUE(LoadParameterFile(f.session, params)) << f.host.AllMessages();
    EXPECT_EQ(f.session.Db().persons.Count(), 3u);
    EXPECT_EQ(f.session.workingDirectory, f.dir.Path());
    EXPECT_EQ(f.session.parameterFile, params);
    EXPECT_EQ(f.session.gedcomFile, f.gedcom);
    EXPECT_EQ(settings.options.gedcom, "fam.ged");
    ASSERT_NE(f.session.language, nullptr);
    EXPECT_EQ(f.session.language->Name(), "english");
    EXPECT_EQ(settings.options.charttype, ChartType::Genealogy);
    EXPECT_EQ(settings.current, settings.Record(ChartType::Genealogy));
    EXPECT_EQ(settings.current.probands, std::vector<std::string>{"I2"});
    EXPECT_EQ(settings.current.boxwidth, 77);
    EXPECT_EQ(settings.current.highlights, SortedStrings{"I2"});
    EXPECT_TRUE(settings.Record(ChartType::Pedigree).probands.empty());
    const TindividualList& persons = f.session.Db().persons;
    EXPECT_EQ(std::string({persons[0].nameCode, persons[1].nameCode, persons[2].nameCode}),
              std::string("3\0000", 3));
    EXPECT_TRUE(persons[1].highlighted);
    EXPECT_FALSE(persons[0].highlighted);
    EXPECT_FALSE(settings.changed);
    EXPECT_EQ(f.session.runCount, 0);
    EXPECT_TRUE(f.session.goEnabled);
}

TEST(RunPipeline, LoadParameterFileReportsWhatIsWrong) {
    struct Case {
        std::string lines;
        std::size_t persons;
        std::vector<std::string> lastMessages;  // "%dir" stands for the directory
    };
    const Case cases[] = {
        // Reported after the GEDCOM's own messages, which start a new list.
        {";Gedcom = fam.ged\n;Language = english\n;BoxWidth = wide\n",
         3,
         {"BoxWidth = wide is not a valid number.", "*** Input error on p.txt."}},
        {"I1 Jan Berg\n;Gedcom = fam.ged\n",
         0,
         {"*** Family data on source file. That is not allowed (as of V4.0)."}},
        {";Gedcom = fam.ged\n;Language = latin\n",
         3,
         {"*** Language = \"latin\" is not supported."}},
        {";Gedcom = gone.ged\n;Language = english\n",
         0,
         {"*** Gedcom file \"gone.ged\" does not exist in directory \"%dir\"."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        Fixture f;
        EXPECT_FALSE(LoadParameterFile(f.session, f.Params(c.lines)));
        EXPECT_EQ(f.session.Db().persons.Count(), c.persons);
        EXPECT_FALSE(f.session.goEnabled);
        EXPECT_EQ(f.session.GetReporter().RunState(), kRunError);
        const std::vector<std::string>& m = f.host.messages;
        if (c.persons > 0) {
            EXPECT_EQ(m.front(), "Data file format: GEDCOM");
        }
        ASSERT_GE(m.size(), c.lastMessages.size());
        for (std::size_t i = 0; i < c.lastMessages.size(); ++i) {
            std::string expected = c.lastMessages[i];
            if (auto at = expected.find("%dir"); at != std::string::npos)
                expected.replace(at, 4, f.dir.Path().string());
            EXPECT_EQ(m[m.size() - c.lastMessages.size() + i], expected);
        }
    }

    Fixture f;
    EXPECT_FALSE(LoadParameterFile(f.session, f.dir.Path() / "absent.txt"));
    EXPECT_EQ(f.host.messages, std::vector<std::string>{"*** Input error on absent.txt."});
    EXPECT_EQ(f.session.workingDirectory, f.dir.Path());
}

TEST(RunPipeline, SavedParametersLoadBackAndNameTheGedcomRelativeToThem) {
    Fixture f;
    Settings& settings = f.session.settings;
    ASSERT_TRUE(LoadGedcom(f.session, f.gedcom));
    SelectChartType(settings, ChartType::Offspring, f.session.Db().persons);
    settings.current.boxwidth = 88;
    settings.current.probands = {"I3"};
    SetNameCode(settings.current.namecodes, "I1", '4');
    settings.Record(ChartType::Kinship).modified = true;
    f.dir.Write("GedcomErrors.txt", "left over");

    // Saved beside the GEDCOM: its name alone.
    auto beside = f.dir.Path() / "saved.txt";
    ASSERT_TRUE(WriteParameterFile(f.session, beside));
    EXPECT_FALSE(std::filesystem::exists(f.dir.Path() / "GedcomErrors.txt"));
    EXPECT_FALSE(settings.Record(ChartType::Kinship).modified);
    EXPECT_FALSE(settings.changed);
    EXPECT_EQ(f.session.parameterFile, beside);
    Settings saved = settings;

    // Saved elsewhere: its full path, and the output goes there.
    std::filesystem::create_directory(f.dir.Path() / "out");
    auto elsewhere = f.dir.Path() / "out" / "saved.txt";
    ASSERT_TRUE(WriteParameterFile(f.session, elsewhere));
    EXPECT_EQ(f.session.workingDirectory, f.dir.Path() / "out");
    EXPECT_EQ(settings.options.gedcom, std::filesystem::weakly_canonical(f.gedcom).string());

    for (const auto& file : {beside, elsewhere}) {
        SCOPED_TRACE(file.string());
        test::FakeHost host;
        Session again(host);
        EXPECT_TRUE(LoadParameterFile(again, file)) << host.AllMessages();
        EXPECT_EQ(again.Db().persons.Count(), 3u);
        EXPECT_EQ(again.Db().persons[0].nameCode, '4');
        EXPECT_EQ(again.settings.current, saved.Record(ChartType::Offspring));
        for (int i = 0; i < kSavedChartTypeCount; ++i)
            EXPECT_EQ(again.settings.records[i], saved.records[i]) << i;
    }

    // A file that can't be written is reported and changes nothing.
    settings.changed = true;
    EXPECT_FALSE(WriteParameterFile(f.session, f.dir.Path() / "no" / "such" / "dir.txt"));
    EXPECT_EQ(f.host.messages.back(),
              "*** Can not open the file \"dir.txt\": the folder does not exist");
    EXPECT_TRUE(settings.changed);
    EXPECT_EQ(f.session.parameterFile, elsewhere);
}

TEST(RunPipeline, LoadWithFindingsTurnsViewChartToTheReport) {
    Fixture f;
    auto& [dir, gedcom, host, session] = f;
    auto file = dir.Write("a.ged", test::Gedcom({"0 @I1@ INDI", "1 FAMC @F1@"}));
    // A report that cannot be written where it is asked for is a warning:
    // the load goes on, and there is no report to view.
    session.reportDirectory = dir.Path() / "out";
    EXPECT_TRUE(LoadGedcom(session, file));
    EXPECT_EQ(host.messages.back(), "The error report \"" +
                                        (dir.Path() / "out" / "GedcomErrors.htm").string() +
                                        "\" could not be written: the folder does not exist.");
    EXPECT_TRUE(session.goEnabled);
    EXPECT_TRUE(session.reportNotWritten);
    EXPECT_EQ(session.viewAction, ViewAction::InspectCharts);
    std::filesystem::create_directory(dir.Path() / "out");
    EXPECT_TRUE(LoadGedcom(session, file));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "out" / "GedcomErrors.htm"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "GedcomErrors.htm"));

    // Without a report folder it goes beside the GEDCOM.
    session.reportDirectory.clear();
    EXPECT_TRUE(LoadGedcom(session, file));  // findings are not load errors
    EXPECT_EQ(session.viewAction, ViewAction::ShowErrorReport);
    EXPECT_FALSE(session.reportNotWritten);
    EXPECT_TRUE(session.viewEnabled);
    EXPECT_TRUE(session.goEnabled);
    EXPECT_EQ(session.GetReporter().RunState(), kRunNormal);
    EXPECT_EQ(ErrorReportPath(session), dir.Path() / "GedcomErrors.htm");
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "GedcomErrors.htm"));
    EXPECT_TRUE(session.Db().persons[0].famcList.empty());
    EXPECT_EQ(host.messages.back().rfind("*** Maybe your gedcom contains inconsistent data.", 0),
              0u);

    // The next clean load resets the button and leaves the old report.
    auto clean = dir.Write("b.ged", test::Gedcom({"0 @I1@ INDI"}));
    EXPECT_TRUE(LoadGedcom(session, clean));
    EXPECT_EQ(session.viewAction, ViewAction::InspectCharts);
    EXPECT_FALSE(session.viewEnabled);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "GedcomErrors.htm"));
}

TEST(RunPipeline, LoadChecksAtTheLevelOfTheSettingAndSkipsDatesInBatchMode) {
    test::TempDir dir;
    auto file = dir.Write(
        "a.ged", test::Gedcom({"0 @I1@ INDI", "1 BIRT", "2 DATE 1900", "1 DEAT", "2 DATE 1800"}));
    struct Case {
        int level;
        bool autoRun;
        ViewAction view;
    };
    const Case cases[] = {
        {2, false, ViewAction::ShowErrorReport},
        {1, false, ViewAction::InspectCharts},  // plain dates: plausible below level 2
        {0, false, ViewAction::InspectCharts},
        {7, false, ViewAction::ShowErrorReport},  // taken as 2
        {2, true, ViewAction::InspectCharts},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.level);
        test::FakeHost host;
        Session session(host);
        session.settings.options.gedcomchecks = c.level;
        session.autoRun = c.autoRun;
        EXPECT_TRUE(LoadGedcom(session, file));
        EXPECT_EQ(session.viewAction, c.view) << host.AllMessages();
    }
}

}  // namespace
}  // namespace lg
