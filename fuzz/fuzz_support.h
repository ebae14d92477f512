#pragma once
// What the fuzz targets share: a host that says nothing and answers no
// dialog, and a scratch folder of their own.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "app/host.h"

namespace lg::fuzz {

class SilentHost final : public Host {
  public:
    void AppendMessage(const std::string&) override {}
    void ClearMessages() override {}
    void SetStatus(const std::string&, StatusColour) override {}
    bool ProcessPendingEvents() override { return false; }
    void ShowMessageBox(const std::string&) override {}
};

// "lg-fuzz-NAME-PID" in $TMPDIR, which scripts/fuzz.sh points at a folder
// it removes at the end; created when missing.
inline std::filesystem::path ScratchDirectory(std::string_view name) {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) base = "/tmp";
    std::filesystem::path dir =
        base / ("lg-fuzz-" + std::string(name) + "-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir, error);
    return dir;
}

}  // namespace lg::fuzz
