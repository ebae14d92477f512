#pragma once
// The Host of the command line: message lines go to a stream as UTF-8, the
// status line to the terminal's stderr, and Ctrl-C interrupts long work at
// its next check instead of killing the program.

#include <iosfwd>
#include <string>

#include "app/host.h"

namespace lg {

class ConsoleHost final : public Host {
  public:
    // Messages go to `messages`; progress is shown on stderr when it is a terminal.
    explicit ConsoleHost(std::ostream& messages);
    ~ConsoleHost() override;

    void AppendMessage(const std::string& line) override;
    void ClearMessages() override {}
    void SetStatus(const std::string& text, StatusColour colour) override;
    bool ProcessPendingEvents() override;
    void EndInterruptible() override;
    void ShowMessageBox(const std::string& text) override;

    // Installs the Ctrl-C handler: the first Ctrl-C asks running work to
    // stop, a second one ends the program at once.
    static void InstallInterruptHandler();

  private:
    void ClearStatus();

    std::ostream& messages_;
    bool statusShown_ = false;
    bool terminal_ = false;
};

}  // namespace lg
