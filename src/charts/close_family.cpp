#include "charts/close_family.h"

#include <algorithm>
#include <cmath>

#include "base/messages.h"

namespace lg {
namespace {

constexpr int32_t kGrandparentRow = 0;
constexpr int32_t kParentRow = 2;
constexpr int32_t kFocusRow = 4;
constexpr double kFocusColumn = 2.5;
constexpr double kPartnerColumn = 4.5;
constexpr double kChildColumn = 3.5;
constexpr int32_t kCaptionX = 3;
constexpr int32_t kChildCaptionX = 23;

// Appends items and their drawing steps together, so that the two cannot
// disagree.
class LayoutBuilder {
  public:
    explicit LayoutBuilder(CloseFamilyLayout& layout) : layout_(layout) {}

    void Box(Tindividual& person, FamilyCell cell) {
        layout_.boxes.push_back({&person, cell.column, cell.row});
        Step(FamilyPart::Box, layout_.boxes.size());
        layout_.lastColumn = std::max(layout_.lastColumn, cell.column);
        UseRow(cell.row);
    }
    void Connector(FamilyCell from, FamilyCell to, bool dotted) {
        layout_.connectors.push_back({from, to, dotted});
        Step(FamilyPart::Connector, layout_.connectors.size());
    }
    void Label(std::string text, int32_t x, int32_t row) {
        layout_.labels.push_back({std::move(text), x, row});
        Step(FamilyPart::Label, layout_.labels.size());
        UseRow(row);
    }
    void ChildLine(double column, int32_t fromRow, int32_t toRow) {
        layout_.childLines.push_back({column, fromRow, toRow});
        Step(FamilyPart::ChildLine, layout_.childLines.size());
    }
    void UseRow(int32_t row) { layout_.lastRow = std::max(layout_.lastRow, row); }

  private:
    void Step(FamilyPart part, std::size_t size) { layout_.steps.push_back({part, size - 1}); }

    CloseFamilyLayout& layout_;
};

// A parent with the parent's own parents above: the line from the focus
// person, then each grandparent's line and box, then the parent's box.
bool AddParentBranch(LayoutBuilder& builder, Tindividual* parent, FamilyCell cell,
                     double firstGrandparentColumn, bool& grandparentShown) {
    if (!parent) return false;
    const FamilyCell focus{kFocusColumn, kFocusRow};
    builder.Connector(focus, cell, false);
    Tindividual* const grandparents[] = {parent->father, parent->mother};
    for (int i = 0; i < 2; ++i) {
        if (!grandparents[i]) continue;
        const FamilyCell above{firstGrandparentColumn + i, kGrandparentRow};
        builder.Connector(cell, above, false);
        builder.Box(*grandparents[i], above);
        grandparentShown = true;
    }
    builder.Box(*parent, cell);
    return true;
}

std::string Numbered(Msg caption, std::size_t number) {
    return std::string(MessageText(caption)) + " " + std::to_string(number);
}

}  // namespace

int CloseFamilyLayout::IndexOf(const Tindividual& person) const {
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].person == &person) return static_cast<int>(i);
    return -1;
}

CloseFamilyLayout LayOutCloseFamily(Tindividual& focus) {
    CloseFamilyLayout layout;
    LayoutBuilder builder(layout);
    const FamilyCell focusCell{kFocusColumn, kFocusRow};

    bool grandparentShown = false;
    const bool fatherShown =
        AddParentBranch(builder, focus.father, {1.5, kParentRow}, 1, grandparentShown);
    const bool motherShown =
        AddParentBranch(builder, focus.mother, {3.5, kParentRow}, 3, grandparentShown);

    if (fatherShown || motherShown)
        builder.Label(std::string(MessageText(Msg::Parents)), kCaptionX, kParentRow);
    if (grandparentShown)
        builder.Label(std::string(MessageText(Msg::Grandparents)), kCaptionX, kGrandparentRow);
    builder.Label(std::string(MessageText(Msg::FocusPerson)), kCaptionX, kFocusRow);

    std::vector<const Tfamily*> families;
    for (const Tspouse& link : focus.famsList)
        if (link.family) families.push_back(link.family);

    int32_t row = kFocusRow;
    std::size_t childNumber = 0;
    for (std::size_t i = 0; i < families.size(); ++i) {
        const Tfamily& family = *families[i];
        const int32_t partnerRow = ++row;
        const FamilyCell partnerCell{kPartnerColumn, partnerRow};
        builder.UseRow(partnerRow);
        builder.Label(families.size() > 1 ? Numbered(Msg::Partner, i + 1)
                                          : std::string(MessageText(Msg::Partner)),
                      kCaptionX, partnerRow);
        Tindividual* const partner = family.husband == &focus ? family.wife : family.husband;
        if (partner && partner != &focus) {
            builder.Connector(partnerCell, focusCell, true);
            builder.Box(*partner, partnerCell);
        }
        const auto shown = std::count_if(family.children.begin(), family.children.end(),
                                         [](const TfamilyChild& c) { return c.person; });
        if (shown > 0)
            builder.ChildLine(kChildColumn, partnerRow, partnerRow + static_cast<int32_t>(shown));
        for (const TfamilyChild& child : family.children) {
            if (!child.person) continue;
            ++row;
            builder.Box(*child.person, {kChildColumn, row});
            builder.Label(Numbered(Msg::Child, ++childNumber), kChildCaptionX, row);
        }
    }

    builder.Box(focus, focusCell);
    return layout;
}

CloseFamilyGeometry CloseFamilyGeometry::Of(const Tvariables& settings) {
    CloseFamilyGeometry geometry;
    geometry.boxWidth = (3 * settings.boxwidth + 1) / 2;
    geometry.boxHeight = (3 * settings.boxheight + 1) / 2;
    geometry.columnStep = geometry.boxWidth + settings.xspace;
    geometry.rowStep = geometry.boxHeight + settings.yspace;
    return geometry;
}

FamilyPixel CloseFamilyGeometry::Centre(FamilyCell cell) const {
    const auto left = static_cast<int32_t>(std::lround(cell.column * columnStep));
    return {kMargin + left + boxWidth / 2, RowCentre(cell.row)};
}

int32_t CloseFamilyGeometry::RowCentre(int32_t row) const {
    return kMargin + row * rowStep + boxHeight / 2;
}

std::vector<FamilyPixel> CloseFamilyGeometry::ConnectorPath(
    const FamilyConnector& connector) const {
    const FamilyPixel from = Centre(connector.from);
    const FamilyPixel to = Centre(connector.to);
    if (from.x != to.x && from.y != to.y) return {from, {to.x, from.y}, to};
    return {from, to};
}

FamilyPixel CloseFamilyGeometry::Extent(const CloseFamilyLayout& layout) const {
    const auto left = static_cast<int32_t>(std::lround(layout.lastColumn * columnStep));
    return {kMargin + left + boxWidth + kMargin,
            kMargin + layout.lastRow * rowStep + boxHeight + kMargin};
}

int CloseFamilyGeometry::BoxAt(const CloseFamilyLayout& layout, int32_t x, int32_t y) const {
    for (std::size_t i = layout.boxes.size(); i-- > 0;) {
        const FamilyPixel centre = Centre(layout.boxes[i].Cell());
        // The rectangle DrawBox fills: whole pixels either side of the centre.
        if (x >= centre.x - boxWidth / 2 && x < centre.x + boxWidth / 2 &&
            y >= centre.y - boxHeight / 2 && y < centre.y + boxHeight / 2)
            return static_cast<int>(i);
    }
    return -1;
}

void FocusHistory::Push(std::string_view id) {
    if (!ids.empty()) ids.resize(current + 1);
    ids.emplace_back(id);
    current = ids.size() - 1;
}

bool FocusHistory::Back() {
    if (!CanGoBack()) return false;
    --current;
    return true;
}

bool FocusHistory::Forward() {
    if (!CanGoForward()) return false;
    ++current;
    return true;
}

std::string_view FocusHistory::Current() const {
    return ids.empty() ? std::string_view() : std::string_view(ids[current]);
}

}  // namespace lg
