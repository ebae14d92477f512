#pragma once
// The subcommands of lignorama-cli: each a small function over the core,
// with one help text that --help prints and the README quotes.

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "database/records.h"
#include "html/page_common.h"

namespace lg {
class Session;
}

namespace lg::cli {

// Exit statuses shared by the subcommands.
constexpr int kExitOk = 0;
constexpr int kExitError = 1;  // an error line was reported
constexpr int kExitUsage = 2;
constexpr int kExitFindings = 3;  // check: the error report was written

// The pictures `run` was asked for.
struct PictureRequest {
    std::string svg;  // the SVG file; empty: none
    std::string png;  // the PNG file; empty: none
    double scale = 1.0;
    std::string pdf;           // the printout as a PDF; empty: none
    std::string paper = "a4";  // its sheets: a4, letter or a3
};

// Draws the current chart of the session's chart type into the request's
// files; false after saying why on `err`. A build with Qt has one
// (cli/picture_output.h); without it, pictures are not available.
using PictureWriter =
    std::function<bool(Session& session, const PictureRequest& request, std::ostream& err)>;

// Runs the command line (without the program name). Normal output goes to
// `out`, messages that are not the command's result to `err`. When `out`
// could not be written, the status is kExitError and `err` says so (with
// the reason when `out` writes through a FileDescriptorBuffer). Usage
// errors (a missing argument, an unknown option, which is named) are
// kExitUsage; --help anywhere after a command prints that command's help.
// With `leftovers`, the command hands over its loaded records instead of
// freeing them: freeing a million records one by one takes about a second,
// while a process that ends leaves them to the system at once. Only a
// caller about to end the process passes it.
struct Leftovers {
    std::vector<Database> databases;
};
// `images` draws the offspring page's picture (none: the page is written
// without it, and an error line says so).
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PictureWriter& pictures = {}, ChartImageMaker images = nullptr,
                   Leftovers* leftovers = nullptr);

// The commands' names, in the order of the help.
std::vector<std::string_view> CommandNames();

}  // namespace lg::cli
