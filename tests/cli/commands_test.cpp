#include "cli/commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_support.h"

namespace lg::cli {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CommandLine, UsageAndExitStatuses) {
    EXPECT_EQ(Cli({}).status, kExitUsage);
    EXPECT_EQ(Cli({"frobnicate"}).status, kExitUsage);
    EXPECT_EQ(Cli({"load"}).status, kExitUsage);
    CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("persons FILE.ged"), std::string::npos);

    test::TempDir dir;
    CliRun missing = Cli({"load", (dir.Path() / "none.ged").string()});
    EXPECT_EQ(missing.status, kExitError);
    EXPECT_NE(missing.out.find("*** Gedcom file \"none.ged\" does not exist"), std::string::npos);
    CliRun notGedcom = Cli({"load", dir.Write("x.ged", "hello\n").string()});
    EXPECT_EQ(notGedcom.status, kExitError);
    EXPECT_EQ(notGedcom.out, "*** Type of file is not clear.\n");
}

TEST(CommandLine, PersonsListsIdentifiersAndNamesInUtf8) {
    test::TempDir dir;
    auto file = dir.Write(
        "p.ged", test::Gedcom({"0 @I2@ INDI",
                               "1 NAME Zo\xC3\xAB /van \xC5\x81\xC3\xB3"
                               "d\xC5\xBA/",
                               "1 BIRT", "2 DATE ABT 1901", "0 @I1@ INDI", "1 NAME Jan /Berg/"},
                              "UTF-8"));
    CliRun load = Cli({"load", file.string()});
    EXPECT_EQ(load.status, kExitOk);
    EXPECT_EQ(load.out,
              "Data file format: GEDCOM\nYour Gedcom file uses UTF-8 character coding.\n"
              "2 persons\n0 families\n");
    CliRun persons = Cli({"persons", file.string()});
    EXPECT_EQ(persons.status, kExitOk);
    EXPECT_EQ(persons.out,
              "I1\tBerg; Jan\n"
              "I2\t\xC5\x81\xC3\xB3"
              "d\xC5\xBA, van; Zo\xC3\xAB [1901]\n");
    EXPECT_NE(persons.err.find("2 persons"), std::string::npos);
}

// Runs the rest of a test in another current directory.
class CurrentDirectory {
  public:
    explicit CurrentDirectory(const std::filesystem::path& dir)
        : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~CurrentDirectory() { std::filesystem::current_path(saved_); }

  private:
    std::filesystem::path saved_;
};

TEST(CommandLine, ParamsWritesAFileThatRunLoads) {
    test::TempDir dir;
    auto gedcom = dir.Write("fam.ged", test::Gedcom({"0 @I1@ INDI", "1 NAME Jan /Berg/"}));

    // From elsewhere the GEDCOM is named by its full path.
    CliRun params = Cli({"params", gedcom.string()});
    EXPECT_EQ(params.status, kExitOk);
    EXPECT_EQ(params.err, "");
    std::string named =
        ";Gedcom             = " + std::filesystem::weakly_canonical(gedcom).string() + "\r\n";
    EXPECT_NE(params.out.find(named), std::string::npos) << params.out;
    CliRun run = Cli({"run", dir.Write("elsewhere.txt", params.out).string()});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out,
              "Data file format: GEDCOM\nYour Gedcom file uses ANSI character coding.\n"
              "1 persons\n0 families\n1 names in tree.\n"
              "Automatic selection of proband, based on tree depth.\n1 name boxes in chart.\n"
              "Pages written; open " +
                  (dir.Path() / "lg.htm").string() + "\n");

    // Beside it, by its name alone, so that the two can move together.
    {
        CurrentDirectory here(dir.Path());
        params = Cli({"params", "fam.ged"});
    }
    EXPECT_EQ(params.status, kExitOk);
    EXPECT_NE(params.out.find(";Gedcom             = fam.ged\r\n"), std::string::npos);
    std::filesystem::create_directory(dir.Path() / "moved");
    std::filesystem::rename(gedcom, dir.Path() / "moved" / "fam.ged");
    run = Cli({"run", dir.Write("moved/p.txt", params.out).string()});
    EXPECT_EQ(run.status, kExitOk) << run.out;

    CliRun missing = Cli({"params", (dir.Path() / "gone.ged").string()});
    EXPECT_EQ(missing.status, kExitError);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("*** Gedcom file \"gone.ged\" does not exist"), std::string::npos);
}

// The example parameter file was checked line by line by hand: factory
// values of every chart type, key layout, CR LF line ends.
TEST(CommandLine, ParamsGivesTheExampleParameterFile) {
    std::filesystem::path examples = std::filesystem::path(LG_SOURCE_DIR) / "examples";
    std::ifstream in(examples / "family.params.txt", std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    CliRun params;
    {
        CurrentDirectory here(examples);
        params = Cli({"params", "family.ged"});
    }
    EXPECT_EQ(params.status, kExitOk);
    EXPECT_EQ(params.out, expected.str());
}

TEST(CommandLine, RunFailsOnAnErrorLine) {
    test::TempDir dir;
    dir.Write("fam.ged", test::Gedcom({"0 @I1@ INDI"}));
    struct Case {
        const char* name;
        const char* text;
        const char* lastLine;
    };
    const Case cases[] = {
        {"absent.txt", nullptr, "*** Input error on absent.txt."},
        {"bad.txt", ";Gedcom = fam.ged\r\n;Fontsize = big\r\n", "*** Input error on bad.txt."},
        {"old.txt", "I1 Jan\r\n",
         "*** Family data on source file. That is not allowed (as of V4.0)."},
        {"lang.txt", ";Gedcom = fam.ged\r\n;Language = klingon\r\n",
         "*** Language = \"klingon\" is not supported."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto file = c.text ? dir.Write(c.name, c.text) : dir.Path() / c.name;
        CliRun run = Cli({"run", file.string()});
        EXPECT_EQ(run.status, kExitError);
        EXPECT_TRUE(run.out.ends_with(std::string(c.lastLine) + "\n")) << run.out;
    }
    EXPECT_EQ(Cli({"run"}).status, kExitUsage);
    EXPECT_NE(Cli({"help"}).out.find("params FILE.ged"), std::string::npos);
}

TEST(CommandLine, CheckWritesTheReportAndSaysWhetherThereWereFindings) {
    test::TempDir dir;
    auto clean = dir.Write("clean.ged", test::Gedcom({"0 @I1@ INDI"}));
    CliRun run = Cli({"check", clean.string()});
    EXPECT_EQ(run.status, kExitOk) << run.out;
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "GedcomErrors.htm"));

    auto bad = dir.Write(
        "bad.ged", test::Gedcom({"0 @I1@ INDI", "1 BIRT", "2 DATE 1900", "1 DEAT", "2 DATE 1800"}));
    run = Cli({"check", bad.string()});
    EXPECT_EQ(run.status, kExitFindings);
    std::string report = (dir.Path() / "GedcomErrors.htm").string();
    EXPECT_TRUE(run.out.ends_with(report + "\n")) << run.out;
    EXPECT_NE(run.out.find("---- Dubious or inconsistent dates  (1x)"), std::string::npos);
    EXPECT_NE(run.out.find("*** Maybe your gedcom contains inconsistent data."), std::string::npos);
    // Level 0 leaves the dates alone.
    EXPECT_EQ(Cli({"check", "--level", "0", bad.string()}).status, kExitOk);

    std::filesystem::create_directory(dir.Path() / "out");
    run = Cli({"check", bad.string(), "--out", (dir.Path() / "out").string(), "--level", "2"});
    EXPECT_EQ(run.status, kExitFindings);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "out" / "GedcomErrors.htm"));

    // Findings are not errors for the other commands.
    EXPECT_EQ(Cli({"load", bad.string()}).status, kExitOk);
}

TEST(CommandLine, CheckUsageAndErrors) {
    test::TempDir dir;
    auto file = dir.Write("a.ged", test::Gedcom({"0 @I1@ INDI"}));
    const std::vector<std::vector<std::string>> wrong = {
        {"check"},
        {"check", file.string(), "--level"},
        {"check", file.string(), "--level", "3"},
        {"check", file.string(), "--out"},
        {"check", file.string(), file.string()},
        {"check", "--verbose", file.string()},
    };
    for (const auto& args : wrong) EXPECT_EQ(Cli(args).status, kExitUsage);
    EXPECT_EQ(Cli({"check", (dir.Path() / "none.ged").string()}).status, kExitError);
    EXPECT_EQ(Cli({"check", dir.Write("x.ged", "hello\n").string()}).status, kExitError);
    EXPECT_NE(Cli({"help"}).out.find("check FILE.ged [--level 0|1|2] [--out DIR]"),
              std::string::npos);
}

}  // namespace
}  // namespace lg::cli
