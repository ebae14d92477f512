// Times the load step (read, convert, parse, sort, link) on a GEDCOM file and
// reports its throughput and the process's peak memory against the file
// size. One file per process, so the peak belongs to that file alone. With
// --checks it then times the consistency and date checks at level 2 once
// (their report goes to a scratch directory).
//
//   bench_load FILE.ged [RUNS] [--checks]

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "database/consistency.h"
#include "database/gedcom_reader.h"
#include "quiet_host.h"
#include "text/language.h"

namespace {

double PeakRssMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_load FILE.ged [RUNS]\n");
        return 2;
    }
    std::filesystem::path file = argv[1];
    int runs = argc > 2 ? std::stoi(argv[2]) : 3;
    bool checks = argc > 3 && std::string(argv[3]) == "--checks";
    double sizeMiB = static_cast<double>(std::filesystem::file_size(file)) / (1024.0 * 1024.0);
    double best = 1e30;
    std::size_t persons = 0;
    for (int run = 0; run < runs; ++run) {
        lg::bench::QuietHost sink;
        lg::Reporter reporter(sink);
        lg::Database db;
        auto start = std::chrono::steady_clock::now();
        if (!lg::ReadGedcom(file, db, reporter)) return 1;
        double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, seconds);
        persons = db.persons.Count();
        if (checks && run == runs - 1) {
            std::unique_ptr<lg::Tlanguage> language = lg::CreateLanguage("english", reporter);
            lg::CheckOptions options;
            options.report.outputDirectory = std::filesystem::temp_directory_path();
            options.report.gedcomName = file.filename().string();
            options.report.checkLevel = 2;
            start = std::chrono::steady_clock::now();
            lg::CheckGedcom(db, language.get(), reporter, options);
            std::printf(
                "checks at level 2: %.3f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    double peak = PeakRssMiB();
    std::printf(
        "%s: %zu persons, %.1f MiB, best of %d: %.3f s, %.0f MiB/s, peak RSS %.0f MiB "
        "(%.2f x file size)\n",
        file.filename().c_str(), persons, sizeMiB, runs, best, sizeMiB / best, peak,
        peak / sizeMiB);
    return 0;
}
