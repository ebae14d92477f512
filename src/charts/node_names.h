#pragma once
// The name shown in a chart box: the naming scheme ("n2z1", "a0n3z2@")
// evaluated for the box, or the person's own name code, then the name form.
// Evaluated whenever a box is drawn, printed or written, so a changed name
// code or scheme shows at the next redraw.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "base/messages.h"
#include "charts/chart_records.h"
#include "text/names.h"

namespace lg {

// The 0-based position in the scheme of the letter of the first pair whose
// condition holds for the node; its name-form digit follows it. Conditions:
// a person may be alive (or a parent box's person may be), f female, m male,
// n the node's lineFlag, o no child box, p surname shared with a parent box
// (SameSurname); 'z', and any letter without a condition, always hold. The
// walk stops where fewer than two characters are left and returns that
// position. currentYear decides who may be alive (born within 100 years,
// no death year); callers take it from the session's clock.
std::size_t SelectNameCode(const TlossPerson& node, std::string_view scheme, int currentYear);

// The name-form digit after the letter at the position, or '0' (no name)
// when the scheme ends there.
char SchemeFormAt(std::string_view scheme, std::size_t position);

// The box label: the person's nameCode (a digit character, 0 for none) when
// set, else the form SelectNameCode picks, built by DisplayName. Empty for
// a box without person.
std::string NameForNode(const TlossPerson& node, std::string_view scheme,
                        const NameOptions& options, int currentYear);

// Why a box with a person shows no name, for its hint: a <blank> chosen for
// the person, or the scheme's pair whose form is no name. Empty when the box
// shows a name, or when only the person's name data are missing. The texts
// come from `text`, so that a surface can give them in its own language.
using CatalogueLookup = std::function<std::string(Msg)>;
std::string NoNameReason(
    const TlossPerson& node, std::string_view scheme, const NameOptions& options, int currentYear,
    const CatalogueLookup& text = [](Msg id) { return std::string(MessageText(id)); });

}  // namespace lg
