// Times the offspring fan from proband to page and picture, as the batch
// mode makes it: the build (proband, tree), the depth search, bending and
// shaping (chart), the window's drawing of the whole fan with its boxes
// (drawn), and the page with its JPEG picture, drawn without boxes (page
// and picture). The GEDCOM is loaded first, untimed; Qt runs offscreen.
//
//   bench_fan FILE.ged OUTDIR [PROBAND|-] [RUNS]

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/make_chart.h"
#include "charts/offspring.h"
#include "quiet_host.h"
#include "render/chart_picture.h"
#include "render/offspring_image.h"

namespace {

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_fan FILE.ged OUTDIR [PROBAND|-] [RUNS]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    lg::bench::QuietHost host;
    lg::Session session(host);
    session.chartImage = lg::render::MakeOffspringImage;
    const lg::ChartType type = lg::ChartType::Offspring;
    if (!lg::bench::LoadForChart(session, argv[1], type, argc > 3 ? argv[3] : nullptr)) return 1;
    session.workingDirectory = argv[2];
    std::filesystem::create_directories(session.workingDirectory);
    const int runs = argc > 4 ? std::stoi(argv[4]) : 3;
    double bestChart = 1e30, bestDrawn = 1e30, bestPage = 1e30;
    for (int run = 0; run < runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        session.ctrlHeld = true;
        lg::GoButtonClick(session);
        const double chart = Since(start);
        const lg::TinbredPerson* fan = session.Charts(type).Current();
        if (!fan) return 1;

        start = std::chrono::steady_clock::now();
        const auto painter = lg::render::PainterFor(session);
        const lg::ChartLayout layout = LayOutChart(*fan, painter->Metrics(), lg::ChartShape::Fan);
        QImage image(lg::render::PictureSize(layout, 1.0), QImage::Format_RGB32);
        {
            QPainter canvas(&image);
            painter->Paint(canvas, layout, lg::ChartShape::Fan, image.rect(), {});
        }
        const double drawn = Since(start);

        start = std::chrono::steady_clock::now();
        const std::string page = lg::PublishChart(session, type);
        const double written = Since(start);
        if (page.empty()) return 1;
        bestChart = std::min(bestChart, chart);
        bestDrawn = std::min(bestDrawn, drawn);
        bestPage = std::min(bestPage, written);
    }
    const lg::TinbredPerson* fan = session.Charts(type).Current();
    std::printf(
        "%s: %zu descendants, %zu boxes in %d generations; best of %d: chart %.3f s + drawn "
        "%.3f s + page and picture %.3f s = %.3f s\n",
        std::filesystem::path(argv[1]).filename().c_str(), session.Charts(type).pool.Size() - 1,
        fan->nodes.size(), lg::FanLevels(*fan), runs, bestChart, bestDrawn, bestPage,
        bestChart + bestDrawn + bestPage);
    return 0;
}
