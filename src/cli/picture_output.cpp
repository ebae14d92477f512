#include "cli/picture_output.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>
#include <ostream>

#include "app/chart_kinds.h"
#include "app/session.h"
#include "base/messages.h"
#include "render/chart_picture.h"
#include "render/chart_print.h"
#include "render/qt_text.h"

namespace lg::cli {
namespace {

QPageSize PaperOf(const std::string& paper) {
    if (paper == "letter") return QPageSize(QPageSize::Letter);
    if (paper == "a3") return QPageSize(QPageSize::A3);
    return QPageSize(QPageSize::A4);
}

// The printout of the chart, tiled on sheets of the paper, as a PDF that
// replaces the file only when it is complete.
QString WritePdf(Session& session, const render::ChartPainter& painter, const ChartLayout& layout,
                 const ChartKind& kind, const PictureRequest& request) {
    QSaveFile file(QString::fromStdString(request.pdf));
    if (!file.open(QIODevice::WriteOnly))
        return QString("it could not be written (%1).").arg(file.errorString());
    const QString title = "Lignorama - " + ToQString(MessageText(kind.windowTitle));
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(PaperOf(request.paper));
        pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        pdf.setTitle(title);
        pdf.setCreator("Lignorama");
        render::PrintChart(pdf, painter, layout, kind.shape, title, &session.GetReporter());
    }
    if (!file.commit()) return QString("it could not be written (%1).").arg(file.errorString());
    return {};
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
    if (!request.pdf.empty()) {
        const QString error = WritePdf(session, *painter, layout, kind, request);
        if (!error.isEmpty()) {
            err << "*** " << request.pdf << ": " << error.toStdString() << '\n';
            written = false;
        }
    }
    return written;
}

}  // namespace lg::cli
