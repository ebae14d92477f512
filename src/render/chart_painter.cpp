#include "render/chart_painter.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "base/text_helpers.h"
#include "charts/node_names.h"
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

QString ChartPainter::BoxText(const TlossPerson& node, ChartShape shape) const {
    // The graphs of the analyses name every box alike, as the index does.
    if (shape == ChartShape::Graph) return node.person ? ToQString(node.person->IndexName()) : "";
    return ToQString(NameForNode(node, settings_.namingscheme, names_, currentYear_));
}

void ChartPainter::Paint(QPainter& painter, const ChartLayout& layout, ChartShape shape,
                         QRect exposed, const DoubleLink& link) const {
    painter.fillRect(exposed, Qt::white);
    painter.setFont(font_);
    if (link.IsSet()) {
        painter.setPen(Qt::red);
        painter.drawLine(ToPoint(layout.CentreOf(*link.from)), ToPoint(layout.CentreOf(*link.to)));
    }
    PaintLines(painter, LinesOf(layout, shape), exposed);
    PaintBoxes(painter, layout, shape, exposed);
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

// Straight from each box to each of its parents in the chart: red where
// a click marked both ends, silver otherwise.
void GraphLines(const ChartPainter::ShapeContext& c, std::vector<ChartPainter::Line>& lines) {
    for (const TlossPerson* node : c.layout.chart->nodes) {
        const QPoint start = ToPoint(c.layout.CentreOf(*node));
        for (const TlossPerson* parent : node->parents) {
            if (!parent) continue;
            const QPoint end = ToPoint(c.layout.CentreOf(*parent));
            ChartPainter::Line line;
            line.points[0] = start;
            line.points[1] = end;
            line.count = 2;
            line.left = std::min(start.x(), end.x());
            line.right = std::max(start.x(), end.x());
            line.top = std::min(start.y(), end.y());
            line.bottom = std::max(start.y(), end.y());
            line.colour = node->expanded && parent->expanded ? QColor(Qt::red) : kSilver;
            lines.push_back(line);
        }
    }
}

// The line-making function of every shape, in the order of ChartShape.
constexpr void (*kShapeLines[])(const ChartPainter::ShapeContext&,
                                std::vector<ChartPainter::Line>&) = {TreeLines, DescendantLines,
                                                                     GraphLines};

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
}

const std::vector<ChartPainter::Line>& ChartPainter::LinesOf(const ChartLayout& layout,
                                                             ChartShape shape) const {
    if (linesLayout_ != &layout || linesShape_ != shape) Prepare(layout, shape);
    return lines_;
}

void ChartPainter::PaintLines(QPainter& painter, const std::vector<Line>& lines,
                              QRect exposed) const {
    const int left = exposed.left() - 1, right = exposed.right() + 1;
    const int top = exposed.top() - 1, bottom = exposed.bottom() + 1;
    QColor current = Qt::black;
    painter.setPen(current);
    for (const Line& line : lines) {
        if (line.right < left || line.left > right || line.bottom < top || line.top > bottom)
            continue;
        if (line.colour != current) {
            painter.setPen(line.colour);
            current = line.colour;
        }
        painter.drawPolyline(line.points, line.count);
    }
}

void ChartPainter::PaintBoxes(QPainter& painter, const ChartLayout& layout, ChartShape shape,
                              QRect exposed) const {
    if (!layout.chart) return;
    const TinbredPerson& chart = *layout.chart;
    const ChartMetrics& metrics = layout.metrics;
    const QSize size(metrics.boxwidth, metrics.boxheight);
    const int halfWidth = metrics.boxwidth / 2;
    const bool text = settings_.fontsize > 0;
    auto [first, last] = NodesInRows(chart, metrics, exposed.top(), exposed.bottom());
    for (std::size_t i = first; i < last; ++i) {
        const TlossPerson& node = *chart.nodes[i];
        const QPoint centre = ToPoint(layout.centres[i]);
        if (centre.x() + halfWidth < exposed.left() || centre.x() - halfWidth > exposed.right())
            continue;
        DrawBox(painter, centre, size, SetBoxColors(node), text ? BoxText(node, shape) : QString(),
                text);
    }
}

}  // namespace lg::render
