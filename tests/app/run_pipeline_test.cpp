#include "app/run_pipeline.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace lg {
namespace {

TEST(RunPipeline, FileTypeComesFromTheFirstLine) {
    test::TempDir dir;
    test::FakeHost host;
    Reporter reporter(host);
    struct Case {
        const char* bytes;
        FileType type;
    };
    const Case cases[] = {
        {"0 HEAD\n1 CHAR ANSI\n", FileType::Gedcom},
        {"\xEF\xBB\xBF"
         "0 HEAD\n",
         FileType::Gedcom},
        {"x PLANTS y\n", FileType::Plants},
        {"HUMANS", FileType::Humans},
        {"0 head\n", FileType::Unknown},  // case-sensitive
        {"\n0 HEAD\n", FileType::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(DetectFileType(dir.Write("f", c.bytes), reporter), c.type);
    }
    EXPECT_EQ(DetectFileType(dir.Write("utf16", std::string("\xFF\xFE"
                                                            "0\0 \0H\0E\0A\0D\0",
                                                            14)),
                             reporter),
              FileType::Gedcom);
    EXPECT_EQ(reporter.ErrorCount(), 0);
    EXPECT_EQ(DetectFileType(dir.Write("empty", ""), reporter), FileType::Unknown);
    EXPECT_EQ(host.messages.back(), "*** File \"empty\" is empty.");
    EXPECT_EQ(DetectFileType(dir.Path() / "absent", reporter), FileType::Unknown);
    EXPECT_EQ(host.messages.back(), "*** Can not open the file \"absent\"");
}

TEST(RunPipeline, LoadGedcomResetsTheRunAndSetsTheWorkingDirectory) {
    test::TempDir dir;
    test::FakeHost host;
    Session session(host);
    session.runCount = 3;
    session.GetReporter().AddMessage("old", true);
    auto file = dir.Write("a.ged", test::Gedcom({"0 @I1@ INDI", "1 NAME A /B/"}));
    EXPECT_TRUE(LoadGedcom(session, file));
    EXPECT_EQ(host.messages.front(), "Data file format: GEDCOM");  // the list was cleared
    EXPECT_EQ(session.runCount, 0);
    EXPECT_EQ(session.GetReporter().RunState(), kRunNormal);
    EXPECT_EQ(session.workingDirectory, dir.Path());
    EXPECT_EQ(session.fileType, FileType::Gedcom);
    EXPECT_TRUE(session.goEnabled);
    EXPECT_EQ(session.Db().persons.Count(), 1u);

    // A parameter file in use keeps the output where it is.
    session.parameterFile = "/elsewhere/params.txt";
    session.workingDirectory = "/elsewhere";
    EXPECT_TRUE(LoadGedcom(session, file));
    EXPECT_EQ(session.workingDirectory, "/elsewhere");

    // Not a GEDCOM: nothing is read and Make Chart stays off.
    EXPECT_FALSE(LoadGedcom(session, dir.Write("b.ged", "PLANTS\n")));
    EXPECT_EQ(host.messages, std::vector<std::string>{"*** Type of file is not clear."});
    EXPECT_FALSE(session.goEnabled);
    EXPECT_EQ(session.fileType, FileType::Plants);
}

}  // namespace
}  // namespace lg
