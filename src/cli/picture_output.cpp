#include "cli/picture_output.h"

#include <QGuiApplication>
#include <memory>
#include <ostream>

#include "app/chart_kinds.h"
#include "app/session.h"
#include "render/chart_picture.h"

namespace lg::cli {

bool WriteRunPictures(Session& session, const PictureRequest& request, std::ostream& err) {
    const ChartType type = session.settings.options.charttype;
    const ChartKind& kind = KindOf(type);
    const TinbredPerson* chart = session.Charts(type).Current();
    if (!chart || kind.window == ChartWindowFamily::None) {
        err << "lignorama-cli: run: this chart type has no picture\n";
        return false;
    }
    std::unique_ptr<QGuiApplication> app = render::StartOffscreenQt();
    std::unique_ptr<render::ChartPainter> painter = render::PainterFor(session);
    const ChartLayout layout = LayOutChart(*chart, painter->Metrics(), kind.shape);
    bool written = true;
    auto write = [&](const std::string& file, render::PictureFormat format) {
        if (file.empty()) return;
        const QString error = render::WriteChartPicture(
            *painter, layout, kind.shape, QString::fromStdString(file), format, request.scale);
        if (error.isEmpty()) return;
        err << "*** " << file << ": " << error.toStdString() << '\n';
        written = false;
    };
    write(request.svg, render::PictureFormat::Svg);
    write(request.png, render::PictureFormat::Png);
    return written;
}

}  // namespace lg::cli
