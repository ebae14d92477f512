#include "html/tableau_items.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <string>
#include <tuple>

#include "database/heap_prefault.h"

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

TableauItem MakeItem(TableauItem::Kind kind, int32_t x, int32_t y, int32_t width, int32_t height,
                     bool solid = true) {
    TableauItem item;
    item.kind = kind;
    item.solid = solid;
    item.x = x;
    item.y = y;
    item.width = width;
    item.height = height;
    return item;
}

// One node on the explicit stack of the depth-first walk: where its box is
// and which box of the next column comes next.
struct CollectFrame {
    TlossPerson* node;
    int32_t x;
    int32_t y;
    std::size_t nextLink = 0;
    int32_t firstRow = 0;  // row of the first line to the next column
    int32_t lastRow = 0;   // row of the last one
    int linkCount = 0;
    bool allSolid = true;  // every line to the next column is solid
};

struct Steps {
    int32_t column;  // cx
    int32_t row;     // cy
};

CollectFrame EnterNode(TlossPerson& node, const ChartPoint& at, const Tvariables& settings,
                       Steps steps, bool solid, TableauLists& lists) {
    CollectFrame frame{&node, Nearest(at.x * steps.column), Nearest(at.y * steps.row)};
    TableauItem box = MakeItem(TableauItem::Box, frame.x, frame.y, settings.boxwidth, 0, solid);
    box.chainWidth = settings.boxwidth;
    box.node = &node;
    lists.Add(lists.elements, box);
    return frame;
}

// The vertical line between the first and the last line to the next column,
// and the stub from the box to the middle of the gap.
void LeaveNode(const CollectFrame& frame, const Tvariables& settings, Steps steps,
               TableauLists& lists) {
    if (frame.linkCount == 0) return;
    const int32_t middle = frame.x + steps.column / 2;
    if (frame.linkCount >= 2) {
        int32_t top = std::min(frame.firstRow, frame.lastRow);
        int32_t height = std::abs(frame.lastRow - frame.firstRow);
        lists.Add(lists.lines,
                  MakeItem(TableauItem::Vertical, middle, top, 0, height, frame.allSolid));
    }
    const int32_t half = settings.xspace / 2;
    lists.Add(lists.lines,
              MakeItem(TableauItem::Horizontal, middle - half, frame.y, half, 0, frame.allSolid));
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

bool GreyOffFamilyLine(const Tvariables& settings) {
    return settings.namingscheme.find('@') != std::string::npos;
}

void CollectTableauItems(const TinbredPerson& chart, const Tvariables& settings,
                         TableauLists& lists, ChartDirection direction) {
    TlossPerson& root = *chart.proband;
    auto at = [&chart](const TlossPerson& node) -> const ChartPoint& {
        return chart.coords[static_cast<std::size_t>(node.index)];
    };
    const bool descendants = direction == ChartDirection::Descendants;
    const bool greyOffLine = descendants && GreyOffFamilyLine(settings);
    const Steps steps{settings.boxwidth + settings.xspace, settings.boxheight + settings.yspace};
    const int32_t linkLineWidth = settings.xspace / 2 + settings.boxwidth;
    auto solid = [greyOffLine](const TlossPerson& node) { return !greyOffLine || node.lineFlag; };
    std::vector<CollectFrame> stack;
    stack.push_back(EnterNode(root, at(root), settings, steps, solid(root), lists));
    while (!stack.empty()) {
        CollectFrame& frame = stack.back();
        const std::vector<TlossPerson*>& links =
            descendants ? frame.node->children : frame.node->parents;
        while (frame.nextLink < links.size() && links[frame.nextLink] == nullptr) ++frame.nextLink;
        if (frame.nextLink == links.size()) {
            LeaveNode(frame, settings, steps, lists);
            stack.pop_back();
            continue;
        }
        TlossPerson& linked = *links[frame.nextLink++];
        const int32_t row = Nearest(at(linked).y * steps.row);
        if (frame.linkCount++ == 0) frame.firstRow = row;
        frame.lastRow = row;
        frame.allSolid = frame.allSolid && solid(linked);
        lists.Add(lists.lines, MakeItem(TableauItem::Horizontal, frame.x + steps.column / 2, row,
                                        linkLineWidth, 0, solid(linked)));
        stack.push_back(
            EnterNode(linked, at(linked), settings, steps, solid(linked), lists));  // frame moves
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
            if (following && following->y == line.y && following->x <= end + 1 &&
                following->solid == line.solid) {
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

// The chain that starts at the line becomes one horizontal element.
void AddChainElement(TableauLists& lists, TableauItem& line) {
    ConsumeWholeChain(&line);
    line.width = line.chainWidth;
    lists.elements.push_back(&line);
}

// A bracket between two lines draws them with its top and bottom borders as
// far as both chains reach: that width.
int32_t JoinInBracket(TableauItem& first, TableauItem& last) {
    const int32_t width = std::min(first.chainWidth, last.chainWidth);
    ConsumeChain(&last, width);
    ConsumeChain(&first, width);
    return width;
}

// Joins the lines along a vertical line at x in pairs, shortest chains
// first, each pair as one more bracket. A line that is not as solid as the
// next one is written on its own; a last line left over is written later
// like any other.
void PairLinesAlong(TableauLists& lists, int32_t x, std::vector<TableauItem*>& along) {
    if (along.size() < 2) return;  // a pedigree's two parents are joined already
    std::stable_sort(along.begin(), along.end(), [](const TableauItem* a, const TableauItem* b) {
        return a->chainWidth < b->chainWidth;
    });
    for (std::size_t i = 0; i + 1 < along.size();) {
        TableauItem& a = *along[i];
        TableauItem& b = *along[i + 1];
        if (a.solid != b.solid) {
            // A line that a stub's chain runs through is drawn already.
            if (!a.consumed) AddChainElement(lists, a);
            ++i;
            continue;
        }
        TableauItem bracket;
        bracket.kind = TableauItem::Bracket;
        bracket.solid = a.solid;
        bracket.consumed = true;
        bracket.x = x;
        bracket.y = std::min(a.y, b.y);
        bracket.height = static_cast<int32_t>(std::abs(int64_t{b.y} - a.y));
        bracket.width = bracket.chainWidth = JoinInBracket(a, b);
        lists.Add(lists.elements, bracket);
        i += 2;
    }
}

// The vertical line at lines[index] and the lines at its two ends become one
// bracket: its left border is the vertical line, its top and bottom borders
// draw the two lines. When the end lines are not as solid as the vertical
// line (a family line that leaves the first or the last child), it is drawn
// on its own instead. Any other lines along it are paired into brackets.
void CombineVerticalLines(TableauLists& lists, std::size_t index, std::vector<TableauItem*>& along,
                          Reporter& reporter) {
    TableauItem& vertical = *lists.lines[index];
    const int64_t bottom = int64_t{vertical.y} + vertical.height;
    along.clear();
    for (std::size_t i = index + 1; i < lists.lines.size(); ++i) {
        TableauItem& line = *lists.lines[i];
        if (line.kind != TableauItem::Horizontal || line.x != vertical.x || line.y > bottom) break;
        if (line.y >= vertical.y) along.push_back(&line);
    }
    if (along.size() < 2) {
        reporter.AddMessage("Program error in CombineVerticalLines.", true);
        return;
    }
    vertical.consumed = true;
    TableauItem& first = *along.front();
    TableauItem& last = *along.back();
    if (first.solid == vertical.solid && last.solid == vertical.solid) {
        vertical.kind = TableauItem::Bracket;
        vertical.width = vertical.chainWidth = JoinInBracket(first, last);
        along.pop_back();
        along.erase(along.begin());
    }
    lists.elements.push_back(&vertical);
    PairLinesAlong(lists, vertical.x, along);
}

}  // namespace

void ConvertLines(TableauLists& lists, Reporter& reporter) {
    std::vector<TableauItem*> along;  // scratch of CombineVerticalLines
    for (std::size_t i = 0; i < lists.lines.size() && reporter.RunState() == kRunNormal; ++i) {
        TableauItem& line = *lists.lines[i];
        if (line.consumed) continue;
        if (line.kind == TableauItem::Horizontal) {
            AddChainElement(lists, line);
        } else if (line.kind == TableauItem::Vertical) {
            CombineVerticalLines(lists, i, along, reporter);
        }
    }
    lists.lines.clear();
}

bool PrepareTableau(const TinbredPerson& chart, const Tvariables& settings,
                    ChartDirection direction, Reporter& reporter, PreparedTableau& page) {
    TableauLists& lists = page.lists;
    CollectTableauItems(chart, settings, lists, direction);
    if (lists.elements.empty()) return false;
    if (lists.lines.empty()) {
        // A proband alone still gets his page: the frames page shows it, and
        // a reader following the program's link must not meet a missing file.
        const TableauItem& root = *lists.elements.front();
        page.rootY = root.y;
        page.top = root.y - settings.boxheight / 2;
        page.left = root.x - settings.boxwidth / 2;
        page.probandLink = false;
        return true;
    }
    page.rootY = lists.elements.front()->y;  // the root's box comes first
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

}  // namespace lg
