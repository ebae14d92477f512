#include "base/encoding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace lg {
namespace {

unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

// Code points of the bytes 0x80-0x9F. The five bytes the code page leaves
// undefined map to the C1 control of the same value, as Windows does, so that
// every byte has a character and the mapping can be reversed.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char32_t CodePointFromCp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte;
}

// Every base letter A-Z, a-z that Unicode composes canonically with a mark:
// the base letters in one string, the code points in the same order in the
// other.
struct MarkRow {
    std::string_view mark;
    std::string_view letters;
    std::u16string_view codes;
};

constexpr MarkRow kMarks[] = {
    {"grave", "AEINOUWYaeinouwy",
     u"\u00C0\u00C8\u00CC\u01F8\u00D2\u00D9\u1E80\u1EF2\u00E0\u00E8\u00EC\u01F9\u00F2"
     u"\u00F9\u1E81\u1EF3"},
    {"acute", "ACEGIKLMNOPRSUWYZacegiklmnoprsuwyz",
     u"\u00C1\u0106\u00C9\u01F4\u00CD\u1E30\u0139\u1E3E\u0143\u00D3\u1E54\u0154\u015A"
     u"\u00DA\u1E82\u00DD\u0179\u00E1\u0107\u00E9\u01F5\u00ED\u1E31\u013A\u1E3F\u0144"
     u"\u00F3\u1E55\u0155\u015B\u00FA\u1E83\u00FD\u017A"},
    {"circ", "ACEGHIJOSUWYZaceghijosuwyz",
     u"\u00C2\u0108\u00CA\u011C\u0124\u00CE\u0134\u00D4\u015C\u00DB\u0174\u0176\u1E90"
     u"\u00E2\u0109\u00EA\u011D\u0125\u00EE\u0135\u00F4\u015D\u00FB\u0175\u0177\u1E91"},
    {"tilde", "AEINOUVYaeinouvy",
     u"\u00C3\u1EBC\u0128\u00D1\u00D5\u0168\u1E7C\u1EF8\u00E3\u1EBD\u0129\u00F1\u00F5"
     u"\u0169\u1E7D\u1EF9"},
    {"macr", "AEGIOUYaegiouy",
     u"\u0100\u0112\u1E20\u012A\u014C\u016A\u0232\u0101\u0113\u1E21\u012B\u014D\u016B"
     u"\u0233"},
    {"brev", "AEGIOUaegiou",
     u"\u0102\u0114\u011E\u012C\u014E\u016C\u0103\u0115\u011F\u012D\u014F\u016D"},
    {"dot", "ABCDEFGHIMNOPRSTWXYZabcdefghmnoprstwxyz",
     u"\u0226\u1E02\u010A\u1E0A\u0116\u1E1E\u0120\u1E22\u0130\u1E40\u1E44\u022E\u1E56"
     u"\u1E58\u1E60\u1E6A\u1E86\u1E8A\u1E8E\u017B\u0227\u1E03\u010B\u1E0B\u0117\u1E1F"
     u"\u0121\u1E23\u1E41\u1E45\u022F\u1E57\u1E59\u1E61\u1E6B\u1E87\u1E8B\u1E8F\u017C"},
    {"uml", "AEHIOUWXYaehiotuwxy",
     u"\u00C4\u00CB\u1E26\u00CF\u00D6\u00DC\u1E84\u1E8C\u0178\u00E4\u00EB\u1E27\u00EF"
     u"\u00F6\u1E97\u00FC\u1E85\u1E8D\u00FF"},
    {"ring", "AUauwy", u"\u00C5\u016E\u00E5\u016F\u1E98\u1E99"},
    {"dblac", "OUou", u"\u0150\u0170\u0151\u0171"},
    {"caron", "ACDEGHIKLNORSTUZacdeghijklnorstuz",
     u"\u01CD\u010C\u010E\u011A\u01E6\u021E\u01CF\u01E8\u013D\u0147\u01D1\u0158\u0160"
     u"\u0164\u01D3\u017D\u01CE\u010D\u010F\u011B\u01E7\u021F\u01D0\u01F0\u01E9\u013E"
     u"\u0148\u01D2\u0159\u0161\u0165\u01D4\u017E"},
    {"cedil", "CDEGHKLNRSTcdeghklnrst",
     u"\u00C7\u1E10\u0228\u0122\u1E28\u0136\u013B\u0145\u0156\u015E\u0162\u00E7\u1E11"
     u"\u0229\u0123\u1E29\u0137\u013C\u0146\u0157\u015F\u0163"},
};

consteval bool MarkRowsAgree() {
    for (const MarkRow& row : kMarks) {
        if (row.letters.size() != row.codes.size()) return false;
    }
    return true;
}
static_assert(MarkRowsAgree());

// HTML 4 names of U+00A0 to U+00FF, in code point order.
constexpr std::array<std::string_view, 96> kLatin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",
    "copy",   "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn",
    "sup2",   "sup3",   "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",
    "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde",
    "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave",
    "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
    "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",
    "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",   "eth",
    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

struct NamedCharacter {
    std::string_view name;
    char32_t code;
};

// Names outside Latin-1 and outside the letter-and-mark scheme.
constexpr NamedCharacter kOtherNames[] = {
    {"amp", 0x26},      {"lt", 0x3C},       {"gt", 0x3E},       {"quot", 0x22},
    {"apos", 0x27},     {"OElig", 0x152},   {"oelig", 0x153},   {"Lstrok", 0x141},
    {"lstrok", 0x142},  {"Dstrok", 0x110},  {"dstrok", 0x111},  {"inodot", 0x131},
    {"euro", 0x20AC},   {"sbquo", 0x201A},  {"fnof", 0x192},    {"bdquo", 0x201E},
    {"hellip", 0x2026}, {"dagger", 0x2020}, {"Dagger", 0x2021}, {"circ", 0x2C6},
    {"permil", 0x2030}, {"lsaquo", 0x2039}, {"lsquo", 0x2018},  {"rsquo", 0x2019},
    {"ldquo", 0x201C},  {"rdquo", 0x201D},  {"bull", 0x2022},   {"ndash", 0x2013},
    {"mdash", 0x2014},  {"tilde", 0x2DC},   {"trade", 0x2122},  {"rsaquo", 0x203A},
};

// The longest name between "&" and ";" that is worth a look; beyond it the
// ampersand is taken as literal text.
constexpr std::size_t kMaxReferenceName = 10;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Reads the UTF-8 sequence that starts at text[pos]. Returns its length and
// sets cp, or returns 0 when the bytes there are not a valid sequence. The
// narrowed second-byte ranges exclude overlong forms, surrogates and values
// beyond U+10FFFF.
std::size_t ReadUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
    const unsigned char lead = Byte(text[pos]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - pos < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = Byte(text[pos + k]);
        if (next < low || next > high) return 0;
        low = 0x80;
        high = 0xBF;
        cp = (cp << 6) | (next & 0x3F);
    }
    return length;
}

bool IsValidCodePoint(std::uint32_t cp) {
    return cp != 0 && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
}

// The code point of "#N" or "#xH"; 0 when the text is not a valid reference.
char32_t NumericReference(std::string_view name) {
    name.remove_prefix(1);
    int base = 10;
    if (!name.empty() && (name[0] == 'x' || name[0] == 'X')) {
        base = 16;
        name.remove_prefix(1);
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), value, base);
    if (name.empty() || error != std::errc() || end != name.data() + name.size()) return 0;
    return IsValidCodePoint(value) ? value : 0;
}

// The code point of a named reference; 0 when the name is unknown.
char32_t NamedReference(std::string_view name) {
    const auto latin1 = std::find(kLatin1Names.begin(), kLatin1Names.end(), name);
    if (latin1 != kLatin1Names.end()) return 0xA0 + (latin1 - kLatin1Names.begin());
    for (const NamedCharacter& named : kOtherNames) {
        if (named.name == name) return named.code;
    }
    if (name.size() < 2) return 0;
    return PrecomposedLetter(name.substr(1), name[0]);
}

// Decodes the character reference at the start of text (which begins with
// "&"). Returns the number of bytes it spans and sets cp, or 0 when there is
// no reference the program knows there.
std::size_t ReadReference(std::string_view text, char32_t& cp) {
    const std::size_t semicolon = text.substr(0, kMaxReferenceName + 2).find(';', 1);
    if (semicolon == std::string_view::npos || semicolon == 1) return 0;
    const std::string_view name = text.substr(1, semicolon - 1);
    cp = name[0] == '#' ? NumericReference(name) : NamedReference(name);
    return cp == 0 ? 0 : semicolon + 1;
}

}  // namespace

bool IsAscii(std::string_view text) {
    // Eight bytes at a time: this runs on every line of every file read.
    std::uint64_t bits = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        bits |= word;
    }
    for (; i < text.size(); ++i) bits |= Byte(text[i]);
    return (bits & 0x8080808080808080ull) == 0;
}

namespace {

void AppendDecodedUtf8(std::string_view utf8, std::string& out) {
    out.reserve(out.size() + utf8.size() + 8);
    for (std::size_t pos = 0; pos < utf8.size();) {
        char32_t cp = 0;
        const std::size_t length = Byte(utf8[pos]) < 0x80 ? 0 : ReadUtf8(utf8, pos, cp);
        if (length == 0) {
            out += utf8[pos++];
            continue;
        }
        pos += length;
        const int byte = Cp1252FromCodePoint(cp);
        if (byte >= 0) {
            out += static_cast<char>(byte);
            continue;
        }
        char digits[12];
        const auto end = std::to_chars(digits, digits + sizeof digits, std::uint32_t{cp}).ptr;
        out += "&#";
        out.append(digits, end);
        out += ';';
    }
}

}  // namespace

std::string DecodeUtf8(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    std::string out;
    AppendDecodedUtf8(utf8, out);
    return out;
}

void DecodeUtf8InPlace(std::string& line) {
    if (IsAscii(line)) return;
    // Swapping with a kept buffer spares an allocation per line on big files.
    thread_local std::string scratch;
    scratch.clear();
    AppendDecodedUtf8(line, scratch);
    line.swap(scratch);
}

std::string ToUtf8(std::string_view internal) {
    std::string out;
    out.reserve(internal.size() + internal.size() / 4);
    for (std::size_t pos = 0; pos < internal.size();) {
        char32_t cp = 0;
        if (internal[pos] == '&') {
            const std::size_t length = ReadReference(internal.substr(pos), cp);
            if (length > 0) {
                AppendUtf8(out, cp);
                pos += length;
                continue;
            }
        }
        AppendUtf8(out, CodePointFromCp1252(Byte(internal[pos++])));
    }
    return out;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    const std::size_t units = bytes.size() / 2;
    const auto unit = [&](std::size_t index) -> char32_t {
        const unsigned char first = Byte(bytes[2 * index]);
        const unsigned char second = Byte(bytes[2 * index + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t index = 0; index < units;) {
        char32_t cp = unit(index++);
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            const bool leading = cp <= 0xDBFF;
            const char32_t next = index < units ? unit(index) : 0;
            if (leading && next >= 0xDC00 && next <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (next - 0xDC00);
                ++index;
            } else {
                cp = 0xFFFD;
            }
        }
        AppendUtf8(out, cp);
    }
    return out;
}

char32_t PrecomposedLetter(std::string_view mark, char letter) {
    for (const MarkRow& row : kMarks) {
        if (row.mark != mark) continue;
        const std::size_t index = row.letters.find(letter);
        return index == std::string_view::npos ? 0 : row.codes[index];
    }
    return 0;
}

int Cp1252FromCodePoint(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<int>(codePoint);
    }
    const auto high = std::find(kCp1252High.begin(), kCp1252High.end(), codePoint);
    if (high == kCp1252High.end()) return -1;
    return 0x80 + static_cast<int>(high - kCp1252High.begin());
}

namespace {

// The bytes 0x80-0xFF that stand for the same character in code page 1250
// as in 1252, one bit each.
constexpr std::array<uint32_t, 4> kSameIn1250 = {0x4EFE4EF5, 0x09F37BD1, 0xB4D86A96, 0x34D86A96};

bool SameIn1250(unsigned char byte) {
    const unsigned index = byte - 0x80u;
    return (kSameIn1250[index / 32] >> (index % 32)) & 1u;
}

}  // namespace

std::string ForCodePage1250(std::string_view internal) {
    std::string out;
    out.reserve(internal.size());
    for (const char c : internal) {
        const unsigned char byte = Byte(c);
        if (byte < 0x80 || SameIn1250(byte)) {
            out += c;
        } else {
            out += "&#";
            out += std::to_string(static_cast<uint32_t>(CodePointFromCp1252(byte)));
            out += ';';
        }
    }
    return out;
}

}  // namespace lg
