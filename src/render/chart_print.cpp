#include "render/chart_print.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

#include "base/fill_in.h"
#include "base/messages.h"
#include "charts/pedigree_loss.h"
#include "render/qt_text.h"

namespace lg::render {
namespace {

constexpr int kMostTiles = 100000;  // a sheet smaller than a box never ends

// Rounds to the nearest integer, halves to the even neighbour.
int Even(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// Where the chart's pixels go on the device: dots = (pixel - min) * unit
// + offset.
struct Placement {
    int unit = 1;
    int minX = 0;
    int minY = 0;
    int halfWidth = 0;  // of a box, in dots
    int halfHeight = 0;
    int boxHeight = 0;
    int startX = 0;  // offX at the start of each row of tiles
    int startY = 0;
};

Placement PlacementOf(const ChartLayout& layout, bool graph, int unit, QSize page) {
    Placement p;
    p.unit = unit;
    const int boxWidth = Even(layout.metrics.boxwidth * static_cast<double>(unit));
    p.boxHeight = Even(layout.metrics.boxheight * static_cast<double>(unit));
    p.halfWidth = boxWidth / 2;
    p.halfHeight = p.boxHeight / 2;
    int minX = INT_MAX, minY = INT_MAX, maxX = 0, maxY = 0;
    for (const PixelPoint& c : layout.centres) {
        minX = std::min(minX, c.x);
        minY = std::min(minY, c.y);
        maxX = std::max(maxX, c.x);
        maxY = std::max(maxY, c.y);
    }
    if (layout.centres.empty()) minX = minY = 0;
    if (graph) {
        // The graph's pixels are placed from the drawing's corner.
        minX = minY = 0;
        const int w = maxX * unit + p.halfWidth;
        const int h = (maxY + 6) * unit + p.halfHeight;
        p.startX = w < page.width() ? (page.width() - w) / 2 : 0;
        p.startY = h < page.height() ? (page.height() - h) / 2 : 0;
    } else {
        const int w = (maxX - minX) * unit + boxWidth;
        const int h = (maxY - minY + 6) * unit + p.boxHeight;
        p.startX = (w < page.width() ? (page.width() - w) / 2 : 0) + p.halfWidth;
        p.startY = (h < page.height() ? (page.height() - h) / 2 : 0) + p.halfHeight;
    }
    p.minX = minX;
    p.minY = minY;
    return p;
}

// A small circle with an arrow stroke (male) or a cross stroke (anyone
// else), its top-left at the point, `size` pixels across.
void SexSign(QPainter& canvas, QPointF at, double size, bool male) {
    const double r = size / 3;
    const QPointF centre = at + QPointF(r, size - r);
    canvas.drawEllipse(centre, r, r);
    if (male) {
        const QPointF tip = centre + QPointF(2 * r, -2 * r);
        canvas.drawLine(centre + QPointF(r * 0.7, -r * 0.7), tip);
        canvas.drawLine(tip, tip + QPointF(-r, 0));
        canvas.drawLine(tip, tip + QPointF(0, r));
    } else {
        const QPointF foot = centre + QPointF(0, r);
        canvas.drawLine(foot, foot + QPointF(0, 1.5 * r));
        canvas.drawLine(foot + QPointF(-r / 2, 0.8 * r), foot + QPointF(r / 2, 0.8 * r));
    }
}

// Below the boxes inside the rectangle (chart pixels): a tree's year and
// sex sign, a graph's loss.
void PaintBoxNotes(QPainter& canvas, const ChartLayout& layout, bool graph, bool rowOrdered,
                   QRect tile, const QFont& font) {
    QFont small = font;
    small.setPixelSize(std::max(3, layout.metrics.boxheight / 3));
    canvas.setFont(small);
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(small);
    const int halfWidth = layout.metrics.boxwidth / 2;
    const int halfHeight = layout.metrics.boxheight / 2;
    auto [first, last] =
        rowOrdered
            ? NodesInRows(*layout.chart, layout.metrics, tile.top(), tile.bottom() + 2 * halfHeight)
            : std::make_pair<std::size_t, std::size_t>(0, layout.centres.size());
    for (std::size_t i = first; i < last; ++i) {
        const TlossPerson& node = *layout.chart->nodes[i];
        const PixelPoint c = layout.centres[i];
        if (!node.person || c.x + halfWidth < tile.left() || c.x - halfWidth > tile.right() ||
            c.y < tile.top() - 2 * halfHeight || c.y > tile.bottom() + halfHeight)
            continue;
        const int right = c.x + halfWidth - 1;
        const int baseline = c.y + halfHeight + 1 + metrics.ascent();
        if (graph) {
            const long double loss = 1 - node.completeness;
            if (loss <= 0) continue;
            const QString text = QString::number(static_cast<double>(100 * loss), 'f', 2) + "%";
            canvas.drawText(QPoint(right - metrics.horizontalAdvance(text), baseline), text);
            continue;
        }
        const QString year = PrintYear(node.person->BirthOrChristeningDate());
        const double sign = metrics.height() * 0.8;
        const int textRight = right - static_cast<int>(sign) - 1;
        if (!year.isEmpty())
            canvas.drawText(QPoint(textRight - metrics.horizontalAdvance(year), baseline), year);
        SexSign(canvas, QPointF(right - sign, c.y + halfHeight + 1), sign, node.person->sex == 'M');
    }
}

}  // namespace

int PrintUnit(QPaintDevice& device, bool graph) {
    const QFontMetrics metrics(QFont(), &device);
    return std::max(1, metrics.horizontalAdvance("1234567890") / (graph ? 50 : 40));
}

std::vector<PrintTile> PlanPrintTiles(const ChartLayout& layout, bool graph, int unit, QSize page) {
    std::vector<PrintTile> tiles;
    if (!layout.chart || page.width() <= 0 || page.height() <= 0) return tiles;
    const Placement p = PlacementOf(layout, graph, unit, page);
    // The boxes that count, in dots from the chart's origin.
    int right = INT_MIN, bottom = INT_MIN;
    std::vector<QPoint> boxes;
    boxes.reserve(layout.centres.size());
    for (std::size_t i = 0; i < layout.centres.size(); ++i) {
        if (graph && !layout.chart->nodes[i]->person) continue;
        const QPoint at((layout.centres[i].x - p.minX) * unit,
                        (layout.centres[i].y - p.minY) * unit);
        boxes.push_back(at);
        right = std::max(right, at.x());
        bottom = std::max(bottom, at.y());
    }
    if (boxes.empty()) return tiles;
    // The tiles step by a page less the overlap, so a row of tiles ends
    // where its last box fits and the printout where the last row does.
    // A box cut at the right edge must be whole on the next tile: the
    // tiles overlap by a whole box width (half a box would leave a box cut
    // on both), and by two box heights downward (the box and its year).
    const int stepX = page.width() - 2 * p.halfWidth;
    const int stepY = page.height() - (graph ? p.boxHeight : 2 * p.boxHeight);
    if (stepX <= 0 || stepY <= 0) return tiles;
    int columns = 1;
    while (right + p.startX - (columns - 1) * stepX + p.halfWidth > page.width() &&
           columns < kMostTiles)
        ++columns;
    int rows = 1;
    while (bottom + p.startY - (rows - 1) * stepY + p.halfHeight + 8 > page.height() &&
           rows < kMostTiles)
        ++rows;
    if (static_cast<long long>(rows) * columns > kMostTiles) return tiles;
    // Each box marks the tiles it reaches into, so the empty ones are
    // known without looking at every box for every tile.
    std::vector<char> used(static_cast<std::size_t>(rows) * columns, 0);
    auto span = [](int at, int half, int start, int step, int size, int count) {
        // Tiles k (0-based) with at + start - k * step in (-half, size + half).
        int first = static_cast<int>(std::floor((at + start - half - size) / double(step))) + 1;
        int last = static_cast<int>(std::ceil((at + start + half) / double(step))) - 1;
        return std::make_pair(std::max(first, 0), std::min(last, count - 1));
    };
    for (const QPoint& at : boxes) {
        const auto [c0, c1] = span(at.x(), p.halfWidth, p.startX, stepX, page.width(), columns);
        const auto [r0, r1] = span(at.y(), p.halfHeight, p.startY, stepY, page.height(), rows);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) used[static_cast<std::size_t>(r) * columns + c] = 1;
    }
    tiles.reserve(used.size());
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            PrintTile tile;
            tile.row = r + 1;
            tile.column = c + 1;
            tile.offX = p.startX - c * stepX;
            tile.offY = p.startY - r * stepY;
            tile.empty = !used[static_cast<std::size_t>(r) * columns + c];
            tiles.push_back(tile);
        }
    return tiles;
}

QString SheetLabel(bool graph, const QString& title, bool firstSheet, int row, int column) {
    const QString page = ToQString(FillInNumbers(MessageText(Msg::PageYX), {row, column}));
    if (!graph) return page;
    const QString name = title.isEmpty() ? ToQString(MessageText(Msg::NoTitle)) : title;
    return firstSheet ? name : name + " - " + page;
}

QString PrintYear(const std::string& date) {
    std::string text = date;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    if (text.size() < 4) return {};
    const std::string year = text.substr(text.size() - 4);
    // A date that does not end in a year (a phrase, a dual year cut short)
    // gets none rather than a wrong one.
    if (!std::all_of(year.begin(), year.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return {};
    return QString::fromStdString(year);
}

PrintOutcome PrintChart(QPagedPaintDevice& device, const ChartPainter& painter,
                        const ChartLayout& layout, ChartShape shape, const QString& title,
                        Reporter* reporter) {
    PrintOutcome outcome;
    const bool graph = shape == ChartShape::Graph;
    if (reporter) {
        // A graph of thousands of nodes takes many sheets too: Esc ends
        // either printout, as the message says.
        reporter->AddMessage(MessageText(Msg::PressEscToInterrupt));
        reporter->BeginInterruptible();
    }
    const int unit = PrintUnit(device, graph);
    const QSize page(device.width(), device.height());
    const std::vector<PrintTile> tiles = PlanPrintTiles(layout, graph, unit, page);
    const Placement p = PlacementOf(layout, graph, unit, page);
    // The chart's pixels are scaled to the device's dots: its font must be
    // sized in pixels too, or the device's resolution would count twice.
    ChartPainter paper = painter;
    paper.UsePixelFont();
    paper.Prepare(layout, shape);
    QPainter canvas;
    if (canvas.begin(&device)) {
        bool first = true;
        for (const PrintTile& tile : tiles) {
            if (reporter)
                reporter->ShowStatus(
                    FillInNumbers(MessageText(Msg::PrintingPageYX), {tile.row, tile.column}),
                    StatusColour::Error);
            if (!tile.empty) {
                if (!first) device.newPage();
                first = false;
                // The tile in chart pixels.
                const QRect area(p.minX + (0 - tile.offX) / unit - 1,
                                 p.minY + (0 - tile.offY) / unit - 1, page.width() / unit + 3,
                                 page.height() / unit + 3);
                canvas.save();
                canvas.setClipRect(QRect(QPoint(0, 0), page));
                canvas.translate(tile.offX - p.minX * unit, tile.offY - p.minY * unit);
                canvas.scale(unit, unit);
                paper.Paint(canvas, layout, shape, area, {});
                PaintBoxNotes(canvas, layout, graph, shape != ChartShape::Fan, area, paper.Font());
                canvas.restore();
                const QString label =
                    SheetLabel(graph, title, outcome.sheets.empty(), tile.row, tile.column);
                QFont small = canvas.font();
                small.setPointSize(graph ? 8 : 4);
                canvas.setFont(small);
                canvas.setPen(Qt::black);
                if (graph)
                    canvas.drawText(QPoint(page.width() / 20, page.height() - page.height() / 50),
                                    label);
                else
                    canvas.drawText(QPoint(1, 1 + QFontMetrics(small, &device).ascent()), label);
                outcome.sheets.push_back(tile);
            }
            if (reporter && reporter->CheckInterrupted()) {
                outcome.interrupted = true;
                break;
            }
        }
        canvas.end();
    }
    if (reporter) {
        reporter->ShowStatus(MessageText(Msg::ReadyWithPrinting), StatusColour::Normal);
        if (reporter->InInterruptibleSection()) reporter->EndInterruptible();
    }
    return outcome;
}

}  // namespace lg::render
