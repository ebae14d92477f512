#pragma once
// The subcommands of lignorama-cli: each a small function over the core.

#include <iosfwd>
#include <string>
#include <vector>

namespace lg::cli {

// Exit statuses shared by the subcommands.
constexpr int kExitOk = 0;
constexpr int kExitError = 1;  // an error line was reported
constexpr int kExitUsage = 2;
constexpr int kExitFindings = 3;  // check: the error report was written

// Runs the command line (without the program name). Normal output goes to
// `out`, messages that are not the command's result to `err`. When `out`
// could not be written, the status is kExitError and `err` says so (with
// the reason when `out` writes through a FileDescriptorBuffer).
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lg::cli
