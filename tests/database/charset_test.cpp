#include "database/charset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lg {
namespace {

using namespace std::string_literals;

struct Case {
    std::string input;
    std::string expected;
};

std::string Converted(std::string line, CharSet code) {
    ConvertText(line, code);
    return line;
}

TEST(CharSetFromName, TestsWholeNamesBeforeTheIsoFamily) {
    const std::vector<std::pair<std::string, CharSet>> cases = {
        {"ASCII", CharSet::IbmPc},        {"IBMPC", CharSet::IbmPc},
        {"ANSI", CharSet::Ansi},          {"UTF-8", CharSet::Utf8},
        {"UTF8", CharSet::Utf8},          {"UNICODE", CharSet::Utf8},
        {"ANSEL", CharSet::Ansel},        {"ISO-8859-1", CharSet::Iso8859},
        {"ANSEL 8859", CharSet::Iso8859}, {"ANSI-1252", CharSet::Unknown},
        {"ansel", CharSet::Unknown},      {"UTF-16", CharSet::Unknown},
        {"", CharSet::Unknown},
    };
    for (const auto& [name, code] : cases) EXPECT_EQ(CharSetFromName(name), code) << name;
}

TEST(CombineMark, GivesTheComposedLetterElseTheBaseWithTheMark) {
    // First the letters of the code page, then those Unicode composes and the
    // code page lacks, then bases with no composed letter: the base and the
    // combining mark. Among the marks 0xE9 is the caron, 0xF1 the ogonek, 0xF2
    // the dot below, 0xE0 the hook above, 0xF7 the comma below and 0xEB, 0xEC
    // and 0xFA halves of ligatures; the last two bases already carry a mark.
    const std::vector<std::tuple<unsigned char, std::string, std::string>> cases = {
        {0xE2, "e", "\xE9"},      {0xE1, "A", "\xC0"},          {0xE3, "u", "\xFB"},
        {0xE4, "n", "\xF1"},      {0xE8, "Y", "\x9F"},          {0xE8, "y", "\xFF"},
        {0xEA, "A", "\xC5"},      {0xF0, "c", "\xE7"},          {0xE9, "s", "\x9A"},
        {0xE9, "Z", "\x8E"},      {0xE2, "n", "&#324;"},        {0xE2, "N", "&#323;"},
        {0xE6, "a", "&#259;"},    {0xE5, "e", "&#275;"},        {0xE7, "z", "&#380;"},
        {0xEE, "o", "&#337;"},    {0xF0, "s", "&#351;"},        {0xEA, "u", "&#367;"},
        {0xE9, "c", "&#269;"},    {0xF1, "a", "&#261;"},        {0xF1, "E", "&#280;"},
        {0xF2, "h", "&#7717;"},   {0xE0, "a", "&#7843;"},       {0xF7, "t", "&#539;"},
        {0xE1, "B", "B&#768;"},   {0xE4, "x", "x&#771;"},       {0xE1, "1", "1&#768;"},
        {0xEB, "t", "t&#65056;"}, {0xEC, "s", "s&#65057;"},     {0xFA, "a", "a&#65058;"},
        {0xF6, "e", "e&#818;"},   {0xE2, "\xE9", "\xE9&#769;"}, {0xE2, "&#322;", "&#322;&#769;"},
    };
    for (const auto& [mark, base, expected] : cases)
        EXPECT_EQ(CombineMark(mark, base), expected) << std::hex << int{mark} << ' ' << base;
}

TEST(DecodeReference, DecodesOnlyTheNamesAndNumbersItKnows) {
    const std::vector<Case> decoded = {
        {"eacute", "\xE9"}, {"Ntilde", "\xD1"}, {"Yuml", "\x9F"},   {"aring", "\xE5"},
        {"Ccedil", "\xC7"}, {"aelig", "\xE6"},  {"AElig", "\xC6"},  {"oelig", "\x9C"},
        {"OElig", "\x8C"},  {"Oslash", "\xD8"}, {"oslash", "\xF8"}, {"szlig", "\xDF"},
        {"thorn", "\xFE"},  {"THORN", "\xDE"},  {"copy", "\xA9"},   {"#233", "\xE9"},
        {"#065", "A"},      {"#126", "~"},      {"#140", "\x8C"},   {"#141", "\x9F"},
        {"#159", "\x9F"},   {"#156", "\x9C"},   {"#160", "&nbsp;"}, {"#192", "\xC0"},
        {"#255", "\xFF"},
    };
    for (const Case& c : decoded) EXPECT_EQ(DecodeReference(c.input), c.expected) << c.input;
    const std::vector<std::string> unchanged = {
        "amp",   "#65",    "#031",   "#127",         "#150",    "#191",   "#215",
        "#247",  "#256",   "#x41a",  "#99999999999", "nacute",  "scedil", "abrev",
        "Aelig", "Scaron", "Lstrok", "nbsp",         "eacutes",
    };
    for (const std::string& name : unchanged) EXPECT_EQ(DecodeReference(name), "&" + name + ";");
}

TEST(ConvertText, Ansel) {
    // Marks stacked on one letter: the nearest composes, the others follow. A
    // mark on a letter that came out as a reference takes the whole
    // reference. Bytes outside both ranges stay. Output is never examined
    // again: the \xE9 of the e acute is not taken for a caron, nor the \xC6 of
    // the AE ligature for an inverted "!". (Octal escapes where a hex digit
    // follows.)
    const std::vector<Case> cases = {
        {"Ren\xE2\x65", "Ren\xE9"},     {"\xE2n", "&#324;"},
        {"Ha\xE9sek", "Ha\232ek"},      {"Ha\351cek", "Ha&#269;ek"},
        {"\361a\351c", "&#261;&#269;"}, {"\341Bach", "B&#768;ach"},
        {"ends\xE8", "ends?"},          {"\xE2\xE9s", "\x9A&#769;"},
        {"\xE2\xB1", "&#322;&#769;"},   {"\x80\xD5\xFB", "\x80\xD5\xFB"},
        {"\xE2\x65s", "\xE9s"},         {"\xA5", "\xC6"},
    };
    for (const Case& c : cases) EXPECT_EQ(Converted(c.input, CharSet::Ansel), c.expected);
    EXPECT_EQ(Converted("\xE7\xB8x", CharSet::Ansel), "&inodot;&#775;x");
    EXPECT_EQ(Converted("\xA1\xA2\xA7\xB8\xC0\xCF", CharSet::Ansel),
              "&Lstrok;\xD8?&inodot;&#176;\xDF");
}

TEST(ConvertText, Iso8859DecodesReferencesLeftToRight) {
    // The name " b" is too short for a reference; decoded text is not decoded again.
    const std::vector<Case> cases = {
        {"Ren&eacute; &#233;", "Ren\xE9 \xE9"},
        {"&amp; &#65;", "&amp; &#65;"},
        {"AT&T", "AT&T"},
        {"&nacute;&Ouml;", "&nacute;\xD6"},
        {"caf\xE9 &", "caf\xE9 &"},
        {"a & b; &eacute;", "a & b; \xE9"},
        {"&#038;eacute;", "&eacute;"},
    };
    for (const Case& c : cases) EXPECT_EQ(Converted(c.input, CharSet::Iso8859), c.expected);
}

TEST(ConvertText, OtherCodes) {
    EXPECT_EQ(Converted("\x82\xC4\x80\x9E\xE1\xFF plain", CharSet::IbmPc), "\xE9-\xC7P\xDF? plain");
    EXPECT_EQ(Converted("caf\xC3\xA9 \xC5\x81", CharSet::Utf8), "caf\xE9 &#321;");
    for (const CharSet code : {CharSet::Unknown, CharSet::Ansi})
        EXPECT_EQ(Converted("caf\xC3\xA9 &eacute; \x82", code), "caf\xC3\xA9 &eacute; \x82");
}

TEST(ConvertText, LeavesLinesWithNothingToConvertInPlace) {
    for (const CharSet code : {CharSet::Ansel, CharSet::Iso8859, CharSet::IbmPc, CharSet::Utf8}) {
        std::string line = "1 NAME John /Smith/ is an ordinary ASCII line";
        const char* before = line.data();
        ConvertText(line, code);
        EXPECT_EQ(line, "1 NAME John /Smith/ is an ordinary ASCII line");
        EXPECT_EQ(line.data(), before);
    }
}

TEST(DetectByteEncoding, ReadsMarksAndZeroBytePatterns) {
    using enum ByteEncoding;
    const std::vector<std::tuple<std::string, ByteEncoding, std::size_t>> cases = {
        {"\xEF\xBB\xBF\x30"s, Utf8Bom, 3},
        {"\xFF\xFE\x30\0"s, Utf16LE, 2},
        {"\xFE\xFF\0\x30"s, Utf16BE, 2},
        {"0\0 \0"s, Utf16LE, 0},
        {"\0\x30\0 "s, Utf16BE, 0},
        {"0 HE"s, EightBit, 0},
        {"\0\0\xFE\xFF"s, EightBit, 0},
        {"\xEF\xBB"s, EightBit, 0},
        {"0"s, EightBit, 0},
        {""s, EightBit, 0},
    };
    for (const auto& [head, encoding, length] : cases) {
        const EncodingMark mark = DetectByteEncoding(head);
        EXPECT_EQ(mark.encoding, encoding) << testing::PrintToString(head);
        EXPECT_EQ(mark.markLength, length) << testing::PrintToString(head);
    }
}

}  // namespace
}  // namespace lg
