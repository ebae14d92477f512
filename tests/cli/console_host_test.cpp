#include "cli/console_host.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <sstream>

#include "database/line_source.h"
#include "support/test_support.h"

namespace lg {
namespace {

TEST(ConsoleHost, MessagesAreUtf8LinesAndCtrlCInterrupts) {
    std::ostringstream out;
    ConsoleHost host(out);
    Reporter reporter(host);
    reporter.AddMessage("Caf\xE9 &#321;\r\nnext", true);
    EXPECT_EQ(out.str(), "*** Caf\xC3\xA9 \xC5\x81\nnext\n");

    ConsoleHost::InstallInterruptHandler();
    reporter.BeginInterruptible();
    EXPECT_FALSE(reporter.CheckInterrupted());
    std::raise(SIGINT);
    EXPECT_TRUE(reporter.CheckInterrupted());
    reporter.EndInterruptible();
    EXPECT_NE(out.str().find("*** Process interrupted by user\n"), std::string::npos);
    std::signal(SIGINT, SIG_DFL);
}

// A progress line on a clock the test moves.
struct Watched {
    explicit Watched(bool terminal) : line(out, terminal, [this] { return now; }) {}
    void At(double seconds, const std::string& text, int percent = -1) {
        now = seconds;
        line.Show(text + std::string(21, ' '), StatusColour::Error, percent);
    }
    double now = 0;
    std::ostringstream out;
    ProgressLine line;
};

TEST(ProgressLine, LongWorkShowsItsStagesAtAReadablePace) {
    Watched pipe(false);
    pipe.At(0.1, "Gedcom: 300 persons");  // quick work stays silent
    pipe.At(0.6, "Gedcom: 9000 persons", 12);
    pipe.At(0.7, "Gedcom: 9300 persons", 13);  // too soon after the last line
    pipe.At(0.75, "Verifying consistency");    // a new stage shows at once
    pipe.At(0.8, "Verifying consistency");     // the same text only once
    pipe.At(1.2, "Gedcom: 9600 persons", 14);
    pipe.At(1.3, "");
    EXPECT_EQ(pipe.out.str(),
              "Gedcom: 9000 persons (12%)\nVerifying consistency\nGedcom: 9600 persons (14%)\n");

    // A terminal keeps one line, rewritten in place, and clears it.
    Watched terminal(true);
    terminal.At(0.6, "Gedcom: 9000 persons", 12);
    terminal.At(0.65, "Gedcom: 9100 persons", 12);
    terminal.At(0.71, "Gedcom: 9300 persons", 13);
    terminal.line.Clear();
    EXPECT_EQ(terminal.out.str(),
              "\r\033[K\033[31mGedcom: 9000 persons (12%)\033[0m"
              "\r\033[K\033[31mGedcom: 9300 persons (13%)\033[0m\r\033[K");

    Watched quiet(false);
    quiet.line.SetQuiet(true);
    quiet.At(5, "Gedcom: 9000 persons");
    EXPECT_EQ(quiet.out.str(), "");
}

TEST(ProgressLine, ReadingReportsTheShareOfTheFileRead) {
    test::TempDir dir;
    std::string text = "0 HEAD\n1 CHAR UTF-8\n";
    for (int i = 0; i < 2000; ++i) text += "0 @I" + std::to_string(i) + "@ INDI\n1 NAME A /B/\n";
    text += "0 TRLR\n";
    GedcomLineSource source;
    ASSERT_TRUE(source.Open(dir.Write("f.ged", text)));
    std::string_view line;
    std::size_t consumed = 0;
    while (consumed < text.size() / 2 && source.Next(line)) consumed += line.size() + 1;
    EXPECT_NEAR(source.PercentRead(), 50, 1);
    while (source.Next(line)) {
    }
    EXPECT_EQ(source.PercentRead(), 100);
}

TEST(FileDescriptorBuffer, WritesEverythingOrSaysWhyNot) {
    test::TempDir dir;
    auto path = dir.Path() / "out.txt";
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    std::string expected;
    {
        FileDescriptorBuffer buffer(fd);
        std::ostream out(&buffer);
        // Small pieces, single characters and pieces bigger than the buffer.
        for (int i = 0; i < 20000; ++i) {
            out << "line " << i << '\n';
            expected += "line " + std::to_string(i) + "\n";
        }
        const std::string big(200000, 'x');
        out << big;
        expected += big;
        out.flush();
        EXPECT_TRUE(out.good());
        EXPECT_EQ(buffer.Error(), 0);
        out << "tail";
        expected += "tail";
    }  // the rest goes out when the buffer ends
    ::close(fd);
    EXPECT_EQ(test::ReadFile(path), expected);

    fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0) GTEST_SKIP() << "no /dev/full";
    {
        FileDescriptorBuffer buffer(fd);
        std::ostream out(&buffer);
        out << "held back until the flush";
        EXPECT_TRUE(out.good());
        out.flush();
        EXPECT_TRUE(out.bad());
        EXPECT_EQ(buffer.Error(), ENOSPC);
        // Once failed, later writes fail too, even after the state is cleared.
        out.clear();
        out << std::string(100000, 'y');
        EXPECT_TRUE(out.bad());
        EXPECT_EQ(buffer.Error(), ENOSPC);
    }
    ::close(fd);
}

}  // namespace
}  // namespace lg
