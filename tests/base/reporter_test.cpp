#include "base/reporter.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace lg {
namespace {

TEST(Reporter, ErrorLinesTurnTheStatusRedAndSetTheRunState) {
    test::FakeHost host;
    Reporter reporter(host);
    reporter.AddMessage("x", true);
    EXPECT_EQ(host.messages.back(), "*** x");
    EXPECT_EQ(host.statuses.back().text, "An error was reported." + std::string(21, ' '));
    EXPECT_EQ(host.statuses.back().colour, StatusColour::Error);
    EXPECT_EQ(reporter.RunState(), kRunError);
    reporter.AddMessage("y");
    EXPECT_EQ(host.messages.back(), "y");
    EXPECT_EQ(host.statuses.back().text, std::string(21, ' '));
    EXPECT_EQ(host.statuses.back().colour, StatusColour::Normal);
    EXPECT_EQ(reporter.RunState(), kRunError);  // only commands reset it
    EXPECT_EQ(reporter.ErrorCount(), 1);
}

TEST(Reporter, InterruptionIsReportedOnceAndStaysSet) {
    test::FakeHost host;
    host.cancelAtPoll = 2;
    Reporter reporter(host);
    reporter.BeginInterruptible();
    EXPECT_TRUE(reporter.InInterruptibleSection());
    EXPECT_FALSE(reporter.CheckInterrupted());
    EXPECT_TRUE(reporter.CheckInterrupted());
    EXPECT_TRUE(reporter.CheckInterrupted());
    reporter.EndInterruptible();
    EXPECT_EQ(host.messages, std::vector<std::string>{"*** Process interrupted by user"});
    EXPECT_EQ(reporter.RunState(), kRunError);
    // A new section starts uninterrupted.
    reporter.BeginInterruptible();
    EXPECT_FALSE(reporter.Interrupted());
    reporter.EndInterruptible();
    EXPECT_EQ(host.sectionsBegun, 2);
    EXPECT_EQ(host.sectionsEnded, 2);
}

}  // namespace
}  // namespace lg
