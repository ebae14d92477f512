#include "cli/console_host.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <fstream>
#include <sstream>

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
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), expected);

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
