#include "charts/box_menu.h"

#include <algorithm>

#include "base/messages.h"
#include "charts/descendants.h"
#include "charts/node_names.h"

namespace lg {

void ChooseNameCode(TlossPerson& node, char digit, Tvariables& settings, bool& changed,
                    int currentYear) {
    changed = true;
    if (!node.person) return;
    Tindividual& person = *node.person;
    const std::string& scheme = settings.namingscheme;
    if (SchemeFormAt(scheme, SelectNameCode(node, scheme, currentYear)) == digit) {
        person.nameCode = 0;
        RemoveNameCode(settings.namecodes, person.ID);
    } else {
        person.nameCode = digit;
        SetNameCode(settings.namecodes, person.ID, digit);
    }
}

BranchItem BranchItemOf(const TlossPerson& node) {
    if (node.lineFlag) return BranchItem::Off;
    bool parentOnLine = std::any_of(node.parents.begin(), node.parents.end(),
                                    [](const TlossPerson* parent) { return parent->lineFlag; });
    return parentOnLine ? BranchItem::On : BranchItem::NotAnOption;
}

std::string_view BranchItemCaption(BranchItem item) {
    switch (item) {
        case BranchItem::Off:
            return MessageText(Msg::AtBranchOff);
        case BranchItem::On:
            return MessageText(Msg::AtBranchOn);
        default:
            return MessageText(Msg::AtNotAnOption);
    }
}

void ToggleBranch(TlossPerson& node, Tvariables& settings, bool usePatronym, bool& changed) {
    if (!node.person || BranchItemOf(node) == BranchItem::NotAnOption) return;
    ToggleLineHighlight(node, usePatronym);
    ToggleHighlight(settings.highlights, node.person->ID);
    changed = true;
}

}  // namespace lg
