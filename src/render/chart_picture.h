#pragma once
// A whole chart as a picture file: an SVG whose names stay text (a reader
// can search and select them), or a PNG painted into an offscreen image.
// Both go through the chart painter the windows use, with the window's
// layout, so a picture shows exactly what the window shows. Neither needs
// a display, only a QGuiApplication (the offscreen platform will do).

#include <QGuiApplication>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

#include "app/session.h"
#include "charts/chart_view.h"
#include "render/chart_painter.h"

namespace lg::render {

enum class PictureFormat { Svg, Png };

// The longest side of a PNG: what image readers and Qt's painter take.
constexpr int kLargestPngSide = 32767;

// A QGuiApplication for fonts and painting, on the offscreen platform
// whatever QT_QPA_PLATFORM says (a script may run where no display is);
// null when the process has one already. Qt's note that it picked a
// runtime folder of its own is kept off standard error.
std::unique_ptr<QGuiApplication> StartOffscreenQt();

// How the boxes shorten names under the session's current settings.
NameOptions BoxNamesOf(const Session& session);

// The painter of the session's current settings and clock, the one the
// chart windows and the pictures share.
std::unique_ptr<ChartPainter> PainterFor(const Session& session);

// The format a file name asks for by its extension (.svg or .png, in any
// case); none for another or no extension.
std::optional<PictureFormat> PictureFormatOf(const QString& path);

// The pixel size of the whole laid-out chart at the scale (at least 1 x 1).
QSize PictureSize(const ChartLayout& layout, double scale);

// Writes the laid-out chart (white ground, lines and boxes, no double link)
// to `path`: an SVG of the chart's extent, or a PNG of the extent times
// `scale` (> 0; the SVG ignores it, it scales by itself). The file is
// replaced only when the whole picture was written. Returns an empty
// string on success, otherwise the reason for the user, without the path
// in front: a PNG over kLargestPngSide a side is refused and the reason
// suggests SVG or PDF, so are sizes the memory cannot hold.
QString WriteChartPicture(const ChartPainter& painter, const ChartLayout& layout, ChartShape shape,
                          const QString& path, PictureFormat format, double scale = 1.0);

}  // namespace lg::render
