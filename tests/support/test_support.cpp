#include "support/test_support.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lg::test {

bool FakeHost::HasMessage(std::string_view text) const {
    for (const std::string& line : messages)
        if (line == text) return true;
    return false;
}

std::string FakeHost::AllMessages() const {
    std::string all;
    for (const std::string& line : messages) all += line + "\n";
    return all;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lg-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary directory");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempDir::Write(const std::string& name, std::string_view bytes) const {
    std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

void TempDir::CopyExampleFamily() const {
    for (const char* name : {"family.ged", "family.params.txt"})
        Write(name, ReadFile(std::filesystem::path(LG_SOURCE_DIR) / "examples" / name));
}

const std::vector<std::string>& AwkwardFileNames() {
    static const std::vector<std::string> names = {
        "a#b.ged",
        "\xC5\x81\xC3\xB3"
        "d\xC5\xBA.ged",                                         // Łódź
        "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0.ged",  // Москва
        "\xE5\xAE\xB6\xE6\x97\x8F.ged",                          // 家族
        "dir#1/\xC5\x81/\xC5\x81\xC3\xB3"
        "d\xC5\xBA #2 \xE5\xAE\xB6.ged",
        "#.ged",
        "x#",
        " lead.ged",
        "trail.ged  ",
        "tab\t.ged",
        "line\nbreak\r.ged",
        "a&amp;b.ged",
        "&#35;.ged",
        "&#321;.ged",
        "R&D;x&.ged",
        "\xC3\x83\xC2\xA9.ged",  // "Ã©": its code page bytes look like UTF-8
        "Zo\xC3\xAB.ged",
        "my family.ged",
    };
    return names;
}

std::string Gedcom(const std::vector<std::string>& records, std::string_view charSet,
                   std::string_view lineEnd) {
    std::string text = "0 HEAD";
    text += lineEnd;
    if (!charSet.empty()) {
        text += "1 CHAR ";
        text += charSet;
        text += lineEnd;
    }
    for (const std::string& line : records) {
        text += line;
        text += lineEnd;
    }
    text += "0 TRLR";
    text += lineEnd;
    return text;
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::map<std::string, std::string> PagesIn(const std::filesystem::path& dir) {
    std::map<std::string, std::string> pages;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.path().extension() == ".htm")
            pages[entry.path().filename().string()] = ReadFile(entry.path());
    return pages;
}

std::filesystem::path RealWorldDataDir() {
    std::filesystem::path dir =
        std::filesystem::path(LG_SOURCE_DIR) / ".." / "shared" / "data" / "ged";
    std::error_code error;
    return std::filesystem::is_directory(dir, error) ? dir : std::filesystem::path();
}

}  // namespace lg::test
