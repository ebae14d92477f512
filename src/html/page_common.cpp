#include "html/page_common.h"

#include <ctime>

#include "base/fill_in.h"
#include "base/messages.h"
#include "base/text_helpers.h"

namespace lg {

DescriptionContext PageContext::Descriptions() const {
    return DescriptionContextOf(options, language, &reporter);
}

std::string PageContext::FileText(std::string_view text) const {
    return Descriptions().FileText(text);
}

std::string PageContext::PathOf(std::string_view fileName) const {
    return OutputPath(outputDirectory, fileName);
}

std::string NumberLabel(const TlossPerson& node) {
    if (node.generation <= 30) return std::to_string(node.sosa);
    return std::to_string(node.generation) + "." + std::to_string(node.rank);
}

std::string PersonAnchor(const TlossPerson& node, int bookmarks) {
    if (bookmarks == 1) return "BM" + NumberLabel(node);
    return node.person ? BookmarkOf(node.person->ID, bookmarks) : std::string();
}

std::string PageDate(const Clock& clock) {
    std::time_t t = std::chrono::system_clock::to_time_t(clock.Now());
    std::tm local{};
    localtime_r(&t, &local);
    char text[64];
    std::size_t n = std::strftime(text, sizeof text, "%x", &local);
    return std::string(text, n);
}

PageFile::PageFile(const std::string& path) : path_(path) {
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) throw PageWriteError(path);
    buffer_.reserve(1 << 16);
}

PageFile::~PageFile() {
    if (file_) std::fclose(file_);
}

void PageFile::Write(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= (1 << 16)) Flush();
}

void PageFile::Flush() {
    if (buffer_.empty()) return;
    std::size_t written = std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
    bool failed = written != buffer_.size();
    buffer_.clear();
    if (failed) throw PageWriteError(path_);
}

void PageFile::Close() {
    if (!file_) return;
    Flush();
    bool failed = std::fclose(file_) != 0;
    file_ = nullptr;
    if (failed) throw PageWriteError(path_);
}

namespace {

// The boxed note of a refused text page: a heading word between rows of
// stars, the explanation, and three rows of stars.
void ReportBoxedNote(Reporter& reporter, Msg heading, int blanksBefore, int blanksAfter,
                     const std::string& text) {
    const std::string stars = "*****************************";
    std::string note = "\r\n" + stars + std::string(blanksBefore, ' ') +
                       std::string(MessageText(heading)) + std::string(blanksAfter, ' ') + stars +
                       "\r\n" + text + "\r\n" + stars + stars + stars;
    reporter.AddMessage(note);
}

}  // namespace

bool MayWriteTextPage(const PageContext& context) {
    const std::string& links = context.settings.links;
    if (links.find('#') != std::string::npos) {
        ReportBoxedNote(context.reporter, Msg::NoteWord, 14, 13,
                        FillIn(Msg::HashInTextLinks, links));
        return false;
    }
    if (!GeneratedByUs(context.PathOf(links))) {
        ReportBoxedNote(context.reporter, Msg::Warning, 10, 10,
                        FillIn(Msg::FileNotGeneratedByUs, links));
        return false;
    }
    return true;
}

}  // namespace lg
