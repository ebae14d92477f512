#pragma once
// The two outlets of user messages (the message list and the status line),
// the run state that every long computation consults, and the interruption
// protocol. The core reports through a Reporter; the surface behind it is a
// MessageSink (the desktop window, the console, or a recording fake).

#include <cstdint>
#include <string>
#include <string_view>

namespace lg {

enum class StatusColour { Normal, Error };  // dark green (0,128,0), pure red (255,0,0)

// What a Reporter needs from the surface. Implementations never throw.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void AppendMessage(const std::string& line) = 0;
    virtual void ClearMessages() = 0;
    // Shows the text at once, even while the caller keeps the thread busy.
    virtual void SetStatus(const std::string& text, StatusColour colour) = 0;
    // A status of long work with how far it has come (0 to 100); surfaces
    // that show no percentage show the text alone.
    virtual void SetProgress(const std::string& text, StatusColour colour, int percent) {
        (void)percent;
        SetStatus(text, colour);
    }
    // Lets the surface handle pending input while an interruptible section
    // runs. Returns true when the user asked to cancel (Esc, Ctrl-C) since
    // the previous call.
    virtual bool ProcessPendingEvents() = 0;
    virtual void BeginInterruptible() {}
    virtual void EndInterruptible() {}
};

// Run state values shared by every computation.
enum RunStateValue : int32_t {
    kRunNormal = 0,
    kRunCancelled = 1,  // the user cancelled a selection
    kRunError = 2,      // an error was reported or the run was interrupted
};

// Message list, status line and run state of one session.
class Reporter {
  public:
    explicit Reporter(MessageSink& sink) : sink_(&sink) {}

    // Appends a line; an error line gets "*** " before it, turns the status
    // line red with "An error was reported." and sets the run state to 2.
    // Otherwise the status line is cleared in the normal colour.
    void AddMessage(std::string_view text, bool isError = false);
    void ClearMessages() { sink_->ClearMessages(); }
    // The text followed by 21 blanks, so short texts overwrite long ones.
    void ShowStatus(std::string_view text, StatusColour colour);
    // The same for long work that knows how far it has come: percent 0 to
    // 100, or -1 when it does not.
    void ShowProgress(std::string_view text, StatusColour colour, int percent);

    int32_t RunState() const { return runState_; }
    void SetRunState(int32_t state) { runState_ = state; }

    void BeginInterruptible();
    // Processes pending input; true once the user interrupted the section.
    bool CheckInterrupted();
    void EndInterruptible();
    // The Cancel command: reports the interruption and marks it.
    void Cancel();
    bool Interrupted() const { return interrupted_; }
    bool InInterruptibleSection() const { return interruptible_; }

    // Error lines appended since the session started.
    int ErrorCount() const { return errorCount_; }

    MessageSink& Sink() { return *sink_; }

  private:
    MessageSink* sink_;
    int32_t runState_ = kRunNormal;
    bool interrupted_ = false;
    bool interruptible_ = false;
    int errorCount_ = 0;
};

// Leaves the interruptible section for the length of a dialog, which takes
// input of its own, and enters it again afterwards; nothing outside one.
class InterruptiblePause {
  public:
    explicit InterruptiblePause(Reporter& reporter)
        : reporter_(reporter), paused_(reporter.InInterruptibleSection()) {
        if (paused_) reporter_.EndInterruptible();
    }
    ~InterruptiblePause() {
        if (paused_) reporter_.BeginInterruptible();
    }
    InterruptiblePause(const InterruptiblePause&) = delete;
    InterruptiblePause& operator=(const InterruptiblePause&) = delete;

  private:
    Reporter& reporter_;
    bool paused_;
};

}  // namespace lg
