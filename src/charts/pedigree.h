#pragma once
// The pedigree (ancestor) chart of one proband: every recorded ancestor once
// in full, every further occurrence of a person as a box without ancestors,
// laid out so that every child sits halfway between father and mother and
// every generation is packed without wasted space.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/reporter.h"
#include "charts/chart_list.h"
#include "database/records.h"

namespace lg {

// The answer of a proband selection dialog.
struct ProbandChoice {
    bool cancelled = false;
    Tindividual* selected = nullptr;  // none: the automatic choice
};
// Shows the proband selection dialog; every treeDepth is computed before.
using ProbandDialog = std::function<ProbandChoice()>;

// The marriages of a person as the chart windows' hints show them; the
// builders store it in each box's name. The text belongs to the page
// writers' person descriptions, so the caller passes it in.
using MarriageSummaries = std::function<std::string(const Tindividual& person)>;

// Counts the depth pass's persons and shows its progress every 1000.
struct DepthProgress {
    Reporter& reporter;
    int32_t counter = 0;
};

// The number of ancestor generations above the person (0 without recorded
// parents), memoised in treeDepth. Works without recursion, so a chain of
// a million ancestors is fine; a loop in the data ends where it meets a
// person being measured. Reports "There seems to be a loop in your gedcom."
// when a memoised depth exceeds the number of persons.
int32_t ComputeAncestorDepth(Tindividual& person, std::size_t personCount, DepthProgress& progress);

// ComputeAncestorDepth for every person not measured yet, in list order;
// stops at an error.
void ComputeAncestorDepths(TindividualList& persons, Reporter& reporter);

// The person with the largest treeDepth (the first on ties); null when the
// list is empty.
Tindividual* DeepestPerson(const TindividualList& persons);

// Builds the ancestor tree of the proband breadth first into the pool:
// ancestor numbers, generations, ranks, paternal-line marks, the marriages
// summaries and the double marks. Persons' node fields point at their
// principal boxes afterwards.
void BuildAncestorTree(Tindividual& proband, NodePool& pool, const MarriageSummaries& marriages);

// The compact placement of the tree from the root: x is the generation's
// column, y the row. Never moves a subtree up; without recursion and in
// n log n time even for very deep trees.
void PlaceAncestors(TlossPerson& root);

// The proband of a chart: without a dialog the first remembered proband;
// when that is missing, or to show the dialog, every person's depth is
// measured first (computeDepths). A dialog's Cancel sets the run state to
// 1; no choice falls back to the deepest tree, with its message. Clears
// treeDepth and node of every person for the build. Null when the run
// state is not 0.
Tindividual* SelectProband(Database& db, Reporter& reporter,
                           const std::vector<std::string>* probands, const ProbandDialog* dialog,
                           void (*computeDepths)(TindividualList&, Reporter&));

// What the pedigree build needs besides the database.
struct PedigreeRequest {
    // The remembered probands; the first is used when no dialog is shown.
    const std::vector<std::string>* probands = nullptr;
    // Shown when set (Make Chart without Ctrl).
    const ProbandDialog* dialog = nullptr;
    MarriageSummaries marriages;  // none: the boxes' names stay empty
};

// Picks the proband (the dialog, the remembered one, or the deepest tree)
// and builds its ancestor tree into the emptied pool. Returns the root box,
// or null after an error (run state 2) or a cancelled dialog (run state 1).
TlossPerson* MakePedigree(Database& db, NodePool& pool, Reporter& reporter,
                          const PedigreeRequest& request);

// Lays the tree out and replaces the chart list's charts with the one
// pedigree chart: boxes sorted top to bottom, drop-down entries, doubles
// shaded 220. Reports "%n name boxes in chart.".
void MakePedigreeChart(TlossPerson* root, NodePool& pool, ChartList& charts, Reporter& reporter);

}  // namespace lg
