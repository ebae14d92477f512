// Times the kinship matrix of N persons of a GEDCOM file (every k-th person
// of the person list, so that they spread over the file) and, with
// "inbreeding", the pedigree-loss analysis of the whole file. The GEDCOM is
// loaded first, untimed.
//
//   bench_kinship kinship FILE.ged N
//   bench_kinship inbreeding FILE.ged

#include <chrono>
#include <cstdio>
#include <string>

#include "app/run_pipeline.h"
#include "charts/kinship.h"
#include "charts/pedigree_loss.h"
#include "quiet_host.h"

namespace {

double Since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 2 ? argv[1] : "";
    if ((what != "kinship" || argc < 4) && (what != "inbreeding" || argc < 3)) {
        std::fprintf(stderr, "usage: bench_kinship kinship FILE.ged N | inbreeding FILE.ged\n");
        return 2;
    }
    lg::bench::QuietHost host;
    lg::Session session(host);
    session.settings.options.gedcomchecks = 0;
    if (!lg::LoadGedcom(session, argv[2])) return 1;
    lg::Reporter& reporter = session.GetReporter();
    const lg::TindividualList& persons = session.Db().persons;
    if (what == "inbreeding") {
        lg::ChartList charts;
        lg::InbreedingRequest request;
        std::vector<lg::InbreedingEntry> entries;
        auto start = std::chrono::steady_clock::now();
        lg::AnalyseInbreeding(session.Db(), charts, reporter, request, &entries);
        std::printf("inbreeding: %zu persons, %zu inbred, %zu charts: %.3f s\n", persons.Count(),
                    entries.size(), charts.charts.size(), Since(start));
        return 0;
    }
    const std::size_t n = std::min<std::size_t>(std::stoul(argv[3]), persons.Count());
    std::vector<const lg::Tindividual*> chosen;
    for (std::size_t i = 0; i < n; ++i) chosen.push_back(&persons[i * persons.Count() / n]);
    auto start = std::chrono::steady_clock::now();
    lg::KinshipEngine engine;
    double sum = 0;
    std::size_t related = 0;
    for (const lg::Tindividual* a : chosen)
        for (const lg::Tindividual* b : chosen) {
            const long double value = engine.Kinship(*a, *b);
            sum += static_cast<double>(value);
            related += a != b && value > 0;
        }
    std::printf("kinship: %zu persons of %zu, %zu related pairs, %zu common ancestors: %.3f s\n", n,
                persons.Count(), related / 2, engine.CommonAncestors().size(), Since(start));
    return sum > 0 ? 0 : 1;
}
