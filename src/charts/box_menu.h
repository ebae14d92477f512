#pragma once
// What the chart windows' popup menu on a box does, apart from the menu:
// the per-person name form and the family-line highlight of a genealogy
// branch. Both are kept in the settings, so that pages and saved
// parameter files follow the choice.

#include <string_view>

#include "charts/chart_records.h"
#include "charts/settings_types.h"

namespace lg {

// Name form 0 (no name) to 4 for the box's person. Choosing the form the
// naming scheme gives the box anyway removes the person's override;
// anything else becomes the override. Either way the settings changed.
void ChooseNameCode(TlossPerson& node, char digit, Tvariables& settings, bool& changed,
                    int currentYear);

// The genealogy box's branch item: switch the family line off (the box is
// on it), on (a parent box in the chart is on it), or not an option.
enum class BranchItem { Off, On, NotAnOption };
BranchItem BranchItemOf(const TlossPerson& node);
std::string_view BranchItemCaption(BranchItem item);

// The branch item chosen: the line highlight toggled from the box down,
// the person's ID toggled in the saved highlights, the settings changed.
void ToggleBranch(TlossPerson& node, Tvariables& settings, bool usePatronym, bool& changed);

}  // namespace lg
