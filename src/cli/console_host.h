#pragma once
// The Host of the command line: message lines go to a stream as UTF-8, the
// status line to the terminal's stderr, and Ctrl-C interrupts long work at
// its next check instead of killing the program.

#include <functional>
#include <iosfwd>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "app/host.h"

namespace lg {

// The status texts of long work, for a person watching: nothing for work
// done within half a second; on a terminal one line that updates in place
// (a few times a second at most); into a file or pipe one line per status,
// a few a second at most. The stream is stderr, so that standard output
// holds only a command's result.
class ProgressLine {
  public:
    // Seconds from any fixed start.
    using Clock = std::function<double()>;
    static constexpr double kQuietStart = 0.5;
    static constexpr double kTerminalInterval = 0.1;
    static constexpr double kLineInterval = 0.25;

    ProgressLine(std::ostream& out, bool terminal, Clock now = SteadySeconds);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // Turns the progress off (the command line's --quiet).
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    // A status, trailing blanks dropped; an empty one clears the line.
    // percent: 0 to 100, or -1 when unknown.
    void Show(const std::string& text, StatusColour colour, int percent);
    // Takes the line away before other output (a terminal's only).
    void Clear();

    static double SteadySeconds();

  private:
    std::ostream& out_;
    bool terminal_;
    Clock now_;
    double start_;
    double lastShown_ = -1e9;
    std::string lastText_;
    bool shown_ = false;
    bool quiet_ = false;
};

class ConsoleHost final : public Host {
  public:
    // Messages go to `messages`; progress to stderr (ProgressLine), unless quiet.
    explicit ConsoleHost(std::ostream& messages, bool quiet = false);
    ~ConsoleHost() override;

    void AppendMessage(const std::string& line) override;
    void ClearMessages() override {}
    void SetStatus(const std::string& text, StatusColour colour) override;
    void SetProgress(const std::string& text, StatusColour colour, int percent) override;
    bool ProcessPendingEvents() override;
    void EndInterruptible() override;
    void ShowMessageBox(const std::string& text) override;

    // Installs the Ctrl-C handler: the first Ctrl-C asks running work to
    // stop, a second one ends the program at once.
    static void InstallInterruptHandler();

  private:
    void ClearStatus();

    std::ostream& messages_;
    ProgressLine progress_;
};

// Output to a file descriptor (standard output) that keeps the errno of the
// first failed write, so that the program can say at its end why its output
// is incomplete instead of exiting as though all was written. After a
// failure every write fails. Output to a terminal is not held back.
class FileDescriptorBuffer final : public std::streambuf {
  public:
    explicit FileDescriptorBuffer(int fd);
    // Writes out what is still held.
    ~FileDescriptorBuffer() override;
    FileDescriptorBuffer(const FileDescriptorBuffer&) = delete;
    FileDescriptorBuffer& operator=(const FileDescriptorBuffer&) = delete;

    // The errno of the failed write; 0 while every write succeeded.
    int Error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* bytes, std::streamsize count) override;
    int sync() override;

  private:
    bool WriteAll(const char* bytes, std::size_t count);
    bool Drain();

    int fd_;
    int error_ = 0;
    std::vector<char> buffer_;
};

// The exit status of a command whose output went to `out`: `status` when
// every byte of it was written, otherwise 1, with a line on `err` naming
// the program and, when `out` writes through a FileDescriptorBuffer, why.
// A full disk or a closed pipe must not pass for success.
int StatusAfterOutput(int status, std::ostream& out, std::ostream& err, std::string_view program);

}  // namespace lg
