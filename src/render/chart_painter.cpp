#include "render/chart_painter.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "base/text_helpers.h"
#include "charts/node_names.h"
#include "charts/offspring.h"
#include "render/qt_text.h"

namespace lg::render {
namespace {

const QColor kGreyPen(128, 128, 128);
const QColor kSilver(192, 192, 192);

QColor PenBySex(char sex, bool highlighted) {
    if (sex == 'M') return highlighted ? QColor(53, 127, 127) : QColor(106, 255, 255);
    if (sex == 'F') return highlighted ? QColor(127, 39, 127) : QColor(255, 79, 255);
    return Qt::black;
}

QPoint ToPoint(PixelPoint point) {
    return {point.x, point.y};
}

// Qt's SVG generator writes no clip paths: a name cut by the box's edge
// would run on over the lines beside it.
bool ClippingIgnored(QPainter& painter) {
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG;
}

// The longest beginning of the text no wider than `width`: the letters the
// clipped name shows whole.
QString LettersThatFit(const QFontMetrics& metrics, const QString& text, int width) {
    qsizetype count = text.size();
    while (count > 0 && metrics.horizontalAdvance(text.left(count)) > width) --count;
    return text.left(count);
}

}  // namespace

BoxColours SetBoxColors(const TlossPerson& node) {
    BoxColours colours;
    colours.pen = node.person ? PenBySex(node.person->sex, node.highlight) : kGreyPen;
    if (node.visited) {
        colours.fill = colours.pen;
        colours.pen = Qt::black;
    } else {
        Color grey = GreyColor(node.shade);
        colours.fill = QColor(grey.red, grey.green, grey.blue);
    }
    colours.text = TextColourOn(colours.fill);
    return colours;
}

namespace {

double RelativeLuminance(const QColor& colour) {
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextColourOn(const QColor& fill) {
    const QColor black(Qt::black), white(Qt::white);
    return ContrastRatio(fill, black) >= ContrastRatio(fill, white) ? black : white;
}

QColor LightMaleColour() {
    return PenBySex('M', false);
}
QColor LightFemaleColour() {
    return PenBySex('F', false);
}

void DrawBox(QPainter& painter, QPoint centre, QSize size, const BoxColours& colours,
             const QString& text, bool drawText) {
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    const QRect box(centre.x() - halfWidth, centre.y() - halfHeight, 2 * halfWidth, 2 * halfHeight);
    // Qt outlines a rectangle one pixel beyond its size: keep the border on it.
    const QRect outline = box.adjusted(0, 0, -1, -1);
    painter.setPen(colours.pen);
    painter.setBrush(colours.fill);
    painter.drawRect(outline);
    if (drawText && !text.isEmpty()) {
        const QFontMetrics metrics = painter.fontMetrics();
        const int width = metrics.horizontalAdvance(text);
        const int top = centre.y() - metrics.height() / 2;
        painter.setPen(colours.text);
        if (width <= size.width() - 2) {
            painter.drawText(QPoint(centre.x() - width / 2, top + metrics.ascent()), text);
        } else {
            painter.save();
            painter.setClipRect(box);
            painter.drawText(
                QPoint(box.left() + 1, top + metrics.ascent()),
                ClippingIgnored(painter) ? LettersThatFit(metrics, text, size.width() - 2) : text);
            painter.restore();
            painter.setPen(colours.pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(outline);
        }
    }
    painter.setBrush(Qt::white);
}

ChartPainter::ChartPainter(const Tvariables& settings, const NameOptions& names, int currentYear)
    : settings_(settings),
      names_(names),
      currentYear_(currentYear),
      metrics_(ChartMetrics::Of(settings)),
      font_(ToQString(StripQuotes(settings.fontname))),
      greyBranches_(settings.namingscheme.find('@') != std::string::npos) {
    if (settings.fontsize > 0) font_.setPointSize(settings.fontsize);
}

void ChartPainter::UsePixelFont() {
    if (settings_.fontsize > 0) font_.setPixelSize(std::max(1, settings_.fontsize * 96 / 72));
}

QString ChartPainter::BoxText(const TlossPerson& node, ChartShape shape) const {
    // The graphs of the analyses name every box alike, as the index does.
    if (shape == ChartShape::Graph) return node.person ? ToQString(node.person->IndexName()) : "";
    return ToQString(NameForNode(node, settings_.namingscheme, names_, currentYear_));
}

namespace {

// Whether the box is one of the laid-out chart's (a fan leaves the boxes of
// the generations beyond it out).
bool LaidOut(const ChartLayout& layout, const TlossPerson& node) {
    return layout.chart && node.index >= 0 &&
           static_cast<std::size_t>(node.index) < layout.centres.size() &&
           layout.chart->nodes[static_cast<std::size_t>(node.index)] == &node;
}

}  // namespace

void ChartPainter::Paint(QPainter& painter, const ChartLayout& layout, ChartShape shape,
                         QRect exposed, const DoubleLink& link, const Parts& parts) const {
    painter.fillRect(exposed, parts.ground);
    painter.setFont(font_);
    const std::vector<Line>& lines = LinesOf(layout, shape);
    PaintEllipses(painter, exposed);
    if (link.IsSet() && LaidOut(layout, *link.from) && LaidOut(layout, *link.to)) {
        painter.setPen(Qt::red);
        painter.drawLine(ToPoint(layout.CentreOf(*link.from)), ToPoint(layout.CentreOf(*link.to)));
    }
    PaintLines(painter, lines, exposed);
    if (parts.boxes) PaintBoxes(painter, layout, exposed);
}

namespace {

// From the child's right edge to the middle of the gap, then to the
// parent's row and its left edge.
void TreeLines(const ChartPainter::ShapeContext& c, std::vector<ChartPainter::Line>& lines) {
    const int halfWidth = c.layout.metrics.boxwidth / 2;
    for (const TlossPerson* node : c.layout.chart->nodes) {
        const QPoint start = ToPoint(c.layout.CentreOf(*node)) + QPoint(halfWidth, 0);
        for (const TlossPerson* parent : node->parents)
            if (parent)
                lines.push_back(ChartPainter::MakeLine(
                    start, start.x() + c.layout.metrics.xspace / 2,
                    ToPoint(c.layout.CentreOf(*parent)) - QPoint(halfWidth, 0), Qt::black));
    }
}

// From each child's left edge halfway back, to the parent's row and its
// right edge; with grey branches, a child off the family line in silver.
void DescendantLines(const ChartPainter::ShapeContext& c, std::vector<ChartPainter::Line>& lines) {
    const int halfWidth = c.layout.metrics.boxwidth / 2;
    for (const TlossPerson* node : c.layout.chart->nodes) {
        const QPoint end = ToPoint(c.layout.CentreOf(*node)) + QPoint(halfWidth, 0);
        for (const TlossPerson* child : node->children) {
            if (!child) continue;
            const QPoint start = ToPoint(c.layout.CentreOf(*child)) - QPoint(halfWidth, 0);
            const QColor colour = c.greyBranches && !child->lineFlag ? kSilver : QColor(Qt::black);
            lines.push_back(ChartPainter::MakeLine(start, (start.x() + end.x()) / 2, end, colour));
        }
    }
}

ChartPainter::Line StraightLine(QPoint from, QPoint to, const QColor& colour, int width) {
    ChartPainter::Line line;
    line.points[0] = from;
    line.points[1] = to;
    line.count = 2;
    const int reach = (width + 1) / 2;
    line.left = std::min(from.x(), to.x()) - reach;
    line.right = std::max(from.x(), to.x()) + reach;
    line.top = std::min(from.y(), to.y()) - reach;
    line.bottom = std::max(from.y(), to.y()) + reach;
    line.colour = colour;
    line.width = width;
    return line;
}

// Straight from each box to each of its parents in the chart: red where
// a click marked both ends, silver otherwise.
void GraphLines(const ChartPainter::ShapeContext& c, std::vector<ChartPainter::Line>& lines) {
    for (const TlossPerson* node : c.layout.chart->nodes) {
        const QPoint start = ToPoint(c.layout.CentreOf(*node));
        for (const TlossPerson* parent : node->parents)
            if (parent)
                lines.push_back(StraightLine(
                    start, ToPoint(c.layout.CentreOf(*parent)),
                    node->expanded && parent->expanded ? QColor(Qt::red) : kSilver, 1));
    }
}

// The fan's branches, depth first from the root: from each child's centre
// to its parent's, thick near the foot and thin at the rim; then at every
// box of the outermost generation that has children (not shown) a grey
// spoke per child, 10 degrees apart, pointing away from the root.
void FanLines(const ChartPainter::ShapeContext& c, std::vector<ChartPainter::Line>& lines) {
    const TinbredPerson& chart = *c.layout.chart;
    if (!chart.proband || !LaidOut(c.layout, *chart.proband)) return;
    const int32_t levels = FanLevels(chart);
    const QPoint root = ToPoint(c.layout.CentreOf(*chart.proband));
    std::vector<const TlossPerson*> work{chart.proband};
    std::vector<const TlossPerson*> rim;
    while (!work.empty()) {
        const TlossPerson& node = *work.back();
        work.pop_back();
        if (node.generation >= levels) {
            if (!node.children.empty()) rim.push_back(&node);
            continue;
        }
        const QPoint centre = ToPoint(c.layout.CentreOf(node));
        for (auto it = node.children.rbegin(); it != node.children.rend(); ++it)
            if (*it && LaidOut(c.layout, **it)) work.push_back(*it);
        for (const TlossPerson* child : node.children)
            if (child && LaidOut(c.layout, *child))
                lines.push_back(StraightLine(ToPoint(c.layout.CentreOf(*child)), centre, Qt::black,
                                             levels - node.generation));
    }
    const long double length = 0.75L * c.layout.metrics.boxwidth;
    const long double pi = 3.14159265358979323846L;
    for (const TlossPerson* node : rim) {
        const QPoint centre = ToPoint(c.layout.CentreOf(*node));
        const long double direction =
            centre.x() == root.x() ? -pi / 2
                                   : std::atan2(centre.y() - root.y(), centre.x() - root.x());
        const std::size_t n = node->children.size();
        for (std::size_t i = 0; i < n; ++i) {
            const long double angle = direction + (static_cast<long double>(i) * 10 -
                                                   (static_cast<long double>(n) - 1) * 5) *
                                                      pi / 180;
            const QPoint end(static_cast<int>(std::lround(centre.x() + length * std::cos(angle))),
                             static_cast<int>(std::lround(centre.y() + length * std::sin(angle))));
            lines.push_back(StraightLine(end, centre, kGreyPen, 1));
        }
    }
}

// The line-making function of every shape, in the order of ChartShape.
constexpr void (*kShapeLines[])(const ChartPainter::ShapeContext&,
                                std::vector<ChartPainter::Line>&) = {TreeLines, DescendantLines,
                                                                     GraphLines, FanLines};

}  // namespace

ChartPainter::Line ChartPainter::MakeLine(QPoint start, int middle, QPoint end,
                                          const QColor& colour) {
    Line line;
    line.points[0] = start;
    line.points[1] = {middle, start.y()};
    line.points[2] = {middle, end.y()};
    line.points[3] = end;
    line.count = 4;
    line.left = std::min({start.x(), middle, end.x()});
    line.right = std::max({start.x(), middle, end.x()});
    line.top = std::min(start.y(), end.y());
    line.bottom = std::max(start.y(), end.y());
    line.colour = colour;
    return line;
}

void ChartPainter::Prepare(const ChartLayout& layout, ChartShape shape) const {
    linesLayout_ = &layout;
    linesShape_ = shape;
    lines_.clear();
    if (!layout.chart) return;
    lines_.reserve(2 * layout.chart->nodes.size());
    const ShapeContext context{layout, greyBranches_};
    kShapeLines[static_cast<std::size_t>(shape)](context, lines_);
    IndexLines(layout);
    ellipses_.clear();
    boxOrder_.clear();
    if (shape == ChartShape::Fan) PrepareFan(layout);
}

void ChartPainter::PrepareFan(const ChartLayout& layout) const {
    const TinbredPerson& chart = *layout.chart;
    if (!chart.proband || !LaidOut(layout, *chart.proband)) return;
    const int32_t levels = FanLevels(chart);
    // Generation after generation, so that the smaller ellipses further out
    // lie over the larger ones within.
    std::vector<const TlossPerson*> generation{chart.proband};
    for (int32_t g = 1; g <= levels && !generation.empty(); ++g) {
        const FanEllipse ellipse = FanEllipseOf(g, levels, layout.metrics);
        const QColor colour(ellipse.colour.red, ellipse.colour.green, ellipse.colour.blue);
        std::vector<const TlossPerson*> next;
        for (const TlossPerson* node : generation) {
            ellipses_.push_back(
                {ToPoint(layout.CentreOf(*node)), ellipse.radiusX, ellipse.radiusY, colour});
            for (const TlossPerson* child : node->children)
                if (child && LaidOut(layout, *child)) next.push_back(child);
        }
        generation = std::move(next);
    }
    // Each box after those of its descendants: the root's last.
    struct Visit {
        const TlossPerson* node;
        bool childrenDone;
    };
    std::vector<Visit> work{{chart.proband, false}};
    while (!work.empty()) {
        Visit visit = work.back();
        work.pop_back();
        if (visit.childrenDone) {
            boxOrder_.push_back(static_cast<std::size_t>(visit.node->index));
            continue;
        }
        work.push_back({visit.node, true});
        if (visit.node->generation >= levels) continue;
        for (auto it = visit.node->children.rbegin(); it != visit.node->children.rend(); ++it)
            if (*it && LaidOut(layout, **it)) work.push_back({*it, false});
    }
}

const std::vector<ChartPainter::Line>& ChartPainter::LinesOf(const ChartLayout& layout,
                                                             ChartShape shape) const {
    if (linesLayout_ != &layout || linesShape_ != shape) Prepare(layout, shape);
    return lines_;
}

void ChartPainter::IndexLines(const ChartLayout& layout) const {
    lineCells_.clear();
    cellColumns_ = 0;
    if (lines_.size() < 4096) return;
    const auto cell = [](int v) { return std::max(0, v) / kLineCell; };
    cellColumns_ = cell(layout.extent.x) + 1;
    const int rows = cell(layout.extent.y) + 1;
    lineCells_.resize(static_cast<std::size_t>(cellColumns_) * rows);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        for (int r = cell(line.top); r <= std::min(cell(line.bottom), rows - 1); ++r)
            for (int c = cell(line.left); c <= std::min(cell(line.right), cellColumns_ - 1); ++c)
                lineCells_[static_cast<std::size_t>(r) * cellColumns_ + c].push_back(
                    static_cast<std::uint32_t>(i));
    }
}

void ChartPainter::PaintLines(QPainter& painter, const std::vector<Line>& lines,
                              QRect exposed) const {
    const int left = exposed.left() - 1, right = exposed.right() + 1;
    const int top = exposed.top() - 1, bottom = exposed.bottom() + 1;
    // The lines to look at, in their drawing order.
    std::vector<std::uint32_t> candidates;
    if (!lineCells_.empty() && &lines == &lines_) {
        const int rows = static_cast<int>(lineCells_.size()) / cellColumns_;
        const auto cell = [](int v) { return std::max(0, v) / kLineCell; };
        for (int r = cell(top); r <= std::min(cell(bottom), rows - 1); ++r)
            for (int c = cell(left); c <= std::min(cell(right), cellColumns_ - 1); ++c) {
                const auto& in = lineCells_[static_cast<std::size_t>(r) * cellColumns_ + c];
                candidates.insert(candidates.end(), in.begin(), in.end());
            }
        std::sort(candidates.begin(), candidates.end());
        candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    } else {
        candidates.resize(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            candidates[i] = static_cast<std::uint32_t>(i);
    }
    QColor current = Qt::black;
    int width = 1;
    painter.setPen(current);
    for (std::uint32_t i : candidates) {
        const Line& line = lines[i];
        if (line.right < left || line.left > right || line.bottom < top || line.top > bottom)
            continue;
        if (line.colour != current || line.width != width) {
            QPen pen(line.colour, line.width);
            // Thick branches meet at the boxes' centres without corners.
            if (line.width > 1) pen.setCapStyle(Qt::RoundCap);
            painter.setPen(pen);
            current = line.colour;
            width = line.width;
        }
        painter.drawPolyline(line.points, line.count);
    }
}

void ChartPainter::PaintEllipses(QPainter& painter, QRect exposed) const {
    for (const Ellipse& e : ellipses_) {
        const QRect bounds(e.centre.x() - e.radiusX, e.centre.y() - e.radiusY, 2 * e.radiusX + 1,
                           2 * e.radiusY + 1);
        if (!bounds.intersects(exposed)) continue;
        painter.setPen(e.colour);
        painter.setBrush(e.colour);
        painter.drawEllipse(e.centre, e.radiusX, e.radiusY);
    }
    painter.setBrush(Qt::white);
}

void ChartPainter::PaintBox(QPainter& painter, const ChartLayout& layout, std::size_t i,
                            QRect exposed) const {
    const ChartMetrics& metrics = layout.metrics;
    const int halfWidth = metrics.boxwidth / 2;
    const QPoint centre = ToPoint(layout.centres[i]);
    if (centre.x() + halfWidth < exposed.left() || centre.x() - halfWidth > exposed.right()) return;
    const bool text = settings_.fontsize > 0;
    const TlossPerson& node = *layout.chart->nodes[i];
    DrawBox(painter, centre, QSize(metrics.boxwidth, metrics.boxheight), SetBoxColors(node),
            text ? BoxText(node, linesShape_) : QString(), text);
}

void ChartPainter::PaintBoxes(QPainter& painter, const ChartLayout& layout, QRect exposed) const {
    if (!layout.chart) return;
    if (linesShape_ == ChartShape::Fan) {
        // Few boxes, in no row order: each is looked at.
        const int halfHeight = layout.metrics.boxheight / 2;
        for (std::size_t i : boxOrder_) {
            const int y = layout.centres[i].y;
            if (y + halfHeight >= exposed.top() && y - halfHeight <= exposed.bottom())
                PaintBox(painter, layout, i, exposed);
        }
        return;
    }
    auto [first, last] =
        NodesInRows(*layout.chart, layout.metrics, exposed.top(), exposed.bottom());
    for (std::size_t i = first; i < last; ++i) PaintBox(painter, layout, i, exposed);
}

}  // namespace lg::render
