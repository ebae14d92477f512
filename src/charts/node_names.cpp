#include "charts/node_names.h"

#include <algorithm>

#include "base/fill_in.h"
#include "base/messages.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

// Links to boxes of a negative generation belong to no chart.
bool InChart(const TlossPerson* node) {
    return node != nullptr && node->generation >= 0;
}

int BirthYearForAliveTest(const Tindividual& person) {
    const int year = YearNumber(person.BirthDate());
    return year != 0 ? year : YearNumber(person.ChristeningDate());
}

bool PersonMayBeAlive(const Tindividual* person, int currentYear) {
    return person != nullptr && person->deathYear == 0 &&
           BirthYearForAliveTest(*person) > currentYear - 100;
}

// A child of a parent who may be alive is treated as possibly alive too.
bool MayBeAlive(const TlossPerson& node, int currentYear) {
    if (PersonMayBeAlive(node.person, currentYear)) return true;
    for (const TlossPerson* parent : node.parents)
        if (InChart(parent) && PersonMayBeAlive(parent->person, currentYear)) return true;
    return false;
}

bool HasNoOffspring(const TlossPerson& node) {
    for (const TlossPerson* child : node.children)
        if (InChart(child)) return false;
    return true;
}

bool SharesParentSurname(const TlossPerson& node) {
    if (node.person == nullptr) return false;
    for (std::size_t i = 0; i < 2 && i < node.parents.size(); ++i) {
        const TlossPerson* parent = node.parents[i];
        if (InChart(parent) && parent->person != nullptr &&
            SameSurname(parent->person->surname, node.person->surname))
            return true;
    }
    return false;
}

bool ConditionHolds(char letter, const TlossPerson& node, int currentYear) {
    switch (letter) {
        case 'a':
            return MayBeAlive(node, currentYear);
        case 'f':
            return node.person != nullptr && node.person->sex == 'F';
        case 'm':
            return node.person != nullptr && node.person->sex == 'M';
        case 'n':
            return node.lineFlag;
        case 'o':
            return HasNoOffspring(node);
        case 'p':
            return SharesParentSurname(node);
        default:
            return true;  // 'z', and letters that name no condition
    }
}

}  // namespace

std::size_t SelectNameCode(const TlossPerson& node, std::string_view scheme, int currentYear) {
    std::size_t i = 0;
    for (; i + 2 <= scheme.size(); i += 2)
        if (ConditionHolds(scheme[i], node, currentYear)) break;
    return i;
}

char SchemeFormAt(std::string_view scheme, std::size_t position) {
    return position + 1 < scheme.size() ? scheme[position + 1] : '0';
}

std::string NameForNode(const TlossPerson& node, std::string_view scheme,
                        const NameOptions& options, int currentYear) {
    if (node.person == nullptr) return {};
    char form = node.person->nameCode;
    if (form == 0) form = SchemeFormAt(scheme, SelectNameCode(node, scheme, currentYear));
    return DisplayName(*node.person, form, options);
}

std::string NoNameReason(const TlossPerson& node, std::string_view scheme,
                         const NameOptions& options, int currentYear, const CatalogueLookup& text) {
    if (node.person == nullptr || !NameForNode(node, scheme, options, currentYear).empty())
        return {};
    const auto hides = [](char form) { return form == '0' || form == '5'; };
    const char chosen = node.person->nameCode;
    if (chosen != 0) return hides(chosen) ? text(Msg::NoNameByChoice) : "";
    const std::size_t position = SelectNameCode(node, scheme, currentYear);
    if (!hides(SchemeFormAt(scheme, position))) return {};
    // The conditions' captions follow the letters "afmnopz" in the catalogue.
    static constexpr std::string_view kLetters = "afmnopz";
    static_assert(static_cast<int>(Msg::Everybody) - static_cast<int>(Msg::Alive) == 6);
    const char letter = position < scheme.size() ? scheme[position] : 'z';
    const std::size_t index = kLetters.find(letter);
    const Msg condition = index == std::string_view::npos
                              ? Msg::Everybody
                              : static_cast<Msg>(static_cast<int>(Msg::Alive) + index);
    const std::string pair(scheme.substr(std::min(position, scheme.size()), 2));
    return FillInAll(text(Msg::NoNameByScheme), {scheme, text(condition), pair});
}

}  // namespace lg
