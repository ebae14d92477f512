#include "render/chart_picture.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

namespace lg::render {
namespace {

// The resolution a QImage has by default, and so the window's pictures:
// the SVG gets it too, or its text would come out a third smaller than on
// screen (point sizes are turned into pixels by the device's resolution).
constexpr int kPictureDpi = 96;

QString SaveError(const QSaveFile& file) {
    return QString("it could not be written (%1).").arg(file.errorString());
}

QString WriteSvg(const ChartPainter& painter, const ChartLayout& layout, ChartShape shape,
                 QSaveFile& file) {
    const QSize size = PictureSize(layout, 1.0);
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kPictureDpi);
    svg.setTitle("Lignorama chart");
    QPainter canvas;
    if (!canvas.begin(&svg)) return SaveError(file);
    painter.Paint(canvas, layout, shape, QRect(QPoint(0, 0), size), {});
    canvas.end();
    return {};
}

QString WritePng(const ChartPainter& painter, const ChartLayout& layout, ChartShape shape,
                 QSaveFile& file, double scale) {
    const QSize size = PictureSize(layout, scale);
    if (size.width() > kLargestPngSide || size.height() > kLargestPngSide)
        return QString(
                   "the chart is %1 x %2 pixels at this scale; a PNG can have at most %3 "
                   "pixels a side. Save it as SVG (or PDF), or choose a smaller scale.")
            .arg(size.width())
            .arg(size.height())
            .arg(kLargestPngSide);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return QString(
                   "there is not enough memory for a picture of %1 x %2 pixels. Save it as "
                   "SVG (or PDF), or choose a smaller scale.")
            .arg(size.width())
            .arg(size.height());
    const int dotsPerMetre = static_cast<int>(std::lround(kPictureDpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter canvas(&image);
        canvas.scale(scale, scale);
        const PixelPoint extent = layout.extent;
        painter.Paint(canvas, layout, shape, QRect(0, 0, extent.x + 1, extent.y + 1), {});
    }
    if (!image.save(&file, "PNG")) return SaveError(file);
    return {};
}

}  // namespace

std::unique_ptr<QGuiApplication> StartOffscreenQt() {
    if (QCoreApplication::instance()) return nullptr;
    // A script's standard error is for the run's messages: Qt's note that
    // it picked a runtime folder of its own (no XDG_RUNTIME_DIR under cron
    // or ssh) is none of the user's business.
    static const QtMessageHandler qtHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (type == QtWarningMsg && text.startsWith("QStandardPaths:")) return;
            qtHandler(type, context, text);
        });
    static int argc = 3;
    static char program[] = "lignorama";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, option, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

NameOptions BoxNamesOf(const Session& session) {
    NameOptions names;
    names.nameLength = session.settings.current.namelength;
    names.usePatronym = session.settings.options.patronym;
    return names;
}

std::unique_ptr<ChartPainter> PainterFor(const Session& session) {
    return std::make_unique<ChartPainter>(session.settings.current, BoxNamesOf(session),
                                          session.GetClock().CurrentYear());
}

std::optional<PictureFormat> PictureFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "svg") return PictureFormat::Svg;
    if (suffix == "png") return PictureFormat::Png;
    return std::nullopt;
}

QSize PictureSize(const ChartLayout& layout, double scale) {
    auto side = [scale](int32_t pixels) {
        return static_cast<int>(std::clamp(std::ceil(std::max(pixels, 1) * scale), 1.0, 1e9));
    };
    return {side(layout.extent.x), side(layout.extent.y)};
}

QString WriteChartPicture(const ChartPainter& painter, const ChartLayout& layout, ChartShape shape,
                          const QString& path, PictureFormat format, double scale) {
    if (!layout.chart) return "there is no chart to draw.";
    if (!(scale > 0)) return "the scale must be more than 0.";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveError(file);
    const QString error = format == PictureFormat::Svg
                              ? WriteSvg(painter, layout, shape, file)
                              : WritePng(painter, layout, shape, file, scale);
    if (!error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return SaveError(file);
    return {};
}

}  // namespace lg::render
