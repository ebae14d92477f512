#include "base/reporter.h"

#include "base/messages.h"

namespace lg {

void Reporter::AddMessage(std::string_view text, bool isError) {
    if (isError) {
        ShowStatus(MessageText(Msg::AnErrorWasReported), StatusColour::Error);
        runState_ = kRunError;
        ++errorCount_;
        std::string line = "*** ";
        line += text;
        sink_->AppendMessage(line);
    } else {
        ShowStatus("", StatusColour::Normal);
        sink_->AppendMessage(std::string(text));
    }
}

void Reporter::ShowStatus(std::string_view text, StatusColour colour) {
    ShowProgress(text, colour, -1);
}

void Reporter::ShowProgress(std::string_view text, StatusColour colour, int percent) {
    std::string padded(text);
    padded.append(21, ' ');
    if (percent < 0)
        sink_->SetStatus(padded, colour);
    else
        sink_->SetProgress(padded, colour, percent);
}

void Reporter::BeginInterruptible() {
    interrupted_ = false;
    interruptible_ = true;
    sink_->BeginInterruptible();
}

bool Reporter::CheckInterrupted() {
    if (sink_->ProcessPendingEvents() && !interrupted_) Cancel();
    return interrupted_;
}

void Reporter::EndInterruptible() {
    interruptible_ = false;
    sink_->EndInterruptible();
}

void Reporter::Cancel() {
    AddMessage(MessageText(Msg::ProcessInterruptedByUser), true);
    interrupted_ = true;
}

}  // namespace lg
