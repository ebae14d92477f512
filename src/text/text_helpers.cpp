#include "text/text_helpers.h"

namespace lg {

std::string JoinWith(std::string_view a, std::string_view separator, std::string_view b) {
    std::string result(a);
    if (!a.empty() && !b.empty()) result += separator;
    result += b;
    return result;
}

std::string YearOf(std::string_view date) {
    std::string_view found;
    std::size_t i = 0;
    while (i < date.size()) {
        if (date[i] < '0' || date[i] > '9') {
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < date.size() && date[i] >= '0' && date[i] <= '9') ++i;
        if (i - start == 4) found = date.substr(start, 4);
    }
    return std::string(found);
}

int YearNumber(std::string_view date) {
    std::string year = YearOf(date);
    int n = 0;
    for (char c : year) n = n * 10 + (c - '0');
    return n;
}

std::string ToUpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string ToLowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string_view TrimRightBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string_view TrimLeftBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

}  // namespace lg
