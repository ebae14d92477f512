#pragma once
// What every HTML page writer shares: the settings and outlets a page is
// written with, the labels and anchors of persons, the page file with its
// CR LF lines, and the note shown when a text page is not written.

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/reporter.h"
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
    explicit PageWriteError(const std::string& file)
        : std::runtime_error("cannot write " + file), file_(file) {}
    const std::string& File() const { return file_; }

  private:
    std::string file_;
};

// An output page, written through a buffer. Lines end in CR LF.
class PageFile {
  public:
    // Creates (truncates) the file; throws PageWriteError when it can't.
    explicit PageFile(const std::string& path);
    ~PageFile();
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    void Write(std::string_view text);
    void Line(std::string_view text) {
        Write(text);
        Write("\r\n");
    }
    // Flushes and closes; throws PageWriteError when the data did not reach
    // the file. The destructor closes silently.
    void Close();

  private:
    void Flush();

    std::string path_;
    std::FILE* file_ = nullptr;
    std::string buffer_;
};

// Whether a text page may be written to the links file: not when links
// holds "#" (the user supplies a collection of files) and not over a file
// the program did not generate. Each refusal is reported as a boxed note
// in the message list (not an error).
bool MayWriteTextPage(const PageContext& context);

}  // namespace lg
