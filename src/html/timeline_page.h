#pragma once
// The timeline page: every person of a descendant tree as a line over the
// years of his life, spouses beside him, connectors from the parents' rows
// to the children's, and red century and half-century lines. The page is
// drawn with absolutely placed tables, texts and four small bend images.

#include <cstdint>
#include <string>
#include <string_view>

#include "charts/timeline.h"
#include "html/page_common.h"

namespace lg {

// A page file with the document frame every page of this kind shares: the
// head with its meta tags and style block, the body start and end.
class ThtmlDocument {
  public:
    ThtmlDocument(PageFile& file, std::string title) : file_(file), title_(std::move(title)) {}
    virtual ~ThtmlDocument() = default;

    // Writes the whole page: doctype, head, body start, content, body end.
    void Write(const PageContext& context);

  protected:
    virtual std::string StyleBlock() const;
    virtual std::string BodyEnd() const { return "</div></body>"; }
    virtual std::string BodyStart() const = 0;
    virtual void WriteContent() = 0;

    PageFile& file_;
    std::string title_;
    std::string_view fontName_ = "MS Sans Serif";
    int fontSize_ = 6;
};

// The timeline's drawing on the document. The rows must be assigned and the
// range set before Write.
class ThtmlTimeline final : public ThtmlDocument {
  public:
    ThtmlTimeline(PageFile& file, std::string title, const TlossPerson& root,
                  const PageContext& context, int32_t rowHeight, int32_t gap, YearRange range,
                  int32_t height);

  private:
    std::string StyleBlock() const override;
    std::string BodyStart() const override;
    void WriteContent() override;

    void Person(const Tindividual& person);
    void Family(const TlossPerson& node, const Tfamily& family);
    void Connector(int32_t year, int32_t fromRow, const Tindividual& child);
    void TimeLines();
    int32_t X(int32_t year) const;

    const TlossPerson& root_;
    const PageContext& context_;
    int32_t rowHeight_;
    int32_t gap_;
    YearRange range_;
    int32_t width_ = 1024;
    int32_t divWidth_;
    int32_t divHeight_;
};

// The drawing elements, in page pixels; each a whole line's text.
namespace timeline {
std::string VerticalLine(int32_t top, int32_t left, int32_t height);
std::string HorizontalLine(int32_t top, int32_t left, int32_t width);
std::string Text(int32_t top, int32_t left, std::string_view text);
// A corner from the parent's row towards a daughter (up) or a son (down).
std::string Corner(bool daughter, int32_t top, int32_t left, int32_t height, int32_t width);
std::string MarriageMark(bool twoLines, int32_t top, int32_t left, int32_t width);
// A rounded bend of `size` pixels (no image for 5 or less: empty).
std::string Bend(bool daughter, int32_t size, int32_t left, int32_t top);
}  // namespace timeline

// The quarter-circle bend as a GIF89a image of size × size pixels, black on
// a transparent ground: the daughter's bend runs from the bottom left to the
// top right (LORB), the son's from the top left to the bottom right (LBRO).
std::string BendImage(int32_t size, bool daughter);

// The four bend images in the output folder, each written only when it is
// missing. A file that can't be written throws PageWriteError.
void WriteBendImages(const PageContext& context);

// Assigns the rows (start 2 × rowHeight), sets the year range and writes the
// timeline page `fileName` of the tree with the bend images beside it.
// Throws PageWriteError when a file can't be written.
void WriteTimelineHtml(const TlossPerson& root, int32_t rowHeight, int32_t gap,
                       const std::string& fileName, PageContext& context);

}  // namespace lg
