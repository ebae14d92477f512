#pragma once
// Pedigree loss: the part of a person's pedigree that is missing because
// ancestors are reached along more than one route, measured by the
// completeness u (the unique fraction; loss = 1 - u). A person without
// recorded parents has u = 1, losing one of four grandparents gives 0.75,
// children of full siblings 0.5. The analysis finds the persons whose
// parents are related (inbred), and charts for each the part of his
// pedigree responsible for the loss, darker the higher the loss.
//
// Only persons on the routes between a doubly reached ancestor and the
// first common descendant get a box, so the counting works on a small
// graph even in a large file. Nothing here recurses over persons: a chain
// of 100,000 generations is fine.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/reporter.h"
#include "charts/chart_list.h"
#include "charts/pedigree.h"
#include "database/records.h"

namespace lg {

// Builds the graph of relevant persons into the pool, in person-list order,
// parents mother first: with all, every person; otherwise the persons on
// both routes from each ancestor reached twice down to the first common
// descendant. A person who is his own ancestor is reported with a trace
// (run state 2). False when stopped by a loop or Esc.
bool CollectRelevantPersons(Database& db, NodePool& pool, bool all,
                            const MarriageSummaries& marriages, Reporter& reporter);

// Sets completeness of every node: 1 without parents, half of one more
// than the parent's for a single parent, counted over the routes for two
// (each node's share computed once per person, so an entangled royal
// pedigree takes linear time), copied between full siblings (lineFlag
// set on the copy). False after a loop (reported) or Esc.
bool ComputePedigreeLoss(const std::vector<TlossPerson*>& nodes, Reporter& reporter);

// The inbred nodes, after the loss computation: two parents and twice the
// node's loss more than the sum of the parents'. Marked isDouble, the
// smallest loss first; siblings that copied their value are left out.
std::vector<TlossPerson*> MarkInbred(const std::vector<TlossPerson*>& nodes, Reporter& reporter);

// The nodes on both routes from the node to every ancestor reached twice,
// the node itself included; empty when no ancestor is. The nodes' index
// must be their position in nodes.
std::vector<TlossPerson*> CollectGroup(const TlossPerson& node,
                                       const std::vector<TlossPerson*>& nodes);

// The grey of a box by its completeness: white up to a loss of 1 %, then
// darker the higher the loss (25 % gives 152, 100 % gives 65).
int32_t ShadeOf(long double completeness);

// A line of the report: the loss in whole percent ("<1" for what rounds
// to 0), "%", the group size and the listing text, numbers padded on the
// left with two blanks per digit short of four.
std::string LossReportLine(long double completeness, std::size_t groupSize,
                           const std::string& listing);

// The loss in hundredths of a percent with a decimal comma, as the hint
// of a box shows it ("12,05% pedigree loss."); empty without loss.
std::string LossHint(long double completeness, const std::string& pedigreeLossPhrase);

// The selection dialog: the inbred persons' listing texts and the
// positions of the remembered ones. Returns the chosen positions in their
// order (empty: all), or nothing when cancelled.
using InbredChoiceDialog = std::function<std::optional<std::vector<std::size_t>>(
    const std::vector<std::string>& texts, const std::vector<std::size_t>& remembered)>;

struct InbreedingRequest {
    // Remembered person IDs; the dialog's answer replaces them.
    std::vector<std::string>* probands = nullptr;
    const InbredChoiceDialog* dialog = nullptr;  // none: no dialog
    bool report = false;                         // the report lines in the message list
    int32_t chartDepth = 0;                      // bounds the width of the charts
    MarriageSummaries marriages;                 // the boxes' hints
};

// One inbred (or chosen) person of a run.
struct InbreedingEntry {
    TlossPerson* node = nullptr;   // in the analysis graph
    std::size_t groupSize = 0;     // before any truncation
    int32_t chart = -1;            // index of the chart that shows the group; -1: none
    TlossPerson* shown = nullptr;  // the person's box in that chart
};

// The whole analysis into the chart list: relevant persons, losses, the
// report, the dialog, one chart per group not shown in an earlier one,
// the shading. The entries, when asked for, in chart order. Without a
// dialog and with remembered persons, charts for those persons (their
// loss computed all the same). The run state tells how it ended; after a
// cancelled dialog it is 1.
void AnalyseInbreeding(Database& db, ChartList& charts, Reporter& reporter,
                       const InbreedingRequest& request,
                       std::vector<InbreedingEntry>* entries = nullptr);

}  // namespace lg
