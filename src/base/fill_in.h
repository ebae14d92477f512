#pragma once
// Filling values into catalogue texts. A placeholder is a percent sign and
// the letters and digits after it; values go in by position, each into the
// first placeholder left in the text.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "base/messages.h"

namespace lg {

// Replaces the first placeholder by the value cut to 255 characters. Without
// a placeholder the text comes back unchanged.
std::string FillIn(std::string_view text, std::string_view value);
// Fills the values one after another; an empty list empties the first
// placeholder. Surplus values are dropped, surplus placeholders stay.
std::string FillInAll(std::string_view text, std::initializer_list<std::string_view> values);
std::string FillInNumber(std::string_view text, int32_t number);
std::string FillInNumbers(std::string_view text, std::initializer_list<int32_t> numbers);

inline std::string FillIn(Msg id, std::string_view value) {
    return FillIn(MessageText(id), value);
}
inline std::string FillInAll(Msg id, std::initializer_list<std::string_view> values) {
    return FillInAll(MessageText(id), values);
}
inline std::string FillInNumber(Msg id, int32_t n) {
    return FillInNumber(MessageText(id), n);
}

}  // namespace lg
