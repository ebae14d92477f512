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

PageFile::PageFile(const std::string& path) {
    Open(path, nullptr);
}

PageFile::PageFile(const PageContext& context, std::string_view fileName, std::string_view what) {
    if (!MayReplacePage(context, fileName, what)) return;
    if (context.reporter.InInterruptibleSection()) reporter_ = &context.reporter;
    Open(context.PathOf(fileName), context.pages);
}

PageFile::~PageFile() = default;

void PageFile::Open(const std::string& path, SafeFileSet* pages) {
    if (pages) {
        file_ = &pages->Open(path);
    } else {
        own_ = std::make_unique<SafeFile>(path);
        file_ = own_.get();
    }
    ThrowIfFailed();
}

void PageFile::ThrowIfFailed() const {
    if (!file_->Ok()) throw PageWriteError(file_->Error());
}

void PageFile::Write(std::string_view text) {
    if (!file_) return;
    file_->Write(text);
    ThrowIfFailed();
    // A look at the keyboard now and then, not at every line.
    unpolled_ += text.size();
    if (reporter_ && unpolled_ >= (1 << 16)) {
        unpolled_ = 0;
        if (reporter_->CheckInterrupted()) throw PagesInterrupted();
    }
}

void PageFile::Close() {
    if (!file_) return;
    if (own_ ? !own_->Commit() : !file_->Finish()) throw PageWriteError(file_->Error());
    file_ = nullptr;
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

void ReportNotGeneratedByUs(const PageContext& context, std::string_view fileName,
                            std::string_view what) {
    ReportBoxedNote(context.reporter, Msg::Warning, 10, 10,
                    FillInAll(Msg::FileNotGeneratedByUs, {fileName, what}));
}

bool MayReplacePage(const PageContext& context, std::string_view fileName, std::string_view what) {
    if (GeneratedByUs(context.PathOf(fileName))) return true;
    ReportNotGeneratedByUs(context, fileName, what);
    return false;
}

bool MayWriteTextPage(const PageContext& context, std::string_view what) {
    const std::string& links = context.settings.links;
    if (links.find('#') != std::string::npos) {
        ReportBoxedNote(context.reporter, Msg::NoteWord, 14, 13,
                        FillIn(Msg::HashInTextLinks, links));
        return false;
    }
    return MayReplacePage(context, links, what);
}

}  // namespace lg
