// libFuzzer target: any bytes as a GEDCOM file must load without a crash,
// hang or leak, in every character set and name style.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "base/encoding.h"
#include "database/gedcom_reader.h"

namespace {

class NullSink final : public lg::MessageSink {
  public:
    void AppendMessage(const std::string&) override {}
    void ClearMessages() override {}
    void SetStatus(const std::string&, lg::StatusColour) override {}
    bool ProcessPendingEvents() override { return false; }
};

// In $TMPDIR, which scripts/fuzz.sh points at a directory it removes.
std::string ScratchFile() {
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) base = "/tmp";
    return (base / ("lg-fuzz-" + std::to_string(getpid()) + ".ged")).string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string file = ScratchFile();
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (FILE* f = std::fopen(file.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    NullSink sink;
    lg::Reporter reporter(sink);
    lg::Database db;
    lg::ReadOptions options;
    options.nameStyle = static_cast<lg::NameStyle>(size % 3);
    lg::ReadGedcom(file, db, reporter, options);
    for (const auto& person : db.persons) (void)lg::ToUtf8(person->ListingText());

    // The text conversions on their own, with the raw bytes.
    (void)lg::ToUtf8(lg::DecodeUtf8(bytes));
    (void)lg::CleanName(bytes, lg::NameStyle::Proper);
    return 0;
}
