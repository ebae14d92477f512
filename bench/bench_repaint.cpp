// Times what a chart window does when it is scrolled: painting the exposed
// part of a large chart. The chart is made as "Make Chart" with Ctrl held
// makes it; then views of a window's size are painted into an image at
// positions spread over the whole drawing, and the mean and worst times are
// printed.
//
//   bench_repaint pedigree|genealogy FILE.ged [PROBAND|-] [VIEWS]

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "app/chart_kinds.h"
#include "app/make_chart.h"
#include "app/run_pipeline.h"
#include "quiet_host.h"
#include "render/chart_painter.h"

int main(int argc, char** argv) {
    std::string type = argc > 1 ? argv[1] : "";
    if (argc < 3 || (type != "pedigree" && type != "genealogy")) {
        std::fprintf(stderr,
                     "usage: bench_repaint pedigree|genealogy FILE.ged [PROBAND|-] [VIEWS]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    lg::ChartType chartType =
        type == "pedigree" ? lg::ChartType::Pedigree : lg::ChartType::Genealogy;
    lg::bench::QuietHost host;
    lg::Session session(host);
    if (!lg::bench::LoadForChart(session, argv[2], chartType, argc > 3 ? argv[3] : nullptr))
        return 1;
    int views = argc > 4 ? std::stoi(argv[4]) : 200;
    session.ctrlHeld = true;
    lg::GoButtonClick(session);
    lg::TinbredPerson* chart = session.Charts(chartType).Current();
    if (!chart) return 1;

    lg::NameOptions names;
    names.nameLength = session.settings.current.namelength;
    lg::render::ChartPainter painter(session.settings.current, names, 2026);
    const lg::ChartLayout layout = lg::LayOutChart(*chart, painter.Metrics());
    const lg::PixelPoint extent = layout.extent;
    const QSize window(1400, 900);
    QImage image(window, QImage::Format_RGB32);
    const lg::ChartShape shape = lg::KindOf(chartType).shape;
    auto prepared = std::chrono::steady_clock::now();
    painter.Prepare(layout, shape);
    double prepare =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - prepared)
            .count();
    double total = 0, worst = 0, first = 0;
    for (int i = -1; i < views; ++i) {
        // Spread the views over the drawing, also where it is dense.
        // View -1 is the process's first paint, which loads the fonts; it is
        // reported on its own.
        int v = std::max(i, 0);
        int x = static_cast<int>(1LL * std::max(0, extent.x - window.width()) * ((v * 37) % views) /
                                 views);
        int y = static_cast<int>(1LL * std::max(0, extent.y - window.height()) * v / views);
        QRect exposed(QPoint(x, y), window);
        auto start = std::chrono::steady_clock::now();
        QPainter p(&image);
        p.translate(-x, -y);
        painter.Paint(p, layout, shape, exposed, {});
        p.end();
        double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        if (i < 0) {
            first = ms;
            continue;
        }
        total += ms;
        worst = std::max(worst, ms);
    }
    std::printf(
        "%zu boxes, drawing %d x %d px; lines prepared in %.2f ms, first paint %.2f ms; "
        "%d views of %d x %d: mean %.2f ms, worst %.2f ms\n",
        chart->nodes.size(), extent.x, extent.y, prepare, first, views, window.width(),
        window.height(), total / views, worst);
    return 0;
}
