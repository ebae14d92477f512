#pragma once
// Small text functions shared by records, reports and pages.

#include <string>
#include <string_view>

namespace lg {

// a + separator + b when both are non-empty, otherwise the non-empty one.
std::string JoinWith(std::string_view a, std::string_view separator, std::string_view b);
// The last run of exactly four digits ("1850/51" gives "1850"); empty if none.
std::string YearOf(std::string_view date);
// YearOf as a number, 0 when there is no year.
int YearNumber(std::string_view date);
inline std::string Cell(std::string_view text) {
    return "<td>" + std::string(text) + "</td>";
}
inline std::string Row(std::string_view text) {
    return "<tr>" + std::string(text) + "</tr>";
}
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
std::string_view TrimRightBlanks(std::string_view text);
std::string_view TrimLeftBlanks(std::string_view text);

}  // namespace lg
