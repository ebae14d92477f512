#pragma once
// The surface of the benchmarks: error lines and message boxes go to
// stderr, everything else is dropped.

#include <cstdio>
#include <string>

#include "app/host.h"

namespace lg::bench {

class QuietHost final : public Host {
  public:
    void AppendMessage(const std::string& line) override {
        if (line.starts_with("***")) std::fprintf(stderr, "%s\n", line.c_str());
    }
    void ClearMessages() override {}
    void SetStatus(const std::string&, StatusColour) override {}
    bool ProcessPendingEvents() override { return false; }
    void ShowMessageBox(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
};

}  // namespace lg::bench
