// libFuzzer target: any bytes as a GEDCOM file must load without a crash,
// hang or leak, in every character set and name style; and reading the
// second half on another core must give what reading it whole gives.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "base/encoding.h"
#include "database/gedcom_reader.h"

namespace {

class RecordingSink final : public lg::MessageSink {
  public:
    void AppendMessage(const std::string& line) override { text += line + "\n"; }
    void ClearMessages() override {}
    void SetStatus(const std::string&, lg::StatusColour) override {}
    bool ProcessPendingEvents() override { return false; }

    std::string text;
};

// The messages and every record, with its line and links, as text.
std::string Load(const std::string& file, lg::NameStyle style, std::uintmax_t splitFrom) {
    RecordingSink sink;
    lg::Reporter reporter(sink);
    lg::Database db;
    lg::ReadOptions options;
    options.nameStyle = style;
    options.splitFrom = splitFrom;
    lg::ReadGedcom(file, db, reporter, options);
    std::string out = sink.text;
    for (const auto& person : db.persons) {
        out += person->ID + "|" + std::to_string(person->line) + "|" +
               lg::ToUtf8(person->ListingText()) + "|" + person->sex + "|" + person->DeathDate() +
               "|" + person->notes.str() + "|";
        for (const lg::Tchild& link : person->famcList)
            out += link.familyID + (link.family ? "+" : "-");
        for (const lg::Tspouse& link : person->famsList)
            out += link.familyID + (link.family ? "+" : "-");
        out += "\n";
    }
    for (const auto& family : db.families) {
        out += family->ID + "|" + std::to_string(family->line) + "|" + family->husbandID + "|" +
               family->wifeID + "|" + std::to_string(family->children.size()) + "\n";
    }
    return out;
}

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
    const auto style = static_cast<lg::NameStyle>(size % 3);
    const std::string whole = Load(file, style, 0);
    const std::string split = Load(file, style, 1);
    if (whole != split) {
        std::fprintf(stderr, "read whole:\n%s\nread in two halves:\n%s\n", whole.c_str(),
                     split.c_str());
        __builtin_trap();
    }

    // The text conversions on their own, with the raw bytes.
    (void)lg::ToUtf8(lg::DecodeUtf8(bytes));
    (void)lg::CleanName(bytes, lg::NameStyle::Proper);
    return 0;
}
