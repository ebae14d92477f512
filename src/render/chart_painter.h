#pragma once
// The one painter of charts: boxes with their colours and names, the
// bracket lines of pedigrees, the elbow lines of descendant charts with
// their grey branches, the offspring fan's ellipses, branches and spokes,
// and the red link between a double and its first box. Chart windows paint the exposed part of the
// surface with it; pictures (render/chart_picture.h) and printing paint whole charts the same way,
// so screen, paper and picture never disagree.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <vector>

#include "charts/chart_view.h"
#include "charts/settings_types.h"
#include "text/names.h"

class QPainter;

namespace lg::render {

// How one box is drawn.
struct BoxColours {
    QColor pen;
    QColor fill;
    QColor text;
};

// The colours of a box: pen by sex (a dark set for highlighted boxes, a
// light one otherwise; grey without person), fill by the box's shade; a
// marked (visited) box is filled with its pen colour and drawn with a black
// pen. The text is TextColourOn the fill.
BoxColours SetBoxColors(const TlossPerson& node);

// Black or white, whichever contrasts more with the fill: black on the
// light fills, white on the dark ones. Either way the contrast ratio is at
// least 4.5, the least normal text needs to be read with ease.
QColor TextColourOn(const QColor& fill);

// The contrast ratio of two colours by their relative luminance (sRGB, as
// WCAG defines it): from 1 for equal colours to 21 for black on white.
double ContrastRatio(const QColor& a, const QColor& b);

// The light male and female colours, for the windows' legends.
QColor LightMaleColour();
QColor LightFemaleColour();

// A box centred on the pixel: the rectangle in the colours, then the text,
// centred when it fits in the box less two pixels, else from the left edge
// clipped to the box (in an SVG, which has no clipping, cut to the letters
// that fit), whose border is then drawn again. No text when the
// font size is 0. The brush is white afterwards.
void DrawBox(QPainter& painter, QPoint centre, QSize size, const BoxColours& colours,
             const QString& text, bool drawText = true);

// A double and its first box, joined by a red line after a click.
struct DoubleLink {
    const TlossPerson* from = nullptr;
    const TlossPerson* to = nullptr;
    bool IsSet() const { return from && to; }
};

// Paints a chart of any shape with the current settings.
class ChartPainter {
  public:
    ChartPainter(const Tvariables& settings, const NameOptions& names, int currentYear);

    // The chart's font: the settings' font name at their font size.
    const QFont& Font() const { return font_; }
    // Sizes the font in pixels as a 96 dpi screen shows it, for devices
    // whose pixels are scaled to another resolution (paper).
    void UsePixelFont();
    const ChartMetrics& Metrics() const { return metrics_; }

    // The name in the box, as the naming scheme and name codes say; in
    // the graphs of the analyses the index name.
    QString BoxText(const TlossPerson& node, ChartShape shape = ChartShape::Tree) const;

    // One line between two boxes: a polyline and the rectangle it spans.
    struct Line {
        QPoint points[4];
        int count = 0;
        int left = 0, top = 0, right = 0, bottom = 0;
        QColor colour;
        int width = 1;  // the pen's, in pixels
    };
    // A filled ellipse around a box (the fan's generations).
    struct Ellipse {
        QPoint centre;
        int radiusX = 0, radiusY = 0;
        QColor colour;
    };
    // An elbow line: from start along its row to the column `middle`, then
    // to end's row and along it to end.
    static Line MakeLine(QPoint start, int middle, QPoint end, const QColor& colour);
    // What a shape's lines are made from.
    struct ShapeContext {
        const ChartLayout& layout;
        bool greyBranches;  // the naming scheme asks for grey branches ("@")
    };

    // Works out the lines of the laid-out chart for the repaints that
    // follow; the window calls it whenever it laid the chart out (Paint
    // does it for a layout it has not seen).
    void Prepare(const ChartLayout& layout, ChartShape shape) const;

    // What a paint covers besides the lines: the ground's colour and
    // whether the boxes are drawn (the offspring page's picture has
    // neither white ground nor boxes: the page lays its own boxes over it).
    struct Parts {
        QColor ground = Qt::white;
        bool boxes = true;
    };

    // Paints the part of the laid-out chart inside `exposed` (pixels of the
    // whole drawing): the ground, the fan's ellipses, the double link (when
    // both its boxes are in the chart), the lines, then the boxes. Only
    // boxes and lines that reach into the rectangle are drawn, so a window
    // showing a huge chart repaints in time proportional to what it shows.
    void Paint(QPainter& painter, const ChartLayout& layout, ChartShape shape, QRect exposed,
               const DoubleLink& link, const Parts& parts) const;
    // ... on white ground, with the boxes.
    void Paint(QPainter& painter, const ChartLayout& layout, ChartShape shape, QRect exposed,
               const DoubleLink& link) const {
        Paint(painter, layout, shape, exposed, link, Parts());
    }

  private:
    // The lines of the chart, worked out once per layout: a repaint only
    // compares whole numbers to find what reaches into the exposed part.
    const std::vector<Line>& LinesOf(const ChartLayout& layout, ChartShape shape) const;

    void PrepareFan(const ChartLayout& layout) const;
    void PaintLines(QPainter& painter, const std::vector<Line>& lines, QRect exposed) const;
    void PaintEllipses(QPainter& painter, QRect exposed) const;
    void PaintBoxes(QPainter& painter, const ChartLayout& layout, QRect exposed) const;
    void PaintBox(QPainter& painter, const ChartLayout& layout, std::size_t i, QRect exposed) const;

    const Tvariables& settings_;
    NameOptions names_;
    int currentYear_;
    ChartMetrics metrics_;
    QFont font_;
    bool greyBranches_;
    mutable const ChartLayout* linesLayout_ = nullptr;
    mutable ChartShape linesShape_ = ChartShape::Tree;
    mutable std::vector<Line> lines_;
    // For charts of many lines: which lines reach into each square of the
    // drawing, so that a repaint or a printed sheet looks at its own
    // lines only.
    static constexpr int kLineCell = 512;
    mutable int cellColumns_ = 0;
    mutable std::vector<std::vector<std::uint32_t>> lineCells_;
    void IndexLines(const ChartLayout& layout) const;
    // The fan's: its ellipses in drawing order, and its boxes' indices in
    // drawing order (each box after the boxes of its descendants).
    mutable std::vector<Ellipse> ellipses_;
    mutable std::vector<std::size_t> boxOrder_;
};

}  // namespace lg::render
