#pragma once
// What the proband selection dialog shows and what its buttons do, apart
// from its widgets: the persons worth a chart with their depth, the
// remembered proband, and the answers OK, Clear and Cancel. The desktop
// program's dialog fills its list from here; tests need no widgets.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/collation.h"
#include "base/reporter.h"
#include "charts/pedigree.h"
#include "charts/settings_types.h"
#include "database/records.h"

namespace lg {

// The least tree depth a person needs to be listed, by the number of
// persons: 1 below 17, 2 below 33, 3 below 257, 4 below 2049, 5 below
// 8001, else 6.
int32_t MinimumListedDepth(std::size_t personCount);

// One line of the list: "Index name [year]  <depth>" and its person.
struct ProbandLine {
    std::string text;
    Tindividual* person = nullptr;
};

// The dialog's content when it is shown.
struct ProbandList {
    std::vector<ProbandLine> lines;  // in the collation's order
    // The remembered proband (the first entry of the proband list), also
    // when it is not deep enough to be listed; null when unknown.
    Tindividual* remembered = nullptr;
    // The line to highlight: the remembered proband's; -1 for none.
    std::ptrdiff_t highlighted = -1;
};

// Lists the persons whose treeDepth (computed by the chart build before)
// reaches MinimumListedDepth, ordered by `order` (the Host's PersonOrder),
// with the progress every 500 lines in the status line, which is cleared
// afterwards.
ProbandList ListProbands(const TindividualList& persons, const std::vector<std::string>& probands,
                         const Collation& order, Reporter& reporter);

// OK: the highlighted person (null for none) becomes the only remembered
// proband, or none is remembered. `changed` is set when the choice differs
// from the proband remembered when the dialog opened.
ProbandChoice AcceptProband(std::vector<std::string>& probands, Tindividual* highlighted,
                            const Tindividual* rememberedAtOpen, bool& changed);

// Clear: no proband is remembered, which counts as a change; OK then lets
// the chart choose by tree depth.
void ClearProband(std::vector<std::string>& probands, bool& changed);

// Cancel: the run stops without an error line (run state 1).
ProbandChoice CancelProband(Reporter& reporter);

}  // namespace lg
