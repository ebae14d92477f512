#include "database/charset.h"

#include <array>

#include "base/encoding.h"

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

struct AnselMark {
    unsigned char byte;
    std::string_view name;  // reference name suffix: "&" letter name ";"
    bool precomposes;       // a code page letter is used where one exists
};

// ANSEL combining marks (0xE0-0xFA) that have a reference name.
constexpr AnselMark kAnselMarks[] = {
    {0xE1, "grave", true}, {0xE2, "acute", true},  {0xE3, "circ", true},  {0xE4, "tilde", true},
    {0xE5, "macr", false}, {0xE6, "brev", false},  {0xE7, "dot", false},  {0xE8, "uml", true},
    {0xEA, "ring", true},  {0xEE, "dblac", false}, {0xF0, "cedil", true},
};

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

bool IsAsciiLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

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
            const unsigned char letter = Byte(reversed.back());
            reversed.pop_back();
            appendReversed(CombineMark(byte, letter));
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

std::string CombineMark(unsigned char mark, unsigned char letter) {
    for (const AnselMark& entry : kAnselMarks) {
        if (entry.byte != mark) continue;
        if (entry.precomposes && IsAsciiLetter(letter)) {
            const char precomposed = Cp1252Letter(entry.name, static_cast<char>(letter));
            if (precomposed != '\0') return std::string(1, precomposed);
        }
        std::string text = "&";
        text += static_cast<char>(letter);
        text += entry.name;
        text += ';';
        return text == "&nacute;" ? "&#324;" : text;
    }
    return {};
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

}  // namespace lg
