#include "base/fill_in.h"

namespace lg {
namespace {

constexpr std::size_t kMaxValueLength = 255;

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

}  // namespace

std::string FillIn(std::string_view text, std::string_view value) {
    std::size_t percent = text.find('%');
    if (percent == std::string_view::npos) return std::string(text);
    std::size_t rest = percent + 1;
    while (rest < text.size() && IsNameChar(text[rest])) ++rest;
    std::string result;
    value = value.substr(0, kMaxValueLength);
    result.reserve(text.size() + value.size());
    result.append(text.substr(0, percent)).append(value).append(text.substr(rest));
    return result;
}

std::string FillInAll(std::string_view text, std::initializer_list<std::string_view> values) {
    if (values.size() == 0) return FillIn(text, "");
    std::string result(text);
    for (std::string_view value : values) result = FillIn(result, value);
    return result;
}

std::string FillInNumber(std::string_view text, int32_t number) {
    return FillIn(text, std::to_string(number));
}

std::string FillInNumbers(std::string_view text, std::initializer_list<int32_t> numbers) {
    if (numbers.size() == 0) return FillIn(text, "");
    std::string result(text);
    for (int32_t n : numbers) result = FillInNumber(result, n);
    return result;
}

}  // namespace lg
