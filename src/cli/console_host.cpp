#include "cli/console_host.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <ostream>

#include "base/encoding.h"
#include "base/safe_file.h"

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

ProgressLine::ProgressLine(std::ostream& out, bool terminal, Clock now)
    : out_(out), terminal_(terminal), now_(std::move(now)), start_(now_()) {}

ProgressLine::~ProgressLine() {
    Clear();
}

double ProgressLine::SteadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void ProgressLine::Show(const std::string& text, StatusColour colour, int percent) {
    // Quick work shows nothing (so there is nothing to clear either); long
    // work shows its latest state at the pace a reader can follow, not
    // every one of its thousands of steps.
    const double now = now_();
    if (quiet_ || now - start_ < kQuietStart) return;
    std::string shown = ForTerminal(text);
    while (!shown.empty() && shown.back() == ' ') shown.pop_back();
    if (shown.empty()) {
        Clear();
        return;
    }
    if (percent >= 0) shown += " (" + std::to_string(percent) + "%)";
    if (shown == lastText_ && (shown_ || !terminal_)) return;
    // A new stage (another text before its figures) shows at once.
    const auto stage = [](const std::string& s) {
        return s.substr(0, s.find_first_of("0123456789"));
    };
    if (stage(shown) == stage(lastText_) &&
        now - lastShown_ < (terminal_ ? kTerminalInterval : kLineInterval))
        return;
    lastShown_ = now;
    lastText_ = shown;
    if (terminal_) {
        const char* colourCode = colour == StatusColour::Error ? "\033[31m" : "\033[32m";
        out_ << "\r\033[K" << colourCode << shown << "\033[0m" << std::flush;
        shown_ = true;
    } else {
        out_ << shown << '\n' << std::flush;
    }
}

void ProgressLine::Clear() {
    if (!shown_) return;
    out_ << "\r\033[K" << std::flush;
    shown_ = false;
    lastText_.clear();
}

ConsoleHost::ConsoleHost(std::ostream& messages, bool quiet)
    : messages_(messages), progress_(std::cerr, isatty(STDERR_FILENO) != 0) {
    progress_.SetQuiet(quiet);
}

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
    progress_.Show(text, colour, -1);
}

void ConsoleHost::SetProgress(const std::string& text, StatusColour colour, int percent) {
    progress_.Show(text, colour, percent);
}

void ConsoleHost::ClearStatus() {
    progress_.Clear();
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

FileDescriptorBuffer::FileDescriptorBuffer(int fd) : fd_(fd) {
    // A terminal shows each line as it comes; a file or pipe gets big writes.
    if (isatty(fd) == 0) {
        buffer_.resize(1 << 16);
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
}

FileDescriptorBuffer::~FileDescriptorBuffer() {
    Drain();
}

bool FileDescriptorBuffer::WriteAll(const char* bytes, std::size_t count) {
    while (count > 0 && error_ == 0) {
        const ssize_t written = ::write(fd_, bytes, count);
        if (written < 0) {
            if (errno != EINTR) error_ = errno;
            continue;
        }
        if (written == 0) error_ = EIO;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return error_ == 0;
}

bool FileDescriptorBuffer::Drain() {
    const std::size_t held = static_cast<std::size_t>(pptr() - pbase());
    if (held > 0) {
        WriteAll(pbase(), held);
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    return error_ == 0;
}

FileDescriptorBuffer::int_type FileDescriptorBuffer::overflow(int_type c) {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    if (pptr() != epptr()) {
        *pptr() = byte;
        pbump(1);
    } else if (!WriteAll(&byte, 1)) {
        return traits_type::eof();
    }
    return c;
}

std::streamsize FileDescriptorBuffer::xsputn(const char* bytes, std::streamsize count) {
    if (error_ != 0 || count <= 0) return 0;
    const auto size = static_cast<std::size_t>(count);
    if (size <= static_cast<std::size_t>(epptr() - pptr())) {
        std::memcpy(pptr(), bytes, size);
        pbump(static_cast<int>(count));
        return count;
    }
    if (!Drain() || !WriteAll(bytes, size)) return 0;
    return count;
}

int FileDescriptorBuffer::sync() {
    return Drain() ? 0 : -1;
}

int StatusAfterOutput(int status, std::ostream& out, std::ostream& err, std::string_view program) {
    out.flush();
    if (out) return status;
    const auto* file = dynamic_cast<const FileDescriptorBuffer*>(out.rdbuf());
    err << program << ": cannot write to standard output";
    if (file && file->Error() != 0) err << ": " << FileErrorText(file->Error());
    err << '\n';
    return 1;
}

}  // namespace lg
