#pragma once
// The descendant tree of one proband, depth first through the families in
// their FAMS order and the children in CHIL order, restricted by the
// genealogy type: everyone, only via sons, or only those with the
// proband's family name. A person descending along several lines is shown
// once per line; his own descendants hang under the deepest occurrence.
// The tree serves the genealogy, offspring and timeline charts.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/reporter.h"
#include "charts/chart_list.h"
#include "charts/pedigree.h"
#include "database/records.h"
#include "text/naming_scheme.h"

namespace lg {

// Which descendants are followed: 'm' via sons only, 'n' those with the
// proband's family name, anything else everyone.
enum class GenealogyType { All, Male, Name };
GenealogyType GenealogyTypeOf(char setting);

// Every person's treeDepth becomes the number of generations from him down
// to his most remote descendant, himself included. Without recursion.
// Reports the loop messages when a walk runs deeper than 1000 generations
// or than the number of persons.
void ComputeDescendantDepths(TindividualList& persons, Reporter& reporter);

// What the descendant build needs besides the database.
struct DescendantRequest {
    const std::vector<std::string>* probands = nullptr;  // the remembered probands
    const ProbandDialog* dialog = nullptr;               // shown when set
    GenealogyType type = GenealogyType::All;
    bool usePatronym = true;      // for the family-name comparison
    MarriageSummaries marriages;  // none: the boxes' names stay empty
    // The saved name-line highlights (IDs); toggled persons are kept in it.
    SortedStrings* highlights = nullptr;
};

// Picks the proband (the dialog, the remembered one, or the deepest
// descent) and builds the tree into the emptied pool; applies the saved
// highlights. Returns the root box, or null after an error (run state 2)
// or a cancelled dialog (run state 1).
TlossPerson* MakeDescendantTree(Database& db, NodePool& pool, Reporter& reporter,
                                const DescendantRequest& request);

// Toggles the name-line highlight from the node downward: a node on the
// line leaves it with its descendants on it; a node off it joins it with
// all children of a man and the children with the mother's family name of
// a woman, recursively. Returns the persons of the boxes that changed.
std::vector<Tindividual*> ToggleLineHighlight(TlossPerson& node, bool usePatronym);

// The layout: x is the generation level from the root, y the row; levels
// above maxLevel are not placed. Without recursion.
void PlaceDescendants(TlossPerson& root, std::size_t maxLevel);

// Lays the tree out and replaces the chart list's charts with the one
// genealogy chart, as the pedigree's assembly does.
void MakeGenealogyChart(TlossPerson* root, NodePool& pool, ChartList& charts, Reporter& reporter);

}  // namespace lg
