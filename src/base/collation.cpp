#include "base/collation.h"

#include <algorithm>
#include <numeric>

#include "base/encoding.h"

namespace lg {
namespace {

// The base letter of each code point from U+00C0 to U+017F; "+" marks the
// letters that fold to two (kDigraphs), "." the signs that stay.
constexpr char kBaseLetters[] =
    "aaaaaa+ceeeeiiiidnooooo.ouuuuy++"                           // U+00C0
    "aaaaaa+ceeeeiiiidnooooo.ouuuuy+y"                           // U+00E0
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii++jjkkk"  // U+0100
    "llllllllllnnnnnnnnnoooooo++rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
constexpr char32_t kFirstFolded = 0xC0;
static_assert(sizeof(kBaseLetters) - 1 == 0x180 - kFirstFolded);

struct Digraph {
    char32_t codePoint;
    const char* letters;
};
constexpr Digraph kDigraphs[] = {{0xC6, "ae"},  {0xDE, "th"},  {0xDF, "ss"},
                                 {0xE6, "ae"},  {0xFE, "th"},  {0x132, "ij"},
                                 {0x133, "ij"}, {0x152, "oe"}, {0x153, "oe"}};

// The code point of the UTF-8 sequence at `pos` and its length; a byte that
// starts no valid sequence stands for itself (ToUtf8 never makes one).
char32_t NextCodePoint(std::string_view utf8, std::size_t pos, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (lead < 0x80 || pos + length > utf8.size()) {
        length = 1;
        return lead;
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = (code << 6) | (static_cast<unsigned char>(utf8[pos + i]) & 0x3F);
    return code;
}

}  // namespace

std::string FoldedSortKey(std::string_view internal) {
    const std::string utf8 = ToUtf8(internal);
    std::string key;
    key.reserve(utf8.size());
    for (std::size_t pos = 0, length = 1; pos < utf8.size(); pos += length) {
        const char32_t code = NextCodePoint(utf8, pos, length);
        if (code >= 'A' && code <= 'Z') {
            key += static_cast<char>(code - 'A' + 'a');
        } else if (code >= kFirstFolded && code < 0x180 &&
                   kBaseLetters[code - kFirstFolded] != '.') {
            const char base = kBaseLetters[code - kFirstFolded];
            if (base != '+') {
                key += base;
                continue;
            }
            for (const Digraph& digraph : kDigraphs)
                if (digraph.codePoint == code) key += digraph.letters;
        } else {
            key.append(utf8, pos, length);
        }
    }
    return key;
}

std::vector<std::size_t> Collation::Order(const std::vector<std::string_view>& texts) const {
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    for (std::string_view text : texts) keys.push_back(FoldedSortKey(text));
    return OrderByKeys(keys, texts);
}

const Collation& FoldingCollation() {
    static const Collation folding;
    return folding;
}

}  // namespace lg
