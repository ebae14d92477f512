#include "html/pedigree_tableau.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>
#include <tuple>

#include "charts/node_names.h"
#include "database/heap_prefault.h"
#include "text/help_texts.h"
#include "text/text_helpers.h"

namespace lg {
namespace {

// Rows and columns are box units; pages want whole pixels: the nearest,
// halves to even. By hand, as the library call costs more than the rest of
// collecting a box.
int32_t Nearest(long double value) {
    constexpr long double kLimit = 2147483647.0L;
    if (!(value > -kLimit && value < kLimit)) return value > 0 ? INT32_MAX : INT32_MIN;
    const auto whole = static_cast<int64_t>(value);                        // toward zero
    const long double fraction = value - static_cast<long double>(whole);  // exact
    int64_t result = whole;
    if (fraction > 0.5L || (fraction == 0.5L && (whole & 1))) ++result;
    if (fraction < -0.5L || (fraction == -0.5L && (whole & 1))) --result;
    return static_cast<int32_t>(result);
}

TableauItem MakeItem(TableauItem::Kind kind, int32_t x, int32_t y, int32_t width, int32_t height) {
    TableauItem item;
    item.kind = kind;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    return item;
}

// One node on the explicit stack of the depth-first walk: where its box is
// and which parent comes next.
struct CollectFrame {
    TlossPerson* node;
    int32_t x;
    int32_t y;
    std::size_t nextParent = 0;
    int32_t fatherRow = 0;  // row of the first parent line
    int32_t motherRow = 0;  // row of the last one
    int parentCount = 0;
};

struct Steps {
    int32_t column;  // cx
    int32_t row;     // cy
};

CollectFrame EnterNode(TlossPerson& node, const Tvariables& settings, Steps steps,
                       TableauLists& lists) {
    CollectFrame frame{&node, Nearest(node.x * steps.column), Nearest(node.y * steps.row)};
    TableauItem box = MakeItem(TableauItem::Box, frame.x, frame.y, settings.boxwidth, 0);
    box.chainWidth = settings.boxwidth;
    box.node = &node;
    lists.Add(lists.elements, box);
    return frame;
}

// The vertical line between the first and the last parent, and the stub from
// the box to the middle of the gap.
void LeaveNode(const CollectFrame& frame, const Tvariables& settings, Steps steps,
               TableauLists& lists) {
    if (frame.parentCount == 0) return;
    const int32_t middle = frame.x + steps.column / 2;
    if (frame.parentCount >= 2) {
        int32_t top = std::min(frame.fatherRow, frame.motherRow);
        int32_t height = std::abs(frame.motherRow - frame.fatherRow);
        lists.Add(lists.lines, MakeItem(TableauItem::Vertical, middle, top, 0, height));
    }
    const int32_t half = settings.xspace / 2;
    lists.Add(lists.lines, MakeItem(TableauItem::Horizontal, middle - half, frame.y, half, 0));
}

}  // namespace

TableauItem& TableauLists::Add(std::vector<TableauItem*>& list, const TableauItem& item) {
    // Big blocks: a chart of 17 generations has half a million items.
    constexpr std::size_t kBlockSize = 16384;
    if (blocks_.empty() || blocks_.back().size() == kBlockSize) {
        blocks_.emplace_back().reserve(kBlockSize);
        // On virtual machines a fault per fresh page costs more than filling it.
        PopulatePages(blocks_.back().data(), kBlockSize * sizeof(TableauItem));
    }
    list.push_back(&blocks_.back().emplace_back(item));
    return *list.back();
}

void CollectTableauItems(TlossPerson& root, const Tvariables& settings, TableauLists& lists) {
    const Steps steps{settings.boxwidth + settings.xspace, settings.boxheight + settings.yspace};
    const int32_t parentLineWidth = settings.xspace / 2 + settings.boxwidth;
    std::vector<CollectFrame> stack;
    stack.push_back(EnterNode(root, settings, steps, lists));
    while (!stack.empty()) {
        CollectFrame& frame = stack.back();
        const std::vector<TlossPerson*>& parents = frame.node->parents;
        while (frame.nextParent < parents.size() && parents[frame.nextParent] == nullptr)
            ++frame.nextParent;
        if (frame.nextParent == parents.size()) {
            LeaveNode(frame, settings, steps, lists);
            stack.pop_back();
            continue;
        }
        TlossPerson& parent = *parents[frame.nextParent++];
        const int32_t row = Nearest(parent.y * steps.row);
        if (frame.parentCount++ == 0) frame.fatherRow = row;
        frame.motherRow = row;
        lists.Add(lists.lines, MakeItem(TableauItem::Horizontal, frame.x + steps.column / 2, row,
                                        parentLineWidth, 0));
        stack.push_back(EnterNode(parent, settings, steps, lists));  // frame may move now
    }
}

namespace {

bool RowOrder(const TableauItem* a, const TableauItem* b) {
    return std::tie(a->y, a->x, b->kind) < std::tie(b->y, b->x, a->kind);
}

bool ColumnOrder(const TableauItem* a, const TableauItem* b) {
    return std::tie(a->x, a->y, b->kind) < std::tie(b->x, b->y, a->kind);
}

// The bits a value between 0 and range needs.
int BitsFor(uint64_t range) {
    return static_cast<int>(std::bit_width(range));
}

// Sorts by the lowest `bits` bits of their key, keeping the order of equal
// keys; the result is in keys, scratch is overwritten.
template <typename Key>
void RadixSort(std::vector<Key>& keys, std::vector<Key>& scratch, int bits) {
    constexpr int kDigitBits = 12;
    constexpr uint64_t kDigitMask = (1u << kDigitBits) - 1;
    scratch.resize(keys.size());
    std::vector<std::size_t> start(kDigitMask + 2);
    for (int shift = 0; shift < bits; shift += kDigitBits) {
        std::fill(start.begin(), start.end(), 0);
        for (const Key& k : keys) ++start[((k.key >> shift) & kDigitMask) + 1];
        for (std::size_t d = 1; d < start.size(); ++d) start[d] += start[d - 1];
        for (const Key& k : keys) scratch[start[(k.key >> shift) & kDigitMask]++] = k;
        keys.swap(scratch);
    }
}

}  // namespace

void TableauLists::Sort(std::vector<TableauItem*>& list, bool rowsFirst) {
    // A radix sort of packed keys: linear and stable, and several times faster
    // than comparing through the pointers. Both coordinates are taken relative
    // to their smallest value, so that together they fit in one number.
    if (list.empty()) return;
    auto first = [rowsFirst](const TableauItem* item) { return rowsFirst ? item->y : item->x; };
    auto second = [rowsFirst](const TableauItem* item) { return rowsFirst ? item->x : item->y; };
    int64_t minA = INT32_MAX, maxA = INT32_MIN, minB = INT32_MAX, maxB = INT32_MIN;
    for (const TableauItem* item : list) {
        minA = std::min<int64_t>(minA, first(item));
        maxA = std::max<int64_t>(maxA, first(item));
        minB = std::min<int64_t>(minB, second(item));
        maxB = std::max<int64_t>(maxB, second(item));
    }
    const int bitsB = BitsFor(static_cast<uint64_t>(maxB - minB));
    const int bits = BitsFor(static_cast<uint64_t>(maxA - minA)) + bitsB + 2;
    if (bits > 64) {  // coordinates billions of pixels apart
        std::stable_sort(list.begin(), list.end(), rowsFirst ? RowOrder : ColumnOrder);
        return;
    }
    keys_.clear();
    if (keys_.capacity() < list.size()) {
        keys_.reserve(list.size());
        sorted_.reserve(list.size());
        PopulatePages(keys_.data(), list.size() * sizeof(SortKey));
        PopulatePages(sorted_.data(), list.size() * sizeof(SortKey));
    }
    for (TableauItem* item : list) {
        const auto a = static_cast<uint64_t>(first(item) - minA);
        const auto b = static_cast<uint64_t>(second(item) - minB);
        keys_.push_back({(a << bitsB | b) << 2 | (3u - (item->kind & 3u)), item});
    }
    RadixSort(keys_, sorted_, bits);
    for (std::size_t i = 0; i < list.size(); ++i) list[i] = keys_[i].item;
}

void ChainHorizontalLines(std::vector<TableauItem*>& lines) {
    // A line's chain depends only on the lines after it, so one backward pass
    // settles every chain without recursing along long rows.
    TableauItem* following = nullptr;  // the next horizontal line in list order
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        TableauItem& line = **it;
        if (line.kind != TableauItem::Horizontal) continue;
        if (line.chainWidth == -1) {
            line.chainWidth = line.width;
            line.next = nullptr;
            const int64_t end = int64_t{line.x} + line.width;
            if (following && following->y == line.y && following->x <= end + 1) {
                line.next = following;
                // A following line that ends inside this one must not shorten it.
                const int64_t chainEnd = int64_t{following->x} + following->chainWidth;
                line.chainWidth = static_cast<int32_t>(std::max(end, chainEnd) - line.x);
            }
        }
        following = &line;
    }
}

namespace {

// Marks the line and the lines after it in its chain as drawn, as far as the
// length reaches from the line's start.
void ConsumeChain(TableauItem* line, int64_t length) {
    while (line && length > 0) {
        line->consumed = true;
        TableauItem* next = line->next;
        if (next) length -= int64_t{next->x} - line->x;
        line = next;
    }
}

void ConsumeWholeChain(TableauItem* line) {
    for (; line; line = line->next) line->consumed = true;
}

// The vertical line at lines[index] with the parent lines at its ends
// becomes one bracket: its left border is the vertical line, its top and
// bottom borders draw the parent lines as far as both chains reach.
void CombineVerticalLines(TableauLists& lists, std::size_t index, Reporter& reporter) {
    TableauItem& vertical = *lists.lines[index];
    const int64_t bottom = int64_t{vertical.y} + vertical.height;
    TableauItem* first = nullptr;
    TableauItem* last = nullptr;
    int count = 0;
    for (std::size_t i = index + 1; i < lists.lines.size(); ++i) {
        TableauItem& line = *lists.lines[i];
        if (line.kind != TableauItem::Horizontal || line.x != vertical.x || line.y > bottom) break;
        if (line.y < vertical.y) continue;
        if (!first) first = &line;
        last = &line;
        ++count;
    }
    if (count < 2) {
        reporter.AddMessage("Program error in CombineVerticalLines.", true);
        return;
    }
    const int32_t width = std::min(first->chainWidth, last->chainWidth);
    ConsumeChain(last, width);
    ConsumeChain(first, width);
    vertical.consumed = true;
    vertical.kind = TableauItem::Bracket;
    vertical.width = vertical.chainWidth = width;
    lists.elements.push_back(&vertical);
}

}  // namespace

void ConvertLines(TableauLists& lists, Reporter& reporter) {
    for (std::size_t i = 0; i < lists.lines.size() && reporter.RunState() == kRunNormal; ++i) {
        TableauItem& line = *lists.lines[i];
        if (line.consumed) continue;
        if (line.kind == TableauItem::Horizontal) {
            ConsumeWholeChain(&line);
            line.width = line.chainWidth;
            lists.elements.push_back(&line);
        } else if (line.kind == TableauItem::Vertical) {
            CombineVerticalLines(lists, i, reporter);
        }
    }
    lists.lines.clear();
}

bool PrepareTableau(TlossPerson& root, const Tvariables& settings, Reporter& reporter,
                    PreparedTableau& page) {
    TableauLists& lists = page.lists;
    CollectTableauItems(root, settings, lists);
    if (lists.lines.empty()) return false;
    lists.SortByRow(lists.lines);
    const int32_t top0 = lists.lines.front()->y;
    ChainHorizontalLines(lists.lines);
    lists.SortByColumn(lists.lines);
    const TableauItem& stub = *lists.lines.front();
    const int32_t left0 = stub.x;
    page.probandLink = stub.y > 600;
    ConvertLines(lists, reporter);
    lists.SortByRow(lists.elements);
    page.top = top0 - settings.boxheight / 2;
    page.left = left0 - settings.boxwidth;
    return true;
}

int32_t HeaderClearance(int32_t left, int32_t top, const std::vector<TableauItem*>& elements,
                        const Tvariables& settings) {
    const int32_t a = 50 - settings.boxheight / 2;
    const int32_t b = 180 - settings.boxheight / 2;
    const int32_t l1 = 150 - settings.boxwidth / 2 - settings.xoffset;
    const int32_t l2 = 400 - settings.boxwidth / 2 - settings.xoffset;
    int32_t clearance = 0;
    for (const TableauItem* item : elements) {
        if (item->y - top > b) break;
        const int32_t x = item->x - left;
        if (x < l1) {
            clearance = std::max(clearance, b - item->y);
        } else if (x < l2) {
            clearance = std::max(clearance, a - item->y);
        }
    }
    return clearance;
}

namespace {

void AppendNumber(std::string& text, int64_t number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    text.append(digits, end);
}

std::string Number(int64_t number) {
    std::string text;
    AppendNumber(text, number);
    return text;
}

std::string ChartTitle(const TlossPerson& root, const PageContext& context) {
    if (!context.settings.title.empty()) return context.settings.title;
    std::string name = root.person ? root.person->FullName(context.options.properdisplay) : "";
    return context.language.pedigreeTitle + " " + context.language.OfPhrase(name);
}

// Head and style sheet shared by the tableau and the outline page.
void WritePedigreeHead(PageFile& file, const PageContext& context) {
    const Tvariables& s = context.settings;
    const std::string linkRule =
        "; mso-text-animation:none; font-weight:normal; text-decoration:none; "
        "text-underline:none; text-line-through:none;}";
    file.Line("<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    file.Line("<html>");
    file.Line("<head>");
    file.Line("  <meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
              context.language.Charset() + "\">");
    file.Line("  <meta name=\"Creator\" content=\"Lignorama by " + std::string(kAuthorName) + "; " +
              kContactEmail + "\">");
    file.Line("  <meta name=\"Subject\" content=\"Ancestor chart; genealogy; pedigree\">");
    file.Line("  <meta name=\"Version\" content=\"" + std::string(kProgramVersion) + "\">");
    file.Line("  <meta name=\"Date\" content=\"" + PageDate(context.clock) + "\">");
    file.Line("  <title>" + s.title + "</title>");
    file.Line("<style type=\"text/css\">");
    file.Line("<!--");
    file.Line("p             { font-family:" + s.fontname + "; font-size:" + Number(s.fontsize) +
              "pt; position: absolute; width:" + Number(s.boxwidth) +
              "; height:" + Number(s.boxheight) +
              "; left: 0; text-align: Center; border: 1pt solid black;"
              "margin-top: 0pt; margin-bottom: 1pt }");
    file.Line("p.m           { background-color:" + s.mcolor + "}");
    file.Line("p.f           { background-color:" + s.fcolor + "}");
    file.Line(
        "table         { position: absolute; border: 1pt solid black; "
        "border-right: 0pt; border-spacing: 0; width:" +
        Number(s.xspace / 2) + " }");
    file.Line("table.w       { width: " + Number(s.xspace + s.boxwidth) + "}");
    file.Line("table.h       { border-left: 0pt; border-bottom: 0pt}");
    file.Line("a:link        { color:blue" + linkRule);
    file.Line("a:visited     { color:purple" + linkRule);
    file.Line("a:active      { color:red" + linkRule);
    file.Line("-->");
    file.Line("</style>");
    file.Line("<base target=\"_self\">");
    file.Line("</head>");
    file.Line("<body BGcolor=\"" + s.bgcolor + "\">");
}

// Title, sex legend and link block at the top left of the tableau.
void WriteTableauHeader(PageFile& file, const PageContext& context, bool probandLink) {
    const Tvariables& s = context.settings;
    const Tlanguage& words = context.language;
    const std::string legendLeft = Number(s.boxwidth / 4 + 10);
    file.Line("  <div style=\"position:absolute; left:" + Number(2 * s.boxwidth) +
              "; top:15\"><font face=" + s.fontname + "><b>" + context.chartTitle +
              "</b><br>&nbsp;</font></div>");
    file.Line("  <p class=m style=\"top:10; left:" + legendLeft + ";\">" + words.male + "</p>");
    file.Line("  <p class=f style=\"top:30; left:" + legendLeft + ";\">" + words.female + "</p>");
    file.Line("  <div style=\"position:absolute; top:50; left:10; width:" +
              Number(3 * s.boxwidth / 2) + "; height:44; text-align:center\">");
    file.Line("    <font face=\"Arial\" size=\"1\">");
    if (!s.links.empty()) file.Line("  " + words.clickHint + "<br><br>");
    if (!s.homeurl.empty()) {
        file.Line("    <a href=\"" + s.homeurl + "\" target=\"" + s.homeframe +
                  "\" style=\"font-size:10pt\" title=\"" + s.hometitle + "\"><b>" + words.home +
                  "</b></a>");
    }
    file.Line("    <br>");
    file.Line("    <a href=\"" + std::string(kHomePageUrl) +
              "\" target=new style=\"font-size:8pt\" title=\"" + words.aboutPage + " (V" +
              std::string(kProgramVersion) + ")\">info</a>");
    if (!s.outline.empty()) {
        file.Line("    <br><br><a href=\"" + s.outline +
                  "\" target=\"_self\" style=\"font-size:10pt\" title=\"" + words.outlineLink +
                  "\"><b>" + words.outlineTitle + "</b></a>");
    }
    if (probandLink) {
        file.Line("    <br><br><a href=\"#proband\" style=\"font-size:8pt\" title=\"" +
                  words.gotoProband + "\"><b>" + words.start + "</b></a>");
    }
    file.Line("    </font>");
    file.Line("  </div>");
}

void WriteOutlineHeader(PageFile& file, const PageContext& context) {
    const Tvariables& s = context.settings;
    file.Line("<div style=\"position:absolute; left:" + Number(2 * s.boxwidth) + "; top:15\">");
    file.Line("   <font face=" + s.fontname + ">");
    file.Line("     <b>" + context.chartTitle + "</b>");
    file.Line("     <br>&nbsp;<br>");
    file.Line(
        "     <a href=\"" + s.output + "\" target=\"_self\" style=\"font-size:10pt\" title=\"" +
        context.language.completeTableau + "\"><b>" + context.language.detailsLink + "</b></a>");
    file.Line("   </font>");
    file.Line("</div>");
}

// The sex shared by the proband and all full siblings, or a blank: the
// proband's box stands for the whole sibship.
char SiblingSex(const Tindividual& person) {
    const Tfamily* family = person.FirstFamily();
    if (!family) return ' ';
    char sex = 0;
    for (const TfamilyChild& child : family->children) {
        if (!child.person) continue;
        if (sex == 0) sex = child.person->sex;
        if (child.person->sex != sex) return ' ';
    }
    return sex == 0 ? ' ' : sex;
}

// The given names of the proband and all full siblings, then the surname.
std::string SiblingCaption(const Tindividual& person) {
    std::string names;
    const Tfamily* family = person.FirstFamily();
    if (family) {
        bool first = true;
        for (const TfamilyChild& child : family->children) {
            if (!child.person) continue;
            if (!first) names += ", ";
            names += child.person->givenNames;
            first = false;
        }
    }
    return JoinWith(names, " ", person.surname);
}

// A hint goes into a quoted attribute: a quote in a name (a nickname) must
// not end it.
std::string AttributeText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == '"') {
            result += "&quot;";
        } else {
            result += c;
        }
    }
    return result;
}

std::string BoxClass(const TlossPerson& node, bool isRoot) {
    if (!node.person) return {};
    const char sex = isRoot ? SiblingSex(*node.person) : node.person->sex;
    if (sex == 'F') return " class=f";
    if (sex == 'M') return " class=m";
    return {};
}

std::string BoxHint(const TlossPerson& node, bool isRoot, const PageContext& context) {
    const Tindividual& person = *node.person;
    std::string hint =
        isRoot ? SiblingCaption(person)
               : NumberLabel(node) + ": " + person.FullName(context.options.properdisplay);
    hint += person.BirthYearSuffix();
    if (node.isDouble && node.twin) hint += " (eq: " + NumberLabel(*node.twin) + ")";
    return hint;
}

// The box's text: its label, linked to the person's row on the text page.
std::string BoxText(const TlossPerson& node, bool isRoot, const PageContext& context) {
    const Tvariables& s = context.settings;
    if (s.fontsize == 0 || !node.person) return {};
    std::string text;
    for (char c : NameForNode(node, s.namingscheme, context.Names(), context.CurrentYear())) {
        if (c == ' ') {
            text += "&nbsp;";
        } else {
            text += c;
        }
    }
    if (s.links.empty() || text.empty()) return text;
    // A further occurrence leads to the one description of the person.
    const TlossPerson& principal = node.isDouble && node.twin ? *node.twin : node;
    const std::string anchor = PersonAnchor(principal, context.options.bookmarks);
    return "<a href=\"" + TextLink(anchor, s.links) + "\" title=\"" +
           AttributeText(BoxHint(node, isRoot, context)) + "\" target=\"" + s.frame + "\">" + text +
           "</a>";
}

void WriteBox(PageFile& file, const TableauItem& box, int32_t pageX, int32_t pageY,
              const TlossPerson& root, const PageContext& context) {
    const TlossPerson& node = *box.node;
    const bool isRoot = &node == &root;
    std::string line = "<p" + BoxClass(node, isRoot) + " style=\"top:";
    AppendNumber(line, pageY - context.settings.boxheight / 2);
    line += ";left:";
    AppendNumber(line, pageX - context.settings.boxwidth / 2);
    if (node.isDouble) line += "; border-style:dotted";
    line += "\">" + BoxText(node, isRoot, context) + "</p>";
    file.Line(line);
}

void WriteLine(PageFile& file, const TableauItem& item, int32_t pageX, int32_t pageY,
               const Tvariables& s) {
    const int32_t parentLineWidth = s.xspace / 2 + s.boxwidth;
    const int32_t columnStep = s.boxwidth + s.xspace;
    std::string line;
    if (item.kind == TableauItem::Horizontal) {
        line = "<table class=h";
    } else {
        line = item.width == columnStep ? "<table class=w" : "<table";
    }
    line += " style=\"top:";
    AppendNumber(line, pageY);
    line += ";left:";
    AppendNumber(line, pageX);
    bool withWidth = item.width > parentLineWidth;
    if (item.kind == TableauItem::Bracket) {
        line += ";height:";
        AppendNumber(line, int64_t{item.height} + 1);
        withWidth = item.width != parentLineWidth && item.width != columnStep;
    }
    if (withWidth) {
        line += ";width:";
        AppendNumber(line, item.width);
    }
    line += "\"><tr><td></table>";
    file.Line(line);
}

void WriteTableauBody(PageFile& file, const TlossPerson& root, const PreparedTableau& page,
                      const PageContext& context) {
    const Tvariables& s = context.settings;
    const int32_t dx = s.xoffset - page.left;
    const int32_t dy = s.yoffset - page.top;
    for (const TableauItem* item : page.lists.elements) {
        const int32_t pageX = item->x + dx;
        const int32_t pageY = item->y + dy;
        if (item->kind == TableauItem::Box) {
            WriteBox(file, *item, pageX, pageY, root, context);
        } else if (item->kind != TableauItem::Vertical) {
            WriteLine(file, *item, pageX, pageY, s);
        }
    }
    const int32_t rootY = Nearest(root.y * (s.boxheight + s.yspace)) + dy;
    if (rootY > 600) {
        file.Line("<p style=\"top:" + Number(rootY - 300) +
                  ";left:10;border:0pt\"><a name=\"proband\"></a></p>");
    }
    file.Line("</body>");
    file.Line("</html>");
}

// Shrinks the chart to the outline's small boxes without text while the
// outline is written, whatever way the writer leaves.
class OutlineSizes {
  public:
    explicit OutlineSizes(Tvariables& settings)
        : settings_(settings),
          saved_{settings.boxwidth, settings.boxheight, settings.xspace, settings.yspace,
                 settings.fontsize} {
        Set({30, 4, 16, 4, 0});
    }
    ~OutlineSizes() { Set(saved_); }
    OutlineSizes(const OutlineSizes&) = delete;
    OutlineSizes& operator=(const OutlineSizes&) = delete;

  private:
    struct Sizes {
        int32_t boxwidth, boxheight, xspace, yspace, fontsize;
    };
    void Set(const Sizes& sizes) {
        settings_.boxwidth = sizes.boxwidth;
        settings_.boxheight = sizes.boxheight;
        settings_.xspace = sizes.xspace;
        settings_.yspace = sizes.yspace;
        settings_.fontsize = sizes.fontsize;
    }

    Tvariables& settings_;
    Sizes saved_;
};

}  // namespace

void WriteTableauPage(TlossPerson& root, PageContext& context) {
    context.chartTitle = ChartTitle(root, context);
    Tvariables& s = context.settings;
    // Without a file name the run already said "No output file specified."
    if (s.output.empty()) return;
    PreparedTableau page;
    if (!PrepareTableau(root, s, context.reporter, page)) return;
    const int32_t clearance = HeaderClearance(page.left, page.top, page.lists.elements, s);
    if (clearance > s.yoffset) s.yoffset = clearance;
    PageFile file(context.PathOf(s.output));
    WritePedigreeHead(file, context);
    WriteTableauHeader(file, context, page.probandLink);
    WriteTableauBody(file, root, page, context);
    file.Close();
}

void WriteOutlinePage(TlossPerson& root, PageContext& context) {
    if (context.settings.outline.empty()) return;
    OutlineSizes sizes(context.settings);
    PreparedTableau page;
    if (!PrepareTableau(root, context.settings, context.reporter, page)) return;
    PageFile file(context.PathOf(context.settings.outline));
    WritePedigreeHead(file, context);
    WriteOutlineHeader(file, context);
    WriteTableauBody(file, root, page, context);
    file.Close();
}

}  // namespace lg
