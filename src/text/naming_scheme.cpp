#include "text/naming_scheme.h"

#include <algorithm>

namespace lg {
namespace {

constexpr std::string_view kConditionLetters = "afmnopz";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string NormaliseScheme(std::string_view scheme) {
    std::string lower(scheme);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    bool highlight = lower.find('@') != std::string::npos;

    std::string result;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        char letter = lower[i];
        if (kConditionLetters.find(letter) == std::string_view::npos) continue;
        if (result.find(letter) != std::string::npos) continue;
        result += letter;
        if (i + 1 < lower.size() && lower[i + 1] >= '0' && lower[i + 1] <= '5') {
            result += lower[++i];
        } else {
            result += '2';
        }
    }
    // Pairs after "z" could never be reached by the evaluator.
    std::size_t z = result.find('z');
    if (z == std::string::npos) {
        result += "z2";
    } else {
        result.resize(z + 2);
    }
    if (highlight) result += '@';
    return result;
}

bool AddSorted(SortedStrings& list, std::string_view text) {
    auto at = std::lower_bound(list.begin(), list.end(), text);
    if (at != list.end() && *at == text) return false;
    list.insert(at, std::string(text));
    return true;
}

bool RemoveSorted(SortedStrings& list, std::string_view text) {
    auto at = std::lower_bound(list.begin(), list.end(), text);
    if (at == list.end() || *at != text) return false;
    list.erase(at);
    return true;
}

bool ContainsSorted(const SortedStrings& list, std::string_view text) {
    return std::binary_search(list.begin(), list.end(), text);
}

std::string_view NameCodeID(std::string_view entry) {
    return entry.size() < 2 ? std::string_view() : entry.substr(0, entry.size() - 2);
}

namespace {

// Entries of one identifier start with it, so they lie among the run of
// entries that share it as a prefix; the run is contiguous in byte order.
template <typename List>
auto PrefixRun(List& codes, std::string_view id) {
    auto first = std::lower_bound(codes.begin(), codes.end(), id);
    auto last = first;
    while (last != codes.end() && std::string_view(*last).starts_with(id)) ++last;
    return std::pair(first, last);
}

bool IsEntryOf(std::string_view entry, std::string_view id) {
    return entry.size() == id.size() + 2 && entry.starts_with(id);
}

}  // namespace

char NameCodeOf(const SortedStrings& codes, std::string_view id) {
    auto [first, last] = PrefixRun(codes, id);
    for (auto it = first; it != last; ++it)
        if (IsEntryOf(*it, id)) return it->back();
    return 0;
}

void RemoveNameCode(SortedStrings& codes, std::string_view id) {
    auto [first, last] = PrefixRun(codes, id);
    codes.erase(
        std::remove_if(first, last, [id](const std::string& e) { return IsEntryOf(e, id); }), last);
}

void SetNameCode(SortedStrings& codes, std::string_view id, char digit) {
    RemoveNameCode(codes, id);
    std::string entry(id);
    entry += '/';
    entry += digit;
    AddSorted(codes, entry);
}

bool ToggleHighlight(SortedStrings& highlights, std::string_view id) {
    if (RemoveSorted(highlights, id)) return false;
    AddSorted(highlights, id);
    return true;
}

void RemoveHighlight(SortedStrings& highlights, std::string_view id) {
    RemoveSorted(highlights, id);
}

}  // namespace lg
