#include "database/charset.h"

#include <array>

#include "base/encoding.h"
#include "base/html_text.h"

namespace lg {
namespace {

unsigned char Byte(char c) {
    return static_cast<unsigned char>(c);
}

struct AnselSpecial {
    unsigned char byte;
    std::string_view text;
};

// ANSEL special characters (0xA1-0xCF) that have a replacement; the other
// bytes of that range become "?".
constexpr AnselSpecial kAnselSpecials[] = {
    {0xA1, "&Lstrok;"}, {0xA2, "\xD8"},   {0xA3, "&Dstrok;"}, {0xA4, "\xDE"},   {0xA5, "\xC6"},
    {0xA6, "\x8C"},     {0xA8, "."},      {0xAB, "\xB1"},     {0xB1, "&#322;"}, {0xB2, "\xF8"},
    {0xB3, "&dstrok;"}, {0xB4, "\xFE"},   {0xB5, "\xE6"},     {0xB6, "\x9C"},   {0xB7, "."},
    {0xB8, "&inodot;"}, {0xB9, "&#163;"}, {0xBA, "\xF0"},     {0xC0, "&#176;"}, {0xC3, "\xA9"},
    {0xC5, "\xBF"},     {0xC6, "\xA1"},   {0xCD, "e"},        {0xCE, "o"},      {0xCF, "\xDF"},
};

std::string_view AnselSpecialText(unsigned char byte) {
    for (const AnselSpecial& special : kAnselSpecials) {
        if (special.byte == byte) return special.text;
    }
    return "?";
}

// ANSEL combining marks (0xE0-0xFA): the Unicode combining mark, and the
// base letters Unicode composes with it into one letter, with those letters
// in the same order.
struct AnselMark {
    unsigned char byte;
    char16_t combining;
    std::string_view letters;
    std::u16string_view composed;
};

constexpr AnselMark kAnselMarks[] = {
    {0xE0, 0x0309, "AEIOUYaeiouy",
     u"\u1EA2\u1EBA\u1EC8\u1ECE\u1EE6\u1EF6\u1EA3\u1EBB\u1EC9\u1ECF\u1EE7\u1EF7"},
    {0xE1, 0x0300, "AEINOUWYaeinouwy",
     u"\u00C0\u00C8\u00CC\u01F8\u00D2\u00D9\u1E80\u1EF2\u00E0\u00E8\u00EC\u01F9\u00F2\u00F9\u1E81"
     u"\u1EF3"},
    {0xE2, 0x0301, "ACEGIKLMNOPRSUWYZacegiklmnoprsuwyz",
     u"\u00C1\u0106\u00C9\u01F4\u00CD\u1E30\u0139\u1E3E\u0143\u00D3\u1E54\u0154\u015A\u00DA\u1E82"
     u"\u00DD\u0179\u00E1\u0107\u00E9\u01F5\u00ED\u1E31\u013A\u1E3F\u0144\u00F3\u1E55\u0155\u015B"
     u"\u00FA\u1E83\u00FD\u017A"},
    {0xE3, 0x0302, "ACEGHIJOSUWYZaceghijosuwyz",
     u"\u00C2\u0108\u00CA\u011C\u0124\u00CE\u0134\u00D4\u015C\u00DB\u0174\u0176\u1E90\u00E2\u0109"
     u"\u00EA\u011D\u0125\u00EE\u0135\u00F4\u015D\u00FB\u0175\u0177\u1E91"},
    {0xE4, 0x0303, "AEINOUVYaeinouvy",
     u"\u00C3\u1EBC\u0128\u00D1\u00D5\u0168\u1E7C\u1EF8\u00E3\u1EBD\u0129\u00F1\u00F5\u0169\u1E7D"
     u"\u1EF9"},
    {0xE5, 0x0304, "AEGIOUYaegiouy",
     u"\u0100\u0112\u1E20\u012A\u014C\u016A\u0232\u0101\u0113\u1E21\u012B\u014D\u016B\u0233"},
    {0xE6, 0x0306, "AEGIOUaegiou",
     u"\u0102\u0114\u011E\u012C\u014E\u016C\u0103\u0115\u011F\u012D\u014F\u016D"},
    {0xE7, 0x0307, "ABCDEFGHIMNOPRSTWXYZabcdefghmnoprstwxyz",
     u"\u0226\u1E02\u010A\u1E0A\u0116\u1E1E\u0120\u1E22\u0130\u1E40\u1E44\u022E\u1E56\u1E58\u1E60"
     u"\u1E6A\u1E86\u1E8A\u1E8E\u017B\u0227\u1E03\u010B\u1E0B\u0117\u1E1F\u0121\u1E23\u1E41\u1E45"
     u"\u022F\u1E57\u1E59\u1E61\u1E6B\u1E87\u1E8B\u1E8F\u017C"},
    {0xE8, 0x0308, "AEHIOUWXYaehiotuwxy",
     u"\u00C4\u00CB\u1E26\u00CF\u00D6\u00DC\u1E84\u1E8C\u0178\u00E4\u00EB\u1E27\u00EF\u00F6\u1E97"
     u"\u00FC\u1E85\u1E8D\u00FF"},
    {0xE9, 0x030C, "ACDEGHIKLNORSTUZacdeghijklnorstuz",
     u"\u01CD\u010C\u010E\u011A\u01E6\u021E\u01CF\u01E8\u013D\u0147\u01D1\u0158\u0160\u0164\u01D3"
     u"\u017D\u01CE\u010D\u010F\u011B\u01E7\u021F\u01D0\u01F0\u01E9\u013E\u0148\u01D2\u0159\u0161"
     u"\u0165\u01D4\u017E"},
    {0xEA, 0x030A, "AUauwy", u"\u00C5\u016E\u00E5\u016F\u1E98\u1E99"},
    {0xEB, 0xFE20, "", u""},  // ligature, left half
    {0xEC, 0xFE21, "", u""},  // ligature, right half
    {0xED, 0x0315, "", u""},  // comma above right
    {0xEE, 0x030B, "OUou", u"\u0150\u0170\u0151\u0171"},
    {0xEF, 0x0310, "", u""},  // candrabindu
    {0xF0, 0x0327, "CDEGHKLNRSTcdeghklnrst",
     u"\u00C7\u1E10\u0228\u0122\u1E28\u0136\u013B\u0145\u0156\u015E\u0162\u00E7\u1E11\u0229\u0123"
     u"\u1E29\u0137\u013C\u0146\u0157\u015F\u0163"},
    {0xF1, 0x0328, "AEIOUaeiou", u"\u0104\u0118\u012E\u01EA\u0172\u0105\u0119\u012F\u01EB\u0173"},
    {0xF2, 0x0323, "ABDEHIKLMNORSTUVWYZabdehiklmnorstuvwyz",
     u"\u1EA0\u1E04\u1E0C\u1EB8\u1E24\u1ECA\u1E32\u1E36\u1E42\u1E46\u1ECC\u1E5A\u1E62\u1E6C\u1EE4"
     u"\u1E7E\u1E88\u1EF4\u1E92\u1EA1\u1E05\u1E0D\u1EB9\u1E25\u1ECB\u1E33\u1E37\u1E43\u1E47\u1ECD"
     u"\u1E5B\u1E63\u1E6D\u1EE5\u1E7F\u1E89\u1EF5\u1E93"},
    {0xF3, 0x0324, "Uu", u"\u1E72\u1E73"},
    {0xF4, 0x0325, "Aa", u"\u1E00\u1E01"},
    {0xF5, 0x0333, "", u""},  // double underscore
    {0xF6, 0x0332, "", u""},  // underscore
    {0xF7, 0x0326, "STst", u"\u0218\u021A\u0219\u021B"},
    {0xF8, 0x031C, "", u""},  // right cedilla
    {0xF9, 0x032E, "Hh", u"\u1E2A\u1E2B"},
    {0xFA, 0xFE22, "", u""},  // double tilde, left half
};

const AnselMark* AnselMarkOf(unsigned char byte) {
    for (const AnselMark& mark : kAnselMarks)
        if (mark.byte == byte) return &mark;
    return nullptr;
}

std::string NumericReference(char32_t codePoint) {
    return "&#" + std::to_string(static_cast<uint32_t>(codePoint)) + ";";
}

// The marks whose reference names decode into code page letters.
constexpr std::string_view kDecodedMarks[] = {"acute", "grave", "circ", "tilde",
                                              "uml",   "ring",  "cedil"};

struct NamedLetter {
    std::string_view name;
    char letter;
};

constexpr NamedLetter kNamedLetters[] = {
    {"aelig", '\xE6'},  {"oelig", '\x9C'}, {"AElig", '\xC6'}, {"OElig", '\x8C'}, {"Oslash", '\xD8'},
    {"oslash", '\xF8'}, {"szlig", '\xDF'}, {"thorn", '\xFE'}, {"THORN", '\xDE'}, {"copy", '\xA9'},
};

// Code page 437 bytes 0x80-0xFF as code page 1252 look-alikes.
constexpr std::array<unsigned char, 128> kIbmPc = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xA2, 0xA3, 0xA5, 0x50, 0x83,
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0x61, 0x6F, 0xBF, 0x3F, 0x3F, 0xBD, 0xBC, 0xA1, 0x22, 0x22,
    0xA6, 0xA6, 0xA6, 0xA6, 0xA6, 0xA6, 0xA6, 0x2B, 0x2B, 0xA6, 0xA6, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B,
    0x2B, 0x2D, 0x2D, 0x2B, 0x2D, 0x2B, 0xA6, 0xA6, 0x2B, 0x2B, 0x2D, 0x2D, 0xA6, 0x2D, 0x2B, 0x2D,
    0x2D, 0x2D, 0x2D, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0xA6, 0x5F, 0xA6, 0xA6, 0xAF,
    0x61, 0xDF, 0x47, 0x70, 0x53, 0x73, 0xB5, 0x74, 0x46, 0x3F, 0x4F, 0x64, 0x3F, 0xD8, 0x3F, 0x3F,
    0x3D, 0xB1, 0x3D, 0x3D, 0x28, 0x29, 0xF7, 0x98, 0xB0, 0x6F, 0xB7, 0x76, 0x6E, 0xB2, 0x3F, 0x3F,
};

// The code page letter for a mark name and a base letter, or 0 when the
// code page has none (0 is never a letter).
char Cp1252Letter(std::string_view mark, char letter) {
    const char32_t precomposed = PrecomposedLetter(mark, letter);
    const int byte = precomposed == 0 ? -1 : Cp1252FromCodePoint(precomposed);
    return byte < 0 ? '\0' : static_cast<char>(byte);
}

std::string Unchanged(std::string_view name) {
    std::string text = "&";
    text += name;
    text += ';';
    return text;
}

// "#" followed by a decimal number; numbers without a code page character of
// their own (and the multiplication and division signs) stay references.
std::string DecodeNumber(std::string_view name) {
    unsigned value = 0;
    for (const char c : name.substr(1)) {
        if (c < '0' || c > '9') return Unchanged(name);
        // Saturate: any number this large stays a reference anyway.
        value = value > 100000 ? value : value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value >= 32 && value <= 126) return std::string(1, static_cast<char>(value));
    if (value == 140) return "\x8C";
    if (value == 141 || value == 159) return "\x9F";
    if (value == 156) return "\x9C";
    if (value == 160) return "&nbsp;";
    if (value >= 192 && value <= 255 && value != 215 && value != 247) {
        return std::string(1, static_cast<char>(value));
    }
    return Unchanged(name);
}

// Takes the character a mark stands on off the back of the reversed text:
// one byte, or a whole character reference that an earlier conversion put
// there (reversed, it runs from its "&" at the back to its ";").
std::string BaseOfMark(std::string& reversed) {
    if (reversed.back() == '&') {
        const std::size_t semicolon = reversed.rfind(';');
        if (semicolon != std::string::npos && reversed.size() - semicolon <= 34) {
            std::string reference(
                reversed.rbegin(),
                reversed.rbegin() + static_cast<std::ptrdiff_t>(reversed.size() - semicolon));
            if (ReferenceLength(reference) == reference.size()) {
                reversed.erase(semicolon);
                return reference;
            }
        }
    }
    std::string base(1, reversed.back());
    reversed.pop_back();
    return base;
}

// Reads the line from its end, writing the result reversed, so that text
// inserted for a later position is never examined again and each step costs
// no more than its own output. The character a mark modifies is the first
// one of the converted rest of the line, i.e. the back of the reversed text.
void ConvertAnsel(std::string& line) {
    std::string reversed;
    reversed.reserve(line.size() + 16);
    const auto appendReversed = [&reversed](std::string_view text) {
        reversed.append(text.rbegin(), text.rend());
    };
    for (std::size_t pos = line.size(); pos-- > 0;) {
        const unsigned char byte = Byte(line[pos]);
        if (byte >= 0xA1 && byte <= 0xCF) {
            appendReversed(AnselSpecialText(byte));
        } else if (byte >= 0xE0 && byte <= 0xFA) {
            if (reversed.empty()) {
                reversed += '?';
                continue;
            }
            std::string base = BaseOfMark(reversed);
            appendReversed(CombineMark(byte, base));
        } else {
            reversed += line[pos];
        }
    }
    line.assign(reversed.rbegin(), reversed.rend());
}

// Decodes references from left to right; the walk continues after each
// replacement, so decoded text is never decoded again.
void ConvertReferences(std::string& line) {
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t ampersand = line.find('&', pos);
        if (ampersand == std::string::npos) break;
        const std::size_t semicolon = line.find(';', ampersand + 1);
        if (semicolon == std::string::npos) break;
        out.append(line, pos, ampersand - pos);
        out += DecodeReference(
            std::string_view(line).substr(ampersand + 1, semicolon - ampersand - 1));
        pos = semicolon + 1;
    }
    if (pos == 0) return;
    out.append(line, pos);
    line = std::move(out);
}

}  // namespace

CharSet CharSetFromName(std::string_view upperValue) {
    if (upperValue == "ASCII" || upperValue == "IBMPC") return CharSet::IbmPc;
    if (upperValue == "ANSI") return CharSet::Ansi;
    if (upperValue == "UTF-8" || upperValue == "UTF8" || upperValue == "UNICODE") {
        return CharSet::Utf8;
    }
    if (upperValue == "ANSEL") return CharSet::Ansel;
    if (upperValue.find("8859") != std::string_view::npos) return CharSet::Iso8859;
    return CharSet::Unknown;
}

std::string CombineMark(unsigned char mark, std::string_view base) {
    const AnselMark* entry = AnselMarkOf(mark);
    if (base.size() == 1 && entry) {
        const std::size_t at = entry->letters.find(base[0]);
        if (at != std::string_view::npos) {
            const char32_t composed = entry->composed[at];
            const int byte = Cp1252FromCodePoint(composed);
            return byte >= 0 ? std::string(1, static_cast<char>(byte)) : NumericReference(composed);
        }
    }
    // Unicode has no single letter for it: the base, then the mark on it
    // (0xE0-0xFA are all marks, even where the table has none).
    std::string text(base);
    if (entry) text += NumericReference(entry->combining);
    return text;
}

std::string DecodeReference(std::string_view name) {
    if (name.size() < 4) return Unchanged(name);
    if (name[0] == '#') return DecodeNumber(name);
    const std::string_view suffix = name.substr(1);
    for (const std::string_view mark : kDecodedMarks) {
        if (suffix != mark) continue;
        const char letter = Cp1252Letter(mark, name[0]);
        return letter != '\0' ? std::string(1, letter) : Unchanged(name);
    }
    for (const NamedLetter& named : kNamedLetters) {
        if (named.name == name) return std::string(1, named.letter);
    }
    return Unchanged(name);
}

void ConvertText(std::string& line, CharSet code) {
    switch (code) {
        case CharSet::Ansel:
            if (!IsAscii(line)) ConvertAnsel(line);
            break;
        case CharSet::Iso8859:
            if (line.find('&') != std::string::npos) ConvertReferences(line);
            break;
        case CharSet::IbmPc:
            for (char& c : line) {
                if (Byte(c) >= 0x80) c = static_cast<char>(kIbmPc[Byte(c) - 0x80]);
            }
            break;
        case CharSet::Utf8:
            DecodeUtf8InPlace(line);
            break;
        case CharSet::Unknown:
        case CharSet::Ansi:
            break;
    }
}

EncodingMark DetectByteEncoding(std::string_view head) {
    const auto at = [head](std::size_t index) { return Byte(head[index]); };
    if (head.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) {
        return {ByteEncoding::Utf8Bom, 3};
    }
    if (head.size() < 2) return {ByteEncoding::EightBit, 0};
    if (at(0) == 0xFF && at(1) == 0xFE) return {ByteEncoding::Utf16LE, 2};
    if (at(0) == 0xFE && at(1) == 0xFF) return {ByteEncoding::Utf16BE, 2};
    if (at(0) != 0 && at(1) == 0) return {ByteEncoding::Utf16LE, 0};
    if (at(0) == 0 && at(1) != 0) return {ByteEncoding::Utf16BE, 0};
    return {ByteEncoding::EightBit, 0};
}

Utf16Text TranscodeUtf16(std::string_view bytes, bool bigEndian) {
    Utf16Text result;
    result.text.reserve(bytes.size());
    const auto at = [bytes](std::size_t index) { return Byte(bytes[index]); };
    std::size_t start = 0;
    std::size_t pos = 0;
    while (pos + 1 < bytes.size()) {
        // Out of step, an LF or CR (00 0A in big-endian order, 0A 00 in
        // little-endian) is read across two characters: as 0A 00 or 00 0A.
        const unsigned char lineEnd = bigEndian ? at(pos) : at(pos + 1);
        const unsigned char other = bigEndian ? at(pos + 1) : at(pos);
        // The real line end starts one byte off; its other byte must be the
        // zero beside it, or this is a genuine (and very rare) character.
        bool outOfStep = (lineEnd == '\n' || lineEnd == '\r') && other == 0;
        if (outOfStep)
            outOfStep = bigEndian ? pos > start && at(pos - 1) == 0
                                  : pos + 2 < bytes.size() && at(pos + 2) == 0;
        if (!outOfStep) {
            pos += 2;
            continue;
        }
        result.text += Utf16ToUtf8(bytes.substr(start, pos - start), bigEndian);
        result.realigned.push_back(result.text.size());
        start = bigEndian ? pos - 1 : pos + 1;
        pos = start;
    }
    const std::string_view rest = bytes.substr(start);
    result.text += Utf16ToUtf8(rest, bigEndian);
    result.oddEnd = rest.size() % 2 != 0;
    return result;
}

}  // namespace lg
