#include "cli/console_host.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>

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

}  // namespace
}  // namespace lg
