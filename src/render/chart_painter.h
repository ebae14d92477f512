#pragma once
// The one painter of charts: boxes with their colours and names, the
// bracket lines of pedigrees, the elbow lines of descendant charts with
// their grey branches, and the red link between a double and its first
// box. Chart windows paint the exposed part of the surface with it;
// printing and pictures will paint whole charts the same way, so screen,
// paper and picture never disagree.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "charts/chart_view.h"
#include "text/names.h"
#include "text/settings_types.h"

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
// marked (visited) box is filled with its pen colour, drawn with a black
// pen and white text.
BoxColours SetBoxColors(const TlossPerson& node);

// The light male and female colours, for the windows' legends.
QColor LightMaleColour();
QColor LightFemaleColour();

// A box centred on the pixel: the rectangle in the colours, then the text,
// centred when it fits in the box less two pixels, else from the left edge
// clipped to the box, whose border is then drawn again. No text when the
// font size is 0. The brush is white afterwards.
void DrawBox(QPainter& painter, QPoint centre, QSize size, const BoxColours& colours,
             const QString& text, bool drawText = true);

// A double and its first box, joined by a red line after a click.
struct DoubleLink {
    const TlossPerson* from = nullptr;
    const TlossPerson* to = nullptr;
    bool IsSet() const { return from && to; }
};

enum class ChartShape { Pedigree, Descendants };

// Paints a pedigree or descendant chart with the current settings.
class ChartPainter {
  public:
    ChartPainter(const Tvariables& settings, const NameOptions& names, int currentYear);

    // The chart's font: the settings' font name at their font size.
    const QFont& Font() const { return font_; }
    const ChartMetrics& Metrics() const { return metrics_; }

    // The name in the box, as the naming scheme and name codes say.
    QString BoxText(const TlossPerson& node) const;

    // Works out the chart's lines for the repaints that follow; the window
    // calls it after laying the chart out (Paint does it when needed).
    void Prepare(const TinbredPerson& chart, ChartShape shape) const { ElbowsOf(chart, shape); }

    // Paints the part of the chart inside `exposed` (pixels of the whole
    // drawing); the boxes' x and y are their pixel centres (LayOutChart): white ground, the double link, the lines, then the boxes.
    // Only boxes and lines that reach into the rectangle are drawn, so a
    // window showing a huge chart repaints in time proportional to what it
    // shows.
    void Paint(QPainter& painter, const TinbredPerson& chart, ChartShape shape, QRect exposed,
               const DoubleLink& link) const;

  private:
    // One elbow line between two boxes, with its bounding rows and columns.
    struct Elbow {
        QPoint points[4];
        int left, top, right, bottom;
        const TlossPerson* child;  // decides the colour of descendant lines
    };
    // The lines of the chart, worked out once per chart: a repaint only
    // compares whole numbers to find what reaches into the exposed part.
    const std::vector<Elbow>& ElbowsOf(const TinbredPerson& chart, ChartShape shape) const;
    void PaintLines(QPainter& painter, const TinbredPerson& chart, ChartShape shape,
                    QRect exposed) const;
    void PaintBoxes(QPainter& painter, const TinbredPerson& chart, QRect exposed) const;

    const Tvariables& settings_;
    NameOptions names_;
    int currentYear_;
    ChartMetrics metrics_;
    QFont font_;
    bool greyBranches_;
    mutable const TinbredPerson* elbowChart_ = nullptr;
    mutable std::vector<Elbow> elbows_;
};

}  // namespace lg::render
