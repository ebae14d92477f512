#include "cli/picture_output.h"

#include <QGuiApplication>
#include <memory>
#include <ostream>

#include "app/chart_kinds.h"
#include "app/session.h"
#include "render/chart_picture.h"

namespace lg::cli {
namespace {

// A QGuiApplication for fonts and painting, on the offscreen platform
// whatever QT_QPA_PLATFORM says: a script may run where no display is.
std::unique_ptr<QGuiApplication> StartQt() {
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
    static char program[] = "lignorama-cli";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, option, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool WriteRunPictures(Session& session, const PictureRequest& request, std::ostream& err) {
    const ChartType type = session.settings.options.charttype;
    const ChartKind& kind = KindOf(type);
    const TinbredPerson* chart = session.Charts(type).Current();
    if (!chart || kind.window == ChartWindowFamily::None) {
        err << "lignorama-cli: run: this chart type has no picture\n";
        return false;
    }
    std::unique_ptr<QGuiApplication> app = StartQt();
    std::unique_ptr<render::ChartPainter> painter = render::PainterFor(session);
    const ChartLayout layout = LayOutChart(*chart, painter->Metrics());
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
