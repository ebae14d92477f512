#include "render/chart_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "charts/node_names.h"
#include "render/qt_text.h"
#include "text/text_helpers.h"

namespace lg::render {
namespace {

const QColor kGreyPen(128, 128, 128);
const QColor kSilver(192, 192, 192);

QColor PenBySex(char sex, bool highlighted) {
    if (sex == 'M') return highlighted ? QColor(53, 127, 127) : QColor(106, 255, 255);
    if (sex == 'F') return highlighted ? QColor(127, 39, 127) : QColor(255, 79, 255);
    return Qt::black;
}

// Boxes hold whole pixel centres once the chart is laid out.
QPoint CentreOf(const TlossPerson& node) {
    return {static_cast<int>(node.x), static_cast<int>(node.y)};
}

}  // namespace

BoxColours SetBoxColors(const TlossPerson& node) {
    BoxColours colours;
    colours.text = Qt::black;
    colours.pen = node.person ? PenBySex(node.person->sex, node.highlight) : kGreyPen;
    if (node.visited) {
        colours.fill = colours.pen;
        colours.pen = Qt::black;
        colours.text = Qt::white;
    } else {
        Color grey = GreyColor(node.shade);
        colours.fill = QColor(grey.red, grey.green, grey.blue);
    }
    return colours;
}

QColor LightMaleColour() { return PenBySex('M', false); }
QColor LightFemaleColour() { return PenBySex('F', false); }

void DrawBox(QPainter& painter, QPoint centre, QSize size, const BoxColours& colours,
             const QString& text, bool drawText) {
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    const QRect box(centre.x() - halfWidth, centre.y() - halfHeight, 2 * halfWidth,
                    2 * halfHeight);
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
            painter.drawText(QPoint(box.left() + 1, top + metrics.ascent()), text);
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

QString ChartPainter::BoxText(const TlossPerson& node) const {
    return ToQString(NameForNode(node, settings_.namingscheme, names_, currentYear_));
}

void ChartPainter::Paint(QPainter& painter, const TinbredPerson& chart, ChartShape shape,
                         QRect exposed, const DoubleLink& link) const {
    painter.fillRect(exposed, Qt::white);
    painter.setFont(font_);
    if (link.IsSet()) {
        painter.setPen(Qt::red);
        painter.drawLine(CentreOf(*link.from), CentreOf(*link.to));
    }
    PaintLines(painter, chart, shape, exposed);
    PaintBoxes(painter, chart, exposed);
}

const std::vector<ChartPainter::Elbow>& ChartPainter::ElbowsOf(const TinbredPerson& chart,
                                                              ChartShape shape) const {
    if (elbowChart_ == &chart) return elbows_;
    elbowChart_ = &chart;
    elbows_.clear();
    elbows_.reserve(shape == ChartShape::Pedigree ? 2 * chart.nodes.size() : chart.nodes.size());
    const int halfWidth = metrics_.boxwidth / 2;
    auto add = [this](QPoint start, int middle, QPoint end, const TlossPerson* child) {
        Elbow e{{start, {middle, start.y()}, {middle, end.y()}, end},
                std::min(start.x(), end.x()),
                std::min(start.y(), end.y()),
                std::max(start.x(), end.x()),
                std::max(start.y(), end.y()),
                child};
        elbows_.push_back(e);
    };
    for (const TlossPerson* node : chart.nodes) {
        const QPoint centre = CentreOf(*node);
        if (shape == ChartShape::Pedigree) {
            // From the child's right edge to the middle of the gap, then to
            // the parent's row and its left edge.
            const QPoint start(centre.x() + halfWidth, centre.y());
            for (const TlossPerson* parent : node->parents)
                if (parent)
                    add(start, start.x() + metrics_.xspace / 2,
                        CentreOf(*parent) - QPoint(halfWidth, 0), node);
        } else {
            // From the child's left edge halfway back, to the parent's row
            // and its right edge.
            const QPoint end(centre.x() + halfWidth, centre.y());
            for (const TlossPerson* child : node->children) {
                if (!child) continue;
                const QPoint start = CentreOf(*child) - QPoint(halfWidth, 0);
                add(start, (start.x() + end.x()) / 2, end, child);
            }
        }
    }
    return elbows_;
}

void ChartPainter::PaintLines(QPainter& painter, const TinbredPerson& chart, ChartShape shape,
                              QRect exposed) const {
    const int left = exposed.left() - 1, right = exposed.right() + 1;
    const int top = exposed.top() - 1, bottom = exposed.bottom() + 1;
    QColor current = Qt::black;
    painter.setPen(current);
    for (const Elbow& e : ElbowsOf(chart, shape)) {
        if (e.right < left || e.left > right || e.bottom < top || e.top > bottom) continue;
        QColor colour = shape == ChartShape::Descendants && greyBranches_ && !e.child->lineFlag
                            ? kSilver
                            : QColor(Qt::black);
        if (colour != current) {
            painter.setPen(colour);
            current = colour;
        }
        painter.drawPolyline(e.points, 4);
    }
}

void ChartPainter::PaintBoxes(QPainter& painter, const TinbredPerson& chart,
                              QRect exposed) const {
    const QSize size(metrics_.boxwidth, metrics_.boxheight);
    const int halfWidth = metrics_.boxwidth / 2;
    const bool text = settings_.fontsize > 0;
    auto [first, last] = NodesInRows(chart, metrics_, exposed.top(), exposed.bottom());
    for (std::size_t i = first; i < last; ++i) {
        const TlossPerson& node = *chart.nodes[i];
        const QPoint centre = CentreOf(node);
        if (centre.x() + halfWidth < exposed.left() || centre.x() - halfWidth > exposed.right())
            continue;
        DrawBox(painter, centre, size, SetBoxColors(node), text ? BoxText(node) : QString(), text);
    }
}

}  // namespace lg::render
