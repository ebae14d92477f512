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
