#include "base/html_text.h"

#include <cstdint>
#include <cstring>

namespace lg {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool IsAlnum(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The longest name HTML defines has 31 characters; numbers beyond U+10FFFF
// are not characters, so seven digits are plenty.
constexpr std::size_t kLongestName = 32;
constexpr std::size_t kLongestNumber = 8;

}  // namespace

std::size_t ReferenceLength(std::string_view text) {
    if (text.size() < 3 || text[0] != '&') return 0;
    std::size_t i = 1;
    if (text[1] == '#') {
        i = 2;
        const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
        if (hex) ++i;
        const std::size_t first = i;
        while (i < text.size() && i - first < kLongestNumber &&
               (hex ? IsHexDigit(text[i]) : IsDigit(text[i])))
            ++i;
        if (i == first || i >= text.size() || text[i] != ';') return 0;
        // Only a character: not 0, not a surrogate half, not beyond Unicode.
        uint32_t value = 0;
        for (std::size_t d = first; d < i; ++d) {
            const char c = text[d];
            const uint32_t digit = IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
            value = value * (hex ? 16 : 10) + digit;
        }
        if (value == 0 || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return 0;
        return i + 1;
    }
    while (i < text.size() && i <= kLongestName && IsAlnum(text[i])) ++i;
    if (i == 1 || i >= text.size() || text[i] != ';') return 0;
    return IsHtmlEntityName(text.substr(1, i - 1)) ? i + 1 : 0;
}

void EscapeMarkupInPlace(std::string& text) {
    // Nearly every line of a file has none of the three: three memchr scans
    // are much faster than one search for any of them.
    const char* data = text.data();
    if (!std::memchr(data, '&', text.size()) && !std::memchr(data, '<', text.size()) &&
        !std::memchr(data, '>', text.size()))
        return;
    std::size_t pos = text.find_first_of("&<>");
    std::string out(text, 0, pos);
    out.reserve(text.size() + 8);
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '&') {
            const std::size_t length = ReferenceLength(std::string_view(text).substr(pos));
            if (length == 0) {
                out += "&amp;";
            } else {
                out.append(text, pos, length);
                pos += length - 1;
            }
        } else {
            out += c;
        }
    }
    text = std::move(out);
}

std::string AttributeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::size_t VisibleLength(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count) {
        const std::size_t length = text[pos] == '&' ? ReferenceLength(text.substr(pos)) : 0;
        pos += length ? length : 1;
    }
    return count;
}

std::size_t BytesOfVisible(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (; pos < text.size() && count > 0; --count) {
        const std::size_t length = text[pos] == '&' ? ReferenceLength(text.substr(pos)) : 0;
        pos += length ? length : 1;
    }
    return pos;
}

}  // namespace lg
