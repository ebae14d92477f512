// Times the load step (read, convert, parse, sort, link) on a GEDCOM file and
// reports its throughput and the process's peak memory against the file
// size. One file per process, so the peak belongs to that file alone. With
// --checks it then times the consistency and date checks at level 2 once
// (their report goes to a scratch directory). A big file's second half is
// read on a second core; --one-core reads it all on one.
//
//   bench_load FILE.ged [RUNS] [--checks] [--one-core]
//
// The first run is the first load in a fresh process; it is reported on its
// own beside the best run. Each time is given as wall-clock and as the
// process's CPU time (user + system), which a busy machine disturbs less.
// Read on one core, the two agree on an idle machine; on two, the CPU time
// is that of both.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
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

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Wall-clock and CPU seconds of one stretch of work.
class Stopwatch {
  public:
    Stopwatch() : wall_(std::chrono::steady_clock::now()), cpu_(CpuSeconds()) {}
    double Wall() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - wall_).count();
    }
    double Cpu() const { return CpuSeconds() - cpu_; }

  private:
    std::chrono::steady_clock::time_point wall_;
    double cpu_;
};

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path file;
    int runs = 3;
    bool checks = false;
    lg::ReadOptions options;
    std::uintmax_t splitAt = 0;
    options.splitAt = &splitAt;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--checks") {
            checks = true;
        } else if (arg == "--one-core") {
            options.splitFrom = 0;
        } else if (arg.rfind("--", 0) == 0) {
            std::fprintf(stderr, "bench_load: unknown option %s\n", argv[i]);
            return 2;
        } else if (file.empty()) {
            file = arg;
        } else if (arg.find_first_not_of("0123456789") == std::string::npos && arg.size() < 6 &&
                   std::stoi(arg) > 0) {
            runs = std::stoi(arg);
        } else {
            std::fprintf(stderr, "bench_load: RUNS must be a positive number, not %s\n", argv[i]);
            return 2;
        }
    }
    if (file.empty()) {
        std::fprintf(stderr, "usage: bench_load FILE.ged [RUNS] [--checks] [--one-core]\n");
        return 2;
    }
    double sizeMiB = static_cast<double>(std::filesystem::file_size(file)) / (1024.0 * 1024.0);
    double bestWall = 1e30, bestCpu = 1e30, firstWall = 0, firstCpu = 0, freeWall = 0;
    std::size_t persons = 0;
    for (int run = 0; run < runs; ++run) {
        lg::bench::QuietHost sink;
        lg::Reporter reporter(sink);
        auto db = std::make_unique<lg::Database>();
        Stopwatch load;
        if (!lg::ReadGedcom(file, *db, reporter, options)) return 1;
        const double wall = load.Wall(), cpu = load.Cpu();
        if (run == 0) {
            firstWall = wall;
            firstCpu = cpu;
        }
        bestWall = std::min(bestWall, wall);
        bestCpu = std::min(bestCpu, cpu);
        persons = db->persons.Count();
        if (checks && run == runs - 1) {
            std::unique_ptr<lg::Tlanguage> language = lg::CreateLanguage("english", reporter);
            lg::CheckOptions options;
            options.report.outputDirectory = std::filesystem::temp_directory_path();
            options.report.gedcomName = file.filename().string();
            options.report.checkLevel = 2;
            Stopwatch timer;
            lg::CheckGedcom(*db, language.get(), reporter, options);
            std::printf("checks at level 2: %.3f s (CPU %.3f s)\n", timer.Wall(), timer.Cpu());
        }
        Stopwatch freeing;
        db.reset();
        freeWall = freeing.Wall();
    }
    double peak = PeakRssMiB();
    std::printf(
        "%s: %zu persons, %.1f MiB, %s\n"
        "  first load: %.3f s (%.0f MiB/s), CPU %.3f s (%.0f MiB/s)\n"
        "  best of %d: %.3f s (%.0f MiB/s), CPU %.3f s (%.0f MiB/s)\n"
        "  freeing the records: %.3f s\n"
        "  peak RSS %.0f MiB (%.2f x file size)\n",
        file.filename().c_str(), persons, sizeMiB,
        splitAt ? ("second half from byte " + std::to_string(splitAt)).c_str() : "read on one core",
        firstWall, sizeMiB / firstWall, firstCpu, sizeMiB / firstCpu, runs, bestWall,
        sizeMiB / bestWall, bestCpu, sizeMiB / bestCpu, freeWall, peak, peak / sizeMiB);
    return 0;
}
