#include "cli/commands.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lg::cli
