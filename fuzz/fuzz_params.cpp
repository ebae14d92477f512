// libFuzzer target: any bytes as a parameter file must load without a crash,
// hang or leak, and run in batch mode with the example family as its GEDCOM
// (the chart of the file's chart type and its pages, with whatever settings
// the file holds). Beyond that, what a file sets must survive "Save Data":
// the file written from the settings read must read back to the same file,
// or a user would lose settings by saving them.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/batch.h"
#include "app/parameter_file.h"
#include "app/settings.h"
#include "base/encoding.h"
#include "fuzz_support.h"

namespace {

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The settings a load would read: LoadParameterFile empties the person
// lists of the factory records before it reads.
lg::Settings Read(std::string_view text, std::vector<std::string>* rejected = nullptr,
                  bool* valid = nullptr) {
    lg::Settings settings;
    lg::ClearPersonLists(settings);
    const bool ok = lg::ReadParameterText(text, settings, rejected);
    if (valid) *valid = ok;
    return settings;
}

[[noreturn]] void Fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "fuzz_params: %s: %.*s\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// The line where two texts first differ, for the failure message.
std::string FirstDifference(std::string_view a, std::string_view b) {
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const std::size_t start = a.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = start == std::string_view::npos ? 0 : start + 1;
    auto line = [from](std::string_view text) {
        return std::string(text.substr(from, text.find('\n', from) - from));
    };
    return "saved \"" + line(a) + "\", read back as \"" + line(b) + "\"";
}

void CheckSaveReadsBack(std::string_view text) {
    const lg::Settings first = Read(text);
    // Old family data beside a GEDCOM name is refused by the load, so such
    // settings are never saved.
    if (!first.familyData.empty() && !first.options.gedcom.empty()) return;
    const std::string saved = lg::FormatParameterFile(first);
    // The file is code page 1252 but UTF-8 is read as well: code page bytes
    // that happen to form UTF-8 are taken as UTF-8. That is the format's
    // own ambiguity, not a fault of the reader.
    if (lg::DecodeUtf8(saved) != saved) return;
    std::vector<std::string> rejected;
    bool valid = false;
    const lg::Settings second = Read(saved, &rejected, &valid);
    if (!valid) Fail("a saved setting is refused", rejected.empty() ? "" : rejected.front());
    const std::string again = lg::FormatParameterFile(second);
    if (again != saved) Fail("a saved setting changes", FirstDifference(saved, again));
}

// A GEDCOM or page name with a folder in it would let the fuzzer read
// devices or write anywhere; the program's own refusal of such names is
// tested elsewhere, here they must never reach the disk.
bool StaysInScratch(const lg::Settings& settings) {
    const std::string gedcom = lg::ToUtf8(settings.options.gedcom);
    if (gedcom.find_first_of("/\\") != std::string::npos) return false;
    for (const lg::Tvariables& record : settings.records)
        for (const std::string* name :
             {&record.output, &record.page, &record.outline, &record.links})
            if (name->find('/') != std::string::npos) return false;
    return true;
}

void RunBatchOn(std::string_view text) {
    static const std::filesystem::path dir = lg::fuzz::ScratchDirectory("params");
    static const std::string family = FileBytes(LG_FUZZ_FAMILY);
    if (!StaysInScratch(Read(text))) return;
    // Every run starts from the same two files: a name the fuzzer made up
    // must not leave pages behind for the next run (nor fill the disk).
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ignored))
        std::filesystem::remove_all(entry.path(), ignored);
    WriteBytes(dir / "p.txt", text);
    WriteBytes(dir / "f.ged", family);
    lg::fuzz::SilentHost host;
    lg::Session session(host);
    (void)lg::RunBatch(session, dir / "p.txt");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckSaveReadsBack(text);
    RunBatchOn(text);
    return 0;
}
