#pragma once
// Kinship: the probability that two genes drawn one from each of two
// persons are identical by descent. A person's coefficient with himself is
// 1/2 (1 + F), F (Wright's inbreeding coefficient) being the kinship of
// his parents; full siblings have 1/4, half-siblings 1/8.
//
// The coefficient of a and b sums, over the routes up from b that end at
// the first ancestor (or self) of a met, half per step times the
// coefficient of that ancestor with a. The routes are not walked one by
// one: the weights are summed per meeting ancestor in one pass over b's
// ancestors, which is linear where the routes are exponential in an
// interbred pedigree. Nothing recurses over persons.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/reporter.h"
#include "charts/chart_list.h"
#include "charts/pedigree.h"
#include "database/records.h"

namespace lg {

// The coefficients of one computation, cached per pair; the persons whose
// self-coefficient was needed are the common ancestors, in the order they
// were met.
class KinshipEngine {
  public:
    // With a reporter, each common ancestor is listed in the message list as
    // it is met ("    " + listing text) and "Common ancestors: %n" is shown;
    // Esc is polled every 1024 coefficients.
    explicit KinshipEngine(Reporter* reporter = nullptr) : reporter_(reporter) {}

    // 0 for unrelated persons; 1/2 when interrupted (run state 2 then).
    long double Kinship(const Tindividual& a, const Tindividual& b);
    // Wright's inbreeding coefficient: the kinship of the parents, 0 without two.
    long double Inbreeding(const Tindividual& person);

    const std::vector<const Tindividual*>& CommonAncestors() const { return ancestors_; }
    bool Interrupted() const { return interrupted_; }

  private:
    struct Frame;
    std::optional<long double> Cached(const Tindividual* a, const Tindividual* b) const;
    void Store(const Tindividual* a, const Tindividual* b, long double value);
    void Expand(Frame& frame);
    void MetCommonAncestor(const Tindividual& person);
    const std::unordered_set<const Tindividual*>& MarkedAncestors(const Tindividual& person);

    struct PairHash {
        std::size_t operator()(const std::pair<const void*, const void*>& p) const {
            return std::hash<const void*>()(p.first) * 31 + std::hash<const void*>()(p.second);
        }
    };
    Reporter* reporter_;
    std::unordered_map<std::pair<const void*, const void*>, long double, PairHash> cache_;
    std::vector<const Tindividual*> ancestors_;
    std::unordered_map<const Tindividual*, std::unordered_set<const Tindividual*>> marked_;
    std::size_t calls_ = 0;
    bool interrupted_ = false;
};

// The generation distance of a coefficient: 1 for parent and child and for
// full siblings, 2 for half-siblings, 0 for a person with himself; nothing
// for unrelated persons.
std::optional<long double> GenerationDistance(long double kinship);

// The lines of the kinship report for the persons and their matrix (m[i][j]
// for j < i): the coding of the persons, the matrices in percent and in
// generations with their separators and footers.
std::vector<std::string> KinshipReportLines(const std::vector<const Tindividual*>& persons,
                                            const std::vector<std::vector<long double>>& m);

// A coefficient in the 23-character form of kinship.txt: " 2.50000000000000E-0001".
std::string KinshipFileNumber(long double value);

// The letter code of the report's i-th person: A, B, ... Z, AA, AB, ...
std::string PersonLetter(std::size_t i);

// The lower triangle of the matrix (m[i][j] for j < i; 1 on the
// diagonal) with the report in the message list: "Common ancestors: "
// and each ancestor as met, then the report lines. Nothing after Esc.
std::optional<std::vector<std::vector<long double>>> KinshipReport(
    const std::vector<const Tindividual*>& persons, KinshipEngine& engine, Reporter& reporter);

// The persons through whom the common ancestors pass genes to the chosen
// ones, the ancestors included: every person on a route up from a chosen
// person to a common ancestor, each ancestor followed by its descendants
// on such routes.
std::vector<const Tindividual*> KinshipChartPersons(
    const std::vector<const Tindividual*>& chosen,
    const std::vector<const Tindividual*>& commonAncestors);

// The selection dialog of the kinship analysis: every person's listing text
// and the positions of the remembered ones; the chosen positions in order,
// or nothing when cancelled.
using KinshipChoiceDialog = std::function<std::optional<std::vector<std::size_t>>(
    const std::vector<std::string>& texts, const std::vector<std::size_t>& remembered)>;
// Asks where to write kinship.txt; empty: cancelled.
using KinshipFileDialog = std::function<std::string()>;

struct KinshipRequest {
    std::vector<std::string>* probands = nullptr;  // remembered IDs; the answer replaces them
    const KinshipChoiceDialog* dialog = nullptr;   // none: the remembered persons
    bool largeKinship = false;                     // no limit, kinship.txt instead of a chart
    const KinshipFileDialog* saveFile = nullptr;
    int32_t chartDepth = 0;
    MarriageSummaries marriages;
};

// The whole kinship run into the chart list: the persons (dialog or
// remembered), the report, the chart of the common ancestors; with
// largeKinship the file instead. The run state tells how it ended.
void AnalyseKinship(Database& db, ChartList& charts, Reporter& reporter,
                    const KinshipRequest& request);

// Writes kinship.txt for the persons; false when it could not be written.
bool SaveKinshipFile(const std::string& file, const std::vector<const Tindividual*>& persons,
                     KinshipEngine& engine, Reporter& reporter);

}  // namespace lg
