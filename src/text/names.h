#pragma once
// How a person's name is shown in a chart box: the five name forms, the
// shortening of a name to the configured length, and the fuzzy surname
// comparison that the "parent's name" condition of a naming scheme uses.
// The full name for texts and messages is Tindividual::FullName.

#include <cstdint>
#include <string>
#include <string_view>

#include "database/records.h"

namespace lg {

// The settings a displayed name depends on.
struct NameOptions {
    // Visible characters a name should not exceed (setting "namelength").
    int32_t nameLength = 12;
    // Show the patronym in the surname form when there is no surname
    // (setting "patronym").
    bool usePatronym = true;
};

// A sound-alike key of a surname: spelling variants such as "Bakker" and
// "Backer" or "Dijk" and "Dyk" get the same key. Only lower-case letters are
// mapped; an initial capital stays as it is.
std::string PhoneticKey(std::string_view surname);

// The core of a surname for comparison: leading particles are dropped, and
// when more than one word is still left, its first word too ("van der Berg"
// and "van Berg Jansen" give "Berg" and "Jansen").
std::string StripParticles(std::string_view surname);

// True when the surnames are equal, or equal by PhoneticKey once their
// particles are stripped.
bool SameSurname(std::string_view a, std::string_view b);

// The name fitted to nameLength visible characters: unchanged when it fits;
// otherwise particles shrink to one letter ("van der" to "vd"), then
// bracketed parts go, then the name is cut to nameLength - 1 visible
// characters followed by "..", so a name cut that far is one over the length.
// A character reference ("&#321;", "&eacute;") is one visible character, and
// no cut falls inside one.
std::string ShortenName(std::string_view name, int32_t nameLength);

// The person's name in the form the digit names, passed through ShortenName:
// '1' surname (or patronym, or first given name), '2' initial + surname,
// '3' first given name and initials of the others, '4' first given name +
// surname. '0', '5' and any other character give the empty text.
std::string DisplayName(const Tindividual& person, char formDigit, const NameOptions& options);

}  // namespace lg
