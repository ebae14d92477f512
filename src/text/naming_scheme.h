#pragma once
// The naming scheme as the user types it, brought into the one form the
// evaluator relies on, and the two per-person lists that override it: name
// codes ("I12/0": identifier, a separator, one name-form digit) and the
// identifiers whose family-name branch is highlighted. Both lists are kept
// sorted by byte order without duplicates, so they can be searched by
// bisection and are written to parameter files in a stable order.

#include <string>
#include <string_view>
#include <vector>

namespace lg {

// A sorted list of texts without duplicates (byte order).
using SortedStrings = std::vector<std::string>;

// Lower case; every condition letter (a f m n o p z) once, in the order of
// its first use, each followed by its digit 0 to 5 ("2" when the digit is
// missing or out of range); everything after the "z" pair dropped, a "z2"
// pair appended when there was none; "@" at the end when the text held one
// anywhere. The result is never empty and always ends with a "z" pair.
std::string NormaliseScheme(std::string_view scheme);

// Inserts the text at its place; false (and no change) when it is present.
bool AddSorted(SortedStrings& list, std::string_view text);
// Removes the text; false when it was absent.
bool RemoveSorted(SortedStrings& list, std::string_view text);
bool ContainsSorted(const SortedStrings& list, std::string_view text);

// The identifier part of a name-code entry (all but its last two
// characters); empty for an entry too short to hold a separator and a code.
std::string_view NameCodeID(std::string_view entry);

// The code of the person's entry, 0 when there is none. When the list holds
// several entries for the identifier, the first in list order counts.
char NameCodeOf(const SortedStrings& codes, std::string_view id);
// Replaces every entry of the person by ID + "/" + digit.
void SetNameCode(SortedStrings& codes, std::string_view id, char digit);
void RemoveNameCode(SortedStrings& codes, std::string_view id);

// Adds the identifier, or removes it when present. Returns true when the
// person is highlighted afterwards.
bool ToggleHighlight(SortedStrings& highlights, std::string_view id);
void RemoveHighlight(SortedStrings& highlights, std::string_view id);

}  // namespace lg
