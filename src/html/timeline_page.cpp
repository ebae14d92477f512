#include "html/timeline_page.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <unordered_set>
#include <vector>

#include "base/help_texts.h"
#include "html/genealogy_pages.h"

namespace lg {

namespace timeline {

std::string VerticalLine(int32_t top, int32_t left, int32_t height) {
    return "<table class=v style=\"top:" + std::to_string(top) + "; left:" + std::to_string(left) +
           "; height:" + std::to_string(height) + "\"><tr><td></table>";
}

std::string HorizontalLine(int32_t top, int32_t left, int32_t width) {
    return "<table class=h style=\"top:" + std::to_string(top) + "; left:" + std::to_string(left) +
           "\" width=" + std::to_string(width) + "><tr><td></table>";
}

std::string Text(int32_t top, int32_t left, std::string_view text) {
    return "<p style=\"top:" + std::to_string(top) + "; left:" + std::to_string(left) + "\">" +
           std::string(text) + "</p>";
}

std::string Corner(bool daughter, int32_t top, int32_t left, int32_t height, int32_t width) {
    return std::string(daughter ? "<table class=d" : "<table class=z") +
           " style=\"top:" + std::to_string(top) + "; left:" + std::to_string(left) +
           "; height:" + std::to_string(height) + "\" width=" + std::to_string(width) +
           "><tr><td></table>";
}

std::string MarriageMark(bool twoLines, int32_t top, int32_t left, int32_t width) {
    return std::string("<table") + (twoLines ? " class=m2" : " class=m1") +
           " style=\"top:" + std::to_string(top) + "; left:" + std::to_string(left) +
           "\" width=" + std::to_string(width) + " bgcolor=\"#DDDDDD\"><tr><td></table>";
}

std::string Bend(bool daughter, int32_t size, int32_t left, int32_t top) {
    if (size <= 5) return {};
    const bool big = size > 18;
    const std::string file = std::string(daughter ? "LORB" : "LBRO") + (big ? "26" : "13") + ".gif";
    std::string dimensions;
    if (size != 13 && size != 26)
        dimensions = " height=" + std::to_string(size) + " width=" + std::to_string(size);
    return "<img" + dimensions + " style=\"left:" + std::to_string(left) +
           "; top:" + std::to_string(top) + "\" src=\"" + file + "\" alt=\"\">";
}

}  // namespace timeline

namespace {

std::string MetaTag(std::string_view name, std::string_view value) {
    return "<meta name=\"" + std::string(name) + "\" content=\"" + std::string(value) + "\">";
}

// GIF's variable-length codes, packed from the low bit up.
class BitPacker {
  public:
    void Put(unsigned code, int bits) {
        for (int i = 0; i < bits; ++i) {
            if (used_ == 0) bytes_.push_back(0);
            if (code >> i & 1u) bytes_.back() = static_cast<char>(bytes_.back() | (1 << used_));
            used_ = (used_ + 1) % 8;
        }
    }
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
    int used_ = 0;
};

void PutWord(std::string& out, int32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}

}  // namespace

std::string BendImage(int32_t size, bool daughter) {
    // The arc is centred on the corner opposite the bend, so it meets the
    // straight lines at the middle of the image's left edge and top (or
    // bottom) edge.
    std::vector<unsigned> pixels(static_cast<std::size_t>(size) * size, 0);
    const double r = size - 0.5;
    for (int32_t y = 0; y < size; ++y)
        for (int32_t x = 0; x < size; ++x) {
            const double cy = daughter ? size : 0;
            const double d = std::hypot(x + 0.5 - size, y + 0.5 - cy);
            if (std::fabs(d - r) <= 0.6) pixels[static_cast<std::size_t>(y) * size + x] = 1;
        }
    std::string out = "GIF89a";
    PutWord(out, size);
    PutWord(out, size);
    out += std::string("\x80\x00\x00", 3);                      // two colours, no background
    out += std::string("\xFF\xFF\xFF\x00\x00\x00", 6);          // white, black
    out += std::string("\x21\xF9\x04\x01\x00\x00\x00\x00", 8);  // white is transparent
    out += '\x2C';
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, size);
    PutWord(out, size);
    out += '\x00';
    // Uncompressed LZW: a clear code before every two pixels keeps the
    // code width at three bits.
    constexpr unsigned kClear = 4, kEnd = 5;
    BitPacker bits;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (i % 2 == 0) bits.Put(kClear, 3);
        bits.Put(pixels[i], 3);
    }
    bits.Put(kEnd, 3);
    out += '\x02';  // minimum code size
    const std::string& data = bits.Bytes();
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        out += static_cast<char>(n);
        out += data.substr(at, n);
    }
    out += '\x00';
    out += '\x3B';
    return out;
}

void WriteBendImages(const PageContext& context) {
    for (bool daughter : {true, false})
        for (int32_t size : {13, 26}) {
            const std::string path = context.PathOf(std::string(daughter ? "LORB" : "LBRO") +
                                                    std::to_string(size) + ".gif");
            std::error_code ignored;
            if (std::filesystem::exists(path, ignored)) continue;
            SafeFile file(path);
            file.Write(BendImage(size, daughter));
            if (!file.Commit()) throw PageWriteError(file.Error());
        }
}

void ThtmlDocument::Write(const PageContext& context) {
    file_.Line("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    file_.Line("<html>");
    file_.Line("<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
               context.language.Charset() + "\">\r\n" + MetaTag("Creator", kContactEmail) + "\r\n" +
               MetaTag("Version", kProgramVersion) + "\r\n" +
               MetaTag("Date", PageDate(context.clock)) + "<title> " + title_ + "</title>\r\n" +
               StyleBlock() + "\r\n<base target=\"_self\">\r\n</head>");
    file_.Line(BodyStart());
    WriteContent();
    file_.Line(BodyEnd());
    file_.Line("</html>");
}

std::string ThtmlDocument::StyleBlock() const {
    return "a:link        { color:blue; }\r\n"
           "a:visited     { color:purple; }\r\n"
           "a:active      { color:red; }\r\n";
}

ThtmlTimeline::ThtmlTimeline(PageFile& file, std::string title, const TlossPerson& root,
                             const PageContext& context, int32_t rowHeight, int32_t gap,
                             YearRange range, int32_t height)
    : ThtmlDocument(file, std::move(title)),
      root_(root),
      context_(context),
      rowHeight_(rowHeight),
      gap_(gap),
      range_(range),
      // Room for the names of those born in the last years.
      divWidth_(width_ + 200),
      divHeight_(height + rowHeight) {}

std::string ThtmlTimeline::StyleBlock() const {
    const std::string g = std::to_string(gap_);
    return "<style type=\"text/css\">\r\n<!--\r\n" + ThtmlDocument::StyleBlock() +
           "p             { font-family:" + std::string(fontName_) + "; " +
           "font-size:" + std::to_string(fontSize_) + "pt; " + "position: absolute; " +
           "text-align: left; }\r\n"
           "table         { position: absolute; border: 1pt solid black; cellpadding: 0pt; "
           "cellspacing: 0pt;}\r\n"
           "table.h       { border-bottom: 0pt; border-left: 0pt; border-right:0pt;} /* "
           "horizontaal */\r\n"
           "table.v       { border-top: 0pt; border-bottom: 0pt; border-right:0pt;}  /* "
           "vertikaal */\r\n"
           "table.d       { border-bottom: 0pt; border-right:0pt;}                   /* "
           "dochter: hoek omhoog */\r\n"
           "table.z       { border-top: 0pt; border-right:0pt;}                      /* zoon: "
           "hoek omlaag */\r\n"
           "table.m1      { border-right: 0pt; height:" +
           g +
           ";}        /* huwelijks lijntje links */\r\n"
           "table.m2      { height:" +
           g +
           ";}                           /* twee huwelijks lijntjes */\r\n"
           "table.j100    { border: 1pt solid red; border-top: 0pt; border-bottom: 0pt; "
           "border-right: 0pt; }  /* eeuwlijnen */\r\n"
           "table.j50     { border: 1pt dashed red; border-top: 0pt; border-bottom: 0pt; "
           "border-right: 0pt; } /* 50-jaarlijnen */\r\n"
           "img           { position: absolute; border: 0pt; }\r\n"
           "-->\r\n</style>";
}

std::string ThtmlTimeline::BodyStart() const {
    return "<body>\r\n<div style=\"width: " + std::to_string(divWidth_) + "; " +
           "height: " + std::to_string(divHeight_) + "\">";
}

int32_t ThtmlTimeline::X(int32_t year) const {
    return std::clamp(range_.X(year, width_), 0, width_);
}

void ThtmlTimeline::Person(const Tindividual& person) {
    using namespace timeline;
    const int32_t row = person.timelineRow;
    const bool known = person.birthYear != 0 && person.deathYear != 0;
    const int32_t from = X(person.birthYear != 0 ? person.birthYear : range_.first);
    const int32_t to = X(person.deathYear != 0 ? person.deathYear : range_.last + 1);
    const std::string name =
        IsUnnamed(person) ? UnnamedWord(person, context_.language)
                          : context_.FileText(person.FullName(context_.options.properdisplay));
    // Spouses' rows lie a gap apart: the upper one's name goes above its
    // line, so that the two names do not cover each other.
    bool partnerBelow = false;
    for (const Tspouse& f : person.famsList) {
        if (!f.family) continue;
        const Tindividual* spouse =
            f.family->husband == &person ? f.family->wife : f.family->husband;
        partnerBelow = partnerBelow || (spouse && spouse->timelineRow == row + gap_);
    }
    // (A paragraph keeps its margin above the text, about 8 pixels.)
    file_.Line(Text(partnerBelow ? row + 1 - rowHeight_ - 8 : row + 1, from + 2, name));
    std::string line = HorizontalLine(row, from, std::max(1, to - from));
    // A life with an unknown end runs to the edge of the scale, drawn
    // dashed and grey so it does not pass for a known year.
    if (!known) line.insert(line.find("\" width="), "; border-top: 1pt dashed #999999");
    file_.Line(line);
}

void ThtmlTimeline::Connector(int32_t year, int32_t fromRow, const Tindividual& child) {
    using namespace timeline;
    const int32_t toRow = child.timelineRow;
    if (toRow == 0 || toRow == fromRow) return;
    const bool daughter = toRow < fromRow;
    const int32_t left = X(year);
    const int32_t childStart = X(child.birthYear != 0 ? child.birthYear : range_.first);
    const int32_t width = std::max(0, childStart - left);
    const int32_t height = std::abs(toRow - fromRow);
    const int32_t size = std::min({width, height, 26});
    if (size <= 5) {
        file_.Line(Corner(daughter, std::min(fromRow, toRow), left, height, std::max(1, width)));
        return;
    }
    if (daughter) {
        file_.Line(Bend(true, size, left, toRow));
        if (height > size) file_.Line(VerticalLine(toRow + size, left, height - size));
    } else {
        file_.Line(Bend(false, size, left, toRow - size + 1));
        if (height > size) file_.Line(VerticalLine(fromRow, left, height - size));
    }
    if (width > size) file_.Line(HorizontalLine(toRow, left + size, width - size));
}

void ThtmlTimeline::Family(const TlossPerson& node, const Tfamily& family) {
    const Tindividual& self = *node.person;
    const Tindividual* spouse = family.husband == &self ? family.wife : family.husband;
    const int32_t married = MarriageYear(family);
    if (spouse && spouse->timelineRow != 0 && married != 0) {
        const int32_t top = std::min(self.timelineRow, spouse->timelineRow);
        const int32_t height = std::abs(self.timelineRow - spouse->timelineRow);
        // The mark spans the gap between two neighbouring rows only.
        if (height == gap_) file_.Line(timeline::MarriageMark(true, top, X(married), 3));
    }
    for (const TlossPerson* child : node.children) {
        if (!child->person) continue;
        bool ofFamily = false;
        for (const TfamilyChild& c : family.children)
            ofFamily = ofFamily || c.person == child->person;
        if (!ofFamily) continue;
        const int32_t year = married != 0 ? married : child->person->birthYear;
        Connector(year != 0 ? year : range_.first, self.timelineRow, *child->person);
    }
}

void ThtmlTimeline::TimeLines() {
    const int32_t top = range_.last - range_.last % 50;
    for (int32_t year = top; year >= range_.first; year -= 50) {
        const int32_t x = X(year);
        const bool century = year % 100 == 0;
        if (century) {
            const std::string left = std::to_string(x + 2);
            const std::string y = std::to_string(year);
            file_.Line("<p style=\"color:red; top:2; left:" + left + "\">" + y + "</p>");
            file_.Line("<p style=\"color:red; top:" + std::to_string(divHeight_ - 10) +
                       "; left:" + left + "\">" + y + "</p>");
        }
        file_.Line(std::string("<table class=") + (century ? "j100" : "j50") +
                   " style=\"left:" + std::to_string(x) +
                   "; top:0; height:" + std::to_string(divHeight_) + "\"><tr><td></table>");
    }
}

void ThtmlTimeline::WriteContent() {
    std::unordered_set<const Tindividual*> drawn;
    std::vector<const TlossPerson*> work{&root_};
    while (!work.empty()) {
        const TlossPerson* node = work.back();
        work.pop_back();
        if (!node->person || !drawn.insert(node->person).second) continue;
        Person(*node->person);
        for (const Tspouse& f : node->person->famsList) {
            if (!f.family) continue;
            const Tindividual* spouse =
                f.family->husband == node->person ? f.family->wife : f.family->husband;
            if (spouse && spouse->timelineRow != 0 && drawn.insert(spouse).second) Person(*spouse);
            Family(*node, *f.family);
        }
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it)
            work.push_back(*it);
    }
    TimeLines();
}

void WriteTimelineHtml(const TlossPerson& root, int32_t rowHeight, int32_t gap,
                       const std::string& fileName, PageContext& context) {
    // The rows are the persons' scratch fields, not the chart's layout.
    const int32_t height = AssignTimelineRows(root, TimelineRows{2 * rowHeight, rowHeight, gap});
    const YearRange range = TimelineYearRange(root, context.CurrentYear());
    std::string title = context.FileText(context.settings.title);
    if (title.empty() && root.person)
        title = IsUnnamed(*root.person)
                    ? UnnamedWord(*root.person, context.language)
                    : context.FileText(root.person->FullName(context.options.properdisplay));
    context.chartTitle = title;
    PageFile file(context, fileName, "the timeline page");
    ThtmlTimeline page(file, title, root, context, rowHeight, gap, range, height);
    page.Write(context);
    file.Close();
    WriteBendImages(context);
}

}  // namespace lg
