#pragma once
// Shared helpers of the test suite: a recording Host, a fixed clock, a
// temporary directory and small writers of GEDCOM text.

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/host.h"
#include "base/clock.h"
#include "base/safe_file.h"

namespace lg::test {

// Records everything the core says; can be told to cancel at a given poll.
class FakeHost final : public Host {
  public:
    struct Status {
        std::string text;
        StatusColour colour;
    };

    void AppendMessage(const std::string& line) override { messages.push_back(line); }
    void ClearMessages() override { messages.clear(); }
    void SetStatus(const std::string& text, StatusColour colour) override {
        statuses.push_back({text, colour});
    }
    bool ProcessPendingEvents() override {
        ++polls;
        return cancelAtPoll > 0 && polls == cancelAtPoll;
    }
    void BeginInterruptible() override { ++sectionsBegun; }
    void EndInterruptible() override { ++sectionsEnded; }
    void ShowMessageBox(const std::string& text) override { boxes.push_back(text); }
    // The scripted answer of the proband dialog; without one the default
    // of surfaces without dialogs.
    ProbandChoice ChooseProband(Session& session) override {
        ++probandDialogs;
        return probandAnswer ? *probandAnswer : Host::ChooseProband(session);
    }

    // The scripted answer of the pedigree-loss dialog, else the default.
    std::optional<std::vector<std::size_t>> ChooseInbred(
        Session& session, const std::vector<std::string>& texts,
        const std::vector<std::size_t>& remembered) override {
        ++inbredDialogs;
        inbredTexts = texts;
        return inbredAnswer ? *inbredAnswer : Host::ChooseInbred(session, texts, remembered);
    }

    // True when some message line equals the text exactly.
    bool HasMessage(std::string_view text) const;
    std::string AllMessages() const;  // joined with "\n", for failure output

    std::vector<std::string> messages;
    std::vector<Status> statuses;
    std::vector<std::string> boxes;
    int polls = 0;
    int cancelAtPoll = 0;  // 0: never
    std::optional<ProbandChoice> probandAnswer;
    int probandDialogs = 0;
    std::optional<std::optional<std::vector<std::size_t>>> inbredAnswer;
    std::vector<std::string> inbredTexts;
    int inbredDialogs = 0;
    int sectionsBegun = 0;
    int sectionsEnded = 0;
};

class FixedClock final : public Clock {
  public:
    explicit FixedClock(std::chrono::system_clock::time_point now) : now_(now) {}
    std::chrono::system_clock::time_point Now() const override { return now_; }

  private:
    std::chrono::system_clock::time_point now_;
};

// Output writes fail with `error` once `bytes` more bytes were written,
// for the life of the object; the failure is off again afterwards, whatever
// the test did.
struct WritesFailAfter {
    WritesFailAfter(int64_t bytes, int error) { FailOutputWritesAfter(bytes, error); }
    ~WritesFailAfter() { FailOutputWritesAfter(-1, 0); }
    WritesFailAfter(const WritesFailAfter&) = delete;
    WritesFailAfter& operator=(const WritesFailAfter&) = delete;
};

// A directory that exists for the life of the object.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    // Writes the bytes to a file in the directory and returns its path.
    std::filesystem::path Write(const std::string& name, std::string_view bytes) const;
    // Copies the example family and its parameter file into the directory.
    void CopyExampleFamily() const;

  private:
    std::filesystem::path path_;
};

// GEDCOM lines joined with the given line end, wrapped in a minimal header
// (with the CHAR value, when given) and a trailer.
std::string Gedcom(const std::vector<std::string>& records, std::string_view charSet = "ANSI",
                   std::string_view lineEnd = "\n");

// The whole file as bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

// Every page (".htm" file) of the folder by name, with its bytes.
std::map<std::string, std::string> PagesIn(const std::filesystem::path& dir);

// File names a GEDCOM may have that are awkward to write in a parameter file
// or on a command line, as the file system spells them (UTF-8). Some are in
// the folders "dir#1/\xC5\x81" below the one they are written to.
const std::vector<std::string>& AwkwardFileNames();

// The folder of real-world GEDCOM files beside the repository, or empty when
// this checkout has none.
std::filesystem::path RealWorldDataDir();

}  // namespace lg::test
