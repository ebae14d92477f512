// Times a pedigree, genealogy or timeline from proband to pages, as the batch mode
// makes it: the build (proband, tree), the placement and chart assembly,
// and the writing of the chart, outline, text and frames pages. The GEDCOM
// is loaded first, untimed.
//
//   bench_chart pedigree|genealogy|timeline FILE.ged OUTDIR [PROBAND|-] [RUNS]
//
// With "-" the program picks the proband with the deepest tree (the depth
// pass is then part of the time).

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/make_chart.h"
#include "app/run_pipeline.h"
#include "quiet_host.h"

namespace {

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    std::string type = argc > 1 ? argv[1] : "";
    if (argc < 4 || (type != "pedigree" && type != "genealogy" && type != "timeline")) {
        std::fprintf(stderr,
                     "usage: bench_chart pedigree|genealogy|timeline FILE.ged OUTDIR "
                     "[PROBAND|-] [RUNS]\n");
        return 2;
    }
    lg::ChartType chartType = type == "pedigree"    ? lg::ChartType::Pedigree
                              : type == "genealogy" ? lg::ChartType::Genealogy
                                                    : lg::ChartType::Timeline;
    lg::bench::QuietHost host;
    lg::Session session(host);
    if (!lg::bench::LoadForChart(session, argv[2], chartType, argc > 4 ? argv[4] : nullptr))
        return 1;
    session.workingDirectory = argv[3];
    std::filesystem::create_directories(session.workingDirectory);
    int runs = argc > 5 ? std::stoi(argv[5]) : 3;
    double bestChart = 1e30, bestPages = 1e30;
    for (int run = 0; run < runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        session.ctrlHeld = true;
        lg::GoButtonClick(session);
        double chart = Since(start);
        start = std::chrono::steady_clock::now();
        std::string page = lg::PublishChart(session, chartType);
        double pages = Since(start);
        if (page.empty()) return 1;
        bestChart = std::min(bestChart, chart);
        bestPages = std::min(bestPages, pages);
    }
    const lg::TinbredPerson* chart = session.Charts(chartType).Current();
    std::printf("%s: %zu boxes; best of %d: chart %.3f s + pages %.3f s = %.3f s\n",
                std::filesystem::path(argv[2]).filename().c_str(), chart->nodes.size(), runs,
                bestChart, bestPages, bestChart + bestPages);
    return 0;
}
