#include "cli/console_host.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <ostream>

#include "base/encoding.h"

namespace lg {
namespace {

volatile std::sig_atomic_t gInterruptRequested = 0;

extern "C" void OnInterrupt(int) {
    if (gInterruptRequested) {
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
        return;
    }
    gInterruptRequested = 1;
}

// Messages hold CR LF inside; a terminal wants plain line feeds.
std::string ForTerminal(const std::string& line) {
    std::string text = ToUtf8(line);
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

}  // namespace

ConsoleHost::ConsoleHost(std::ostream& messages)
    : messages_(messages), terminal_(isatty(STDERR_FILENO) != 0) {}

ConsoleHost::~ConsoleHost() {
    ClearStatus();
}

void ConsoleHost::InstallInterruptHandler() {
    std::signal(SIGINT, OnInterrupt);
}

void ConsoleHost::AppendMessage(const std::string& line) {
    ClearStatus();
    messages_ << ForTerminal(line) << '\n';
    messages_.flush();
}

void ConsoleHost::SetStatus(const std::string& text, StatusColour colour) {
    if (!terminal_) return;
    std::string shown = ForTerminal(text);
    while (!shown.empty() && shown.back() == ' ') shown.pop_back();
    if (shown.empty()) {
        ClearStatus();
        return;
    }
    const char* colourCode = colour == StatusColour::Error ? "\033[31m" : "\033[32m";
    std::fprintf(stderr, "\r\033[K%s%s\033[0m", colourCode, shown.c_str());
    std::fflush(stderr);
    statusShown_ = true;
}

void ConsoleHost::ClearStatus() {
    if (!statusShown_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    statusShown_ = false;
}

bool ConsoleHost::ProcessPendingEvents() {
    if (!gInterruptRequested) return false;
    gInterruptRequested = 0;
    return true;
}

void ConsoleHost::EndInterruptible() {
    ClearStatus();
}

void ConsoleHost::ShowMessageBox(const std::string& text) {
    ClearStatus();
    std::fprintf(stderr, "%s\n", ForTerminal(text).c_str());
}

}  // namespace lg
