#include "cli/commands.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <streambuf>

#include "cli/console_host.h"
#include "support/test_support.h"

namespace lg::cli {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the command line; its standard output goes to `into` when given.
CliRun Cli(const std::vector<std::string>& args, std::ostream* into = nullptr) {
    std::ostringstream out, err;
    int status = RunCommandLine(args, into ? *into : out, err);
    return {status, out.str(), err.str()};
}

// Whether the text holds the piece; the message shows the text either way.
::testing::AssertionResult Has(const std::string& text, const std::string& piece) {
    auto result = text.find(piece) != std::string::npos ? ::testing::AssertionSuccess()
                                                        : ::testing::AssertionFailure();
    return result << '"' << piece << "\" in:\n" << text;
}

// Output that takes `room` bytes and then fails, as a full disk does.
class FullDiskBuffer final : public std::streambuf {
  public:
    explicit FullDiskBuffer(std::size_t room) : room_(room) {}
    std::string written;

  protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        if (written.size() >= room_) return traits_type::eof();
        written += traits_type::to_char_type(c);
        return c;
    }

  private:
    std::size_t room_;
};

TEST(CommandLine, UsageAndExitStatuses) {
    EXPECT_EQ(Cli({}).status, kExitUsage);
    EXPECT_EQ(Cli({"frobnicate"}).status, kExitUsage);
    EXPECT_EQ(Cli({"load"}).status, kExitUsage);
    EXPECT_EQ(Cli({"run"}).status, kExitUsage);
    CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_EQ(Cli({"help"}).out, help.out);
    for (const char* synopsis :
         {"persons FILE.ged", "params FILE.ged", "check FILE.ged [--level 0|1|2] [--out DIR]"})
        EXPECT_TRUE(Has(help.out, synopsis));

    test::TempDir dir;
    CliRun missing = Cli({"load", (dir.Path() / "none.ged").string()});
    EXPECT_EQ(missing.status, kExitError);
    EXPECT_TRUE(Has(missing.out, "*** Gedcom file \"none.ged\" does not exist"));
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
    EXPECT_TRUE(Has(persons.err, "2 persons"));

    // A caller about to end the process takes the records over unfreed;
    // the output is the same.
    Leftovers leftovers;
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"persons", file.string()}, out, err, {}, nullptr, &leftovers),
              kExitOk);
    EXPECT_EQ(out.str(), persons.out);
    ASSERT_EQ(leftovers.databases.size(), 1u);
    EXPECT_EQ(leftovers.databases[0].persons.Count(), 2u);
    EXPECT_EQ(leftovers.databases[0].persons.Find("I1")->surname, "Berg");
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
    EXPECT_TRUE(Has(params.out, named));
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
    EXPECT_TRUE(Has(params.out, ";Gedcom             = fam.ged\r\n"));
    std::filesystem::create_directory(dir.Path() / "moved");
    std::filesystem::rename(gedcom, dir.Path() / "moved" / "fam.ged");
    run = Cli({"run", dir.Write("moved/p.txt", params.out).string()});
    EXPECT_EQ(run.status, kExitOk) << run.out;

    CliRun missing = Cli({"params", (dir.Path() / "gone.ged").string()});
    EXPECT_EQ(missing.status, kExitError);
    EXPECT_EQ(missing.out, "");
    EXPECT_TRUE(Has(missing.err, "*** Gedcom file \"gone.ged\" does not exist"));
}

TEST(CommandLine, ParamsAndRunWorkForAnyFileName) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.Path() / "dir#1" / "\xC5\x81");
    for (const std::string& name : test::AwkwardFileNames()) {
        SCOPED_TRACE(name);
        auto gedcom = dir.Write(name, test::Gedcom({"0 @I1@ INDI", "1 NAME Jan /Berg/"}));
        // Beside the GEDCOM, named alone, and from elsewhere by its full path.
        CliRun params;
        {
            CurrentDirectory here(gedcom.parent_path());
            params = Cli({"params", gedcom.filename().string()});
        }
        EXPECT_EQ(params.status, kExitOk) << params.err;
        auto beside = gedcom.parent_path() / "p.txt";
        dir.Write(std::filesystem::relative(beside, dir.Path()).string(), params.out);
        params = Cli({"params", gedcom.string()});
        EXPECT_EQ(params.status, kExitOk) << params.err;
        auto elsewhere = dir.Write("elsewhere.txt", params.out);
        for (const auto& file : {beside, elsewhere}) {
            auto page = file.parent_path() / "lg.htm";
            std::filesystem::remove(page);
            CliRun run = Cli({"run", file.string()});
            EXPECT_EQ(run.status, kExitOk) << run.out;
            // The page named as the file system spells it, to be opened.
            EXPECT_TRUE(run.out.ends_with("Pages written; open " + page.string() + "\n"))
                << run.out;
            EXPECT_TRUE(std::filesystem::exists(page));
        }
    }
}

TEST(CommandLine, AFailedWriteToStandardOutputFailsTheCommand) {
    test::TempDir dir;
    auto gedcom = dir.Write("fam.ged", test::Gedcom({"0 @I1@ INDI", "1 NAME Jan /Berg/"}));
    const std::string message = "lignorama-cli: cannot write to standard output\n";
    const std::vector<std::vector<std::string>> commands = {
        {"params", gedcom.string()},
        {"persons", gedcom.string()},
        {"load", gedcom.string()},
        {"check", gedcom.string()},
        {"run", dir.Write("p.txt", ";Gedcom = fam.ged\r\n").string()},
        {"--help"},
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args[0]);
        CliRun good = Cli(args);
        ASSERT_EQ(good.status, kExitOk) << good.err;
        // Failing at the start, in the middle and at the last byte; exactly
        // enough room is enough.
        for (std::size_t room :
             {std::size_t{0}, good.out.size() / 2, good.out.size() - 1, good.out.size()}) {
            const bool fits = room == good.out.size();
            FullDiskBuffer buffer(room);
            std::ostream out(&buffer);
            CliRun run = Cli(args, &out);
            EXPECT_EQ(run.status, fits ? kExitOk : kExitError) << room;
            EXPECT_EQ(run.err.ends_with(message), !fits) << run.err;
            if (fits) {
                EXPECT_EQ(buffer.written, good.out);
            }
        }
    }

    // A stream that was bad from the start fails too; a usage error writes
    // nothing there and keeps its own status.
    std::ostringstream bad;
    bad.setstate(std::ios::badbit);
    CliRun failed = Cli({"params", gedcom.string()}, &bad);
    EXPECT_EQ(failed.status, kExitError);
    EXPECT_EQ(failed.err, message);
    FullDiskBuffer noSpace(0);
    std::ostream noRoom(&noSpace);
    EXPECT_EQ(Cli({"frobnicate"}, &noRoom).status, kExitUsage);

    // Standard output itself names the reason.
    int fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0) GTEST_SKIP() << "no /dev/full";
    CliRun full;
    {
        FileDescriptorBuffer buffer(fd);
        std::ostream out(&buffer);
        full = Cli({"params", gedcom.string()}, &out);
    }
    ::close(fd);
    EXPECT_EQ(full.status, kExitError);
    EXPECT_EQ(full.err, "lignorama-cli: cannot write to standard output: the disk is full\n");
}

// The example parameter file was checked line by line by hand: factory
// values of every chart type, key layout, CR LF line ends.
TEST(CommandLine, ParamsGivesTheExampleParameterFile) {
    test::TempDir dir;
    dir.CopyExampleFamily();
    CliRun params;
    {
        CurrentDirectory here(dir.Path());
        params = Cli({"params", "family.ged"});
    }
    EXPECT_EQ(params.status, kExitOk);
    EXPECT_EQ(params.out, test::ReadFile(dir.Path() / "family.params.txt"));
}

TEST(CommandLine, RunMakesTheTimelineOfTheExampleFamily) {
    test::TempDir dir;
    dir.CopyExampleFamily();
    std::string params = test::ReadFile(dir.Path() / "family.params.txt");
    const std::string type = ";ChartType          = pedigree";
    ASSERT_NE(params.find(type), std::string::npos);
    params.replace(params.find(type), type.size(), ";ChartType          = timeline");
    const std::string block = ";Settings = Timeline *** ";
    ASSERT_NE(params.find(block), std::string::npos);
    params.insert(params.find(block) + block.size(), " #I1");
    CliRun run = Cli({"run", dir.Write("p.txt", params).string()});
    ASSERT_EQ(run.status, kExitOk) << run.out << run.err;
    const std::filesystem::path page = dir.Path() / "lgtimeline.htm";
    EXPECT_TRUE(Has(run.out, "Pages written; open " + page.string() + "\n"));
    const std::string html = test::ReadFile(page);
    EXPECT_TRUE(Has(html, "Johannes"));
    EXPECT_TRUE(Has(html, "<table class=j100 style=\""));
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "LORB13.gif"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "lg.htm")) << "no frames page";
}

TEST(CommandLine, InbreedingReportsOrListsThePedigreeLoss) {
    test::TempDir dir;
    dir.CopyExampleFamily();
    const std::string family = (dir.Path() / "family.ged").string();
    const std::string line = "    25%          7   Berg, van der; Johannes Hendrik [1861]\n";
    CliRun report = Cli({"inbreeding", family, "--quiet"});
    EXPECT_EQ(report.status, kExitOk) << report.err;
    EXPECT_TRUE(Has(report.out,
                    "Pedigree loss and group size for persons with gene-related parents\n" + line));
    CliRun csv = Cli({"inbreeding", "--csv", family, "--quiet"});
    EXPECT_EQ(csv.status, kExitOk);
    EXPECT_EQ(csv.out,
              "ID,name,pedigree loss %,group size,chart,F %\n"
              "I14,Johannes Hendrik van der Berg,25.00,7,1,6.2500\n");
    EXPECT_TRUE(Has(csv.err, "42 persons"));
    // A person named: his line, whether inbred or not.
    CliRun named = Cli({"inbreeding", family, "I14", "I1", "--csv", "--quiet"});
    EXPECT_EQ(named.status, kExitOk);
    EXPECT_TRUE(Has(named.out, "I14,"));
    CliRun unknown = Cli({"inbreeding", family, "I999", "--quiet"});
    EXPECT_EQ(unknown.status, kExitError);
    EXPECT_TRUE(Has(unknown.err, "no person with the ID \"I999\""));
    EXPECT_EQ(Cli({"inbreeding"}).status, kExitUsage);
    // The batch run of an analysis writes no pages and says where to look.
    std::string params = test::ReadFile(dir.Path() / "family.params.txt");
    params.replace(params.find("= pedigree"), 10, "= inbreeding");
    CliRun batch = Cli({"run", dir.Write("inbreeding.txt", params).string(), "--quiet"});
    EXPECT_EQ(batch.status, kExitOk);
    EXPECT_FALSE(Has(batch.out, "Pages written"));
    EXPECT_TRUE(Has(batch.err, "lignorama-cli inbreeding"));
    // --csv takes no value: "x" is a person to look for.
    EXPECT_EQ(Cli({"inbreeding", family, "--csv", "x", "--quiet"}).status, kExitError);
}

TEST(CommandLine, KinshipMatricesAsReportOrCsv) {
    test::TempDir dir;
    dir.CopyExampleFamily();
    const std::string family = (dir.Path() / "family.ged").string();
    CliRun report = Cli({"kinship", family, "I14", "I1", "--quiet"});
    EXPECT_EQ(report.status, kExitOk) << report.err;
    EXPECT_TRUE(Has(report.out, "Kinship coefficients (in %):"));
    EXPECT_TRUE(Has(report.out, "  B :   12.500          *"));
    CliRun csv = Cli({"kinship", family, "I14", "I1", "I2", "--csv", "--quiet"});
    EXPECT_EQ(csv.out,
              "ID,I14,I1,I2\n"
              "I14,0.53125,0.125,0.125\n"
              "I1,0.125,0.5,0\n"
              "I2,0.125,0,0.5\n");
    CliRun generations = Cli({"kinship", family, "I1", "I14", "I2", "--csv", "--generations"});
    EXPECT_EQ(generations.out,
              "ID,I1,I14,I2\n"
              "I1,0,2,\n"
              "I14,2,-0.0874628,2\n"
              "I2,,2,0\n");
    EXPECT_EQ(Cli({"kinship", family, "I1"}).status, kExitUsage);
    EXPECT_EQ(Cli({"kinship", family, "I1", "I2", "--generations"}).status, kExitUsage);
    EXPECT_EQ(Cli({"kinship", family, "I1", "I999"}).status, kExitError);
}

// Every kind of error line is the load's to find; here one fails the run
// and ends its output.
TEST(CommandLine, RunFailsOnAnErrorLine) {
    test::TempDir dir;
    dir.Write("fam.ged", test::Gedcom({"0 @I1@ INDI"}));
    const auto bad = dir.Write("bad.txt", ";Gedcom = fam.ged\r\n;Fontsize = big\r\n");
    for (const auto& file : {dir.Path() / "absent.txt", bad}) {
        SCOPED_TRACE(file.string());
        CliRun run = Cli({"run", file.string()});
        EXPECT_EQ(run.status, kExitError);
        EXPECT_TRUE(run.out.ends_with("*** Input error on " + file.filename().string() + ".\n"))
            << run.out;
    }
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
    EXPECT_TRUE(Has(run.out, "---- Dubious or inconsistent dates  (1x)"));
    EXPECT_TRUE(Has(run.out, "*** Maybe your gedcom contains inconsistent data."));
    // Level 0 leaves the dates alone.
    EXPECT_EQ(Cli({"check", "--level", "0", bad.string()}).status, kExitOk);

    std::filesystem::create_directory(dir.Path() / "out");
    run = Cli({"check", bad.string(), "--out", (dir.Path() / "out").string(), "--level", "2"});
    EXPECT_EQ(run.status, kExitFindings);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "out" / "GedcomErrors.htm"));

    // Findings are not errors for the other commands.
    EXPECT_EQ(Cli({"load", bad.string()}).status, kExitOk);

    const std::vector<std::vector<std::string>> wrong = {
        {"check"},
        {"check", clean.string(), "--level"},
        {"check", clean.string(), "--level", "3"},
        {"check", clean.string(), "--out"},
        {"check", clean.string(), clean.string()},
    };
    for (const auto& args : wrong) EXPECT_EQ(Cli(args).status, kExitUsage) << args.back();
    EXPECT_EQ(Cli({"check", (dir.Path() / "none.ged").string()}).status, kExitError);
    EXPECT_EQ(Cli({"check", dir.Write("x.ged", "hello\n").string()}).status, kExitError);
}

// The error report is a by-product of persons and load: a folder it cannot
// go to, or a hand-made page of its name, gives a warning, not a failure.
// For check the report is the result.
TEST(CommandLine, AReportThatCannotBeWrittenOnlyFailsCheck) {
    test::TempDir dir;
    auto bad = dir.Write("bad.ged", test::Gedcom({"0 @I1@ INDI", "1 NAME Anna /Berg/",
                                                  "1 FAMC @F9@", "0 @I2@ INDI"}));
    const std::string mine = "<html><body>my notes</body></html>";
    dir.Write("GedcomErrors.htm", mine);
    const std::string refusal =
        "The file GedcomErrors.htm already exists and it was not "
        "generated by this program.";

    CliRun persons = Cli({"persons", bad.string()});
    EXPECT_EQ(persons.status, kExitOk) << persons.err;
    EXPECT_TRUE(persons.out.starts_with("I1\tBerg; Anna\nI2\t")) << persons.out;
    EXPECT_TRUE(Has(persons.err, refusal));

    CliRun load = Cli({"load", bad.string()});
    EXPECT_EQ(load.status, kExitOk) << load.out;
    EXPECT_TRUE(Has(load.out, refusal));
    EXPECT_FALSE(Has(load.out, "Maybe your gedcom contains"));

    CliRun check = Cli({"check", bad.string()});
    EXPECT_EQ(check.status, kExitError) << check.out;
    check = Cli({"check", bad.string(), "--out", (dir.Path() / "gone").string()});
    EXPECT_EQ(check.status, kExitError) << check.out;
    EXPECT_TRUE(Has(check.out, "could not be written: the folder does not exist."));
    EXPECT_EQ(test::ReadFile(dir.Path() / "GedcomErrors.htm"), mine);
}

// Each command's help names it, exits 0 wherever --help stands, and is
// quoted in the README word for word (indented as a code block); an unknown
// option is a usage error naming the option, for every command.
TEST(CommandLine, HelpOfEachCommandAndUnknownOptions) {
    const std::string readme = test::ReadFile(std::filesystem::path(LG_SOURCE_DIR) / "README.md");
    const std::string overview = Cli({"--help"}).out;
    ASSERT_FALSE(CommandNames().empty());
    for (std::string_view name : CommandNames()) {
        const std::string command(name);
        SCOPED_TRACE(command);
        CliRun help = Cli({command, "--help"});
        EXPECT_EQ(help.status, kExitOk);
        EXPECT_TRUE(help.out.starts_with(command + " ")) << help.out;
        EXPECT_TRUE(Has(help.out, "Example: lignorama-cli " + command));
        EXPECT_EQ(Cli({command, "some.ged", "-h"}).out, help.out);
        EXPECT_TRUE(Has(overview, help.out));
        std::string quoted;
        std::istringstream lines(help.out);
        for (std::string line; std::getline(lines, line);)
            quoted += (line.empty() ? "" : "    ") + line + '\n';
        EXPECT_NE(readme.find(quoted), std::string::npos) << "README.md lacks:\n" << quoted;

        // --quiet belongs to every command; it only silences the progress.
        std::vector<std::string> quiet{command, "--quiet", "none.ged"};
        if (command == "kinship") quiet.insert(quiet.end(), {"I1", "I2"});
        EXPECT_NE(Cli(quiet).status, kExitUsage);

        for (const char* option : {"--frobnicate", "-x"}) {
            CliRun wrong = Cli({command, "some.ged", option});
            EXPECT_EQ(wrong.status, kExitUsage);
            EXPECT_TRUE(Has(wrong.err, std::string("unknown option \"") + option + "\""));
        }
    }
    // An option of another command is unknown here.
    EXPECT_EQ(Cli({"load", "some.ged", "--level", "1"}).status, kExitUsage);
}

TEST(CommandLine, RunPictureOptions) {
    test::TempDir dir;
    const std::string params = dir.Write("p.txt", ";Gedcom = fam.ged\r\n").string();
    const std::vector<std::vector<std::string>> wrong = {
        {"run", params, "--scale", "2"},
        {"run", params, "--png", "a.png", "--scale", "0"},
        {"run", params, "--png", "a.png", "--scale", "17"},
        {"run", params, "--png", "a.png", "--scale", "2x"},
        {"run", params, "--png", "a.png", "--scale"},
        {"run", params, "--svg", ""},
    };
    for (const auto& args : wrong) {
        CliRun run = Cli(args);
        EXPECT_EQ(run.status, kExitUsage) << args.back();
        EXPECT_FALSE(run.err.empty());
    }
    // Without a writer (a build without Qt) the pictures are refused, not skipped.
    CliRun run = Cli({"run", params, "--png", "a.png", "--scale", "1.5"});
    EXPECT_EQ(run.status, kExitError);
    EXPECT_TRUE(Has(run.err, "not available in this build"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "a.png"));
}

}  // namespace
}  // namespace lg::cli
