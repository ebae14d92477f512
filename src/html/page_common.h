#pragma once
// What every HTML page writer shares: the settings and outlets a page is
// written with, the labels and anchors of persons, the page file with its
// CR LF lines, and the note shown when a text page is not written.

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "base/clock.h"
#include "base/reporter.h"
#include "base/safe_file.h"
#include "charts/chart_records.h"
#include "charts/settings_types.h"
#include "html/person_description.h"
#include "text/language.h"
#include "text/names.h"

namespace lg {

// Written into the pages' meta tags and the "info" link.
inline constexpr std::string_view kProgramVersion = "4.1.3b";
inline constexpr std::string_view kAuthorName = "Lignorama team";
inline constexpr std::string_view kHomePageUrl = "https://lignorama.org/";

struct PageContext;

// A chart drawn as a picture file's bytes (a JPEG), or the reason it could
// not be; only the surfaces that can paint have a maker (render/).
struct ChartImage {
    std::string bytes;
    std::string error;
};
using ChartImageMaker = ChartImage (*)(const TinbredPerson& chart, const PageContext& context);

// Everything a page writer reads besides the chart. The references must
// outlive the writer call.
struct PageContext {
    Tvariables& settings;  // the current settings; the tableau may raise yoffset
    const GlobalOptions& options;
    const Tlanguage& language;
    std::string outputDirectory;  // empty: the current directory
    Reporter& reporter;
    const Clock& clock;
    // The title the tableau sets and the outline and text pages repeat.
    std::string& chartTitle;
    // The pages of the chart being published, put in place together once
    // all are written; null: each page takes its place when it is closed.
    SafeFileSet* pages = nullptr;
    // Draws the offspring page's picture; null where nothing can paint.
    ChartImageMaker chartImage = nullptr;

    NameOptions Names() const { return {settings.namelength, options.patronym}; }
    int CurrentYear() const { return clock.CurrentYear(); }
    DescriptionContext Descriptions() const;
    // Text from the file or typed by the user, ready for the page's code page.
    std::string FileText(std::string_view text) const;
    // The file name joined to the output directory.
    std::string PathOf(std::string_view fileName) const;
};

// The node's ancestor number while its generation is 30 or less, beyond
// that generation "." rank (the numbers would not fit in 32 bits).
std::string NumberLabel(const TlossPerson& node);

// The anchor of the node's person on the text pages: "BM" + NumberLabel
// with bookmarks 1, otherwise BookmarkOf the person's ID.
std::string PersonAnchor(const TlossPerson& node, int bookmarks);

// Today in the system's short date format, for the pages' Date meta tag.
std::string PageDate(const Clock& clock);

// A page file could not be created or written. Ends the HTML command; the
// command reports it.
class PageWriteError : public std::runtime_error {
  public:
    explicit PageWriteError(FileError error)
        : std::runtime_error(error.Text()), error_(std::move(error)) {}
    const std::string& File() const { return error_.file; }
    const std::string& Reason() const { return error_.reason; }

  private:
    FileError error_;
};

// The user interrupted the writing of the pages.
class PagesInterrupted : public std::runtime_error {
  public:
    PagesInterrupted() : std::runtime_error("interrupted") {}
};

// An output page, written through a buffer. Lines end in CR LF. The page is
// written under a temporary name, so the old file stays whole until the new
// one is complete.
class PageFile {
  public:
    // A page on its own: it takes its place when it is closed. Throws
    // PageWriteError when it can't be created.
    explicit PageFile(const std::string& path);
    // A page of the chart being published, named `fileName` in the output
    // folder. It goes into context.pages when there is a set. A file there
    // that the program did not write is kept: the refusal is reported as a
    // boxed warning naming `what` ("the chart page"), and the page's text
    // goes nowhere. While the reporter's section is interruptible, an
    // interruption ends the writing with PagesInterrupted.
    PageFile(const PageContext& context, std::string_view fileName, std::string_view what);
    ~PageFile();
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    void Write(std::string_view text);
    void Line(std::string_view text) {
        Write(text);
        Write("\r\n");
    }
    // Completes the page; throws PageWriteError when the data did not reach
    // the file. A page that is dropped unclosed leaves the old file alone.
    void Close();

  private:
    void Open(const std::string& path, SafeFileSet* pages);
    void ThrowIfFailed() const;

    std::unique_ptr<SafeFile> own_;
    SafeFile* file_ = nullptr;
    Reporter* reporter_ = nullptr;
    std::size_t unpolled_ = 0;
};

// Whether the page `fileName` in the output folder may be written: not over
// a file the program did not write. A refusal is reported as a boxed warning
// in the message list (not an error) that names `what` was not produced.
bool MayReplacePage(const PageContext& context, std::string_view fileName, std::string_view what);

// Reports the boxed warning of MayReplacePage: the file `fileName` is not
// the program's, so `what` was not produced.
void ReportNotGeneratedByUs(const PageContext& context, std::string_view fileName,
                            std::string_view what);

// Whether a text page may be written to the links file: not when links
// holds "#" (the user supplies a collection of files) and not over a file
// the program did not generate (see MayReplacePage). Each refusal is
// reported as a boxed note in the message list (not an error).
bool MayWriteTextPage(const PageContext& context, std::string_view what);

}  // namespace lg
