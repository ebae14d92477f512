#include "base/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lg {
namespace {

using namespace std::string_literals;

using Case = std::pair<std::string, std::string>;  // input, expected

TEST(DecodeUtf8, MapsCodePageLettersToBytesAndOthersToNumericReferences) {
    const std::vector<Case> cases = {
        {"plain & simple", "plain & simple"},
        {"caf\xC3\xA9", "caf\xE9"},                    // U+00E9
        {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},              // ends of the Latin-1 block
        {"\xE2\x82\xAC 5", "\x80 5"},                  // euro sign
        {"\xC5\x92\xC5\xA0\xC5\xB8", "\x8C\x8A\x9F"},  // OE ligature, S caron, Y diaeresis
        {"\xE2\x80\x99", "\x92"},                      // right single quotation mark
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "&#321;\xF3\x64&#378;"},  // Lodz
        {"\xF0\x9F\x98\x80", "&#128512;"},                         // 4-byte emoji
        {"\xC2\x80", "&#128;"},  // C1 control whose byte the code page uses
        {"\xC2\x81", "\x81"},    // C1 control of an undefined byte
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(DecodeUtf8(input), expected) << input;
}

TEST(DecodeUtf8, KeepsInvalidSequencesByteForByte) {
    const std::vector<std::string> invalid = {
        "a\x80z",                // stray continuation byte
        "caf\xE9",               // Latin-1, not UTF-8
        "\xC3",                  // truncated at the end
        "\xE2\x82 x",            // truncated before a space
        "\xC0\xAF",              // overlong slash
        "\xE0\x80\xAF",          // overlong, three bytes
        "\xED\xA0\x80",          // surrogate U+D800
        "\xF4\x90\x80\x80",      // beyond U+10FFFF
        "\xF8\x88\x80\x80\x80",  // five-byte form
    };
    for (const std::string& text : invalid) EXPECT_EQ(DecodeUtf8(text), text);
    // Decoding resumes right after a bad byte.
    EXPECT_EQ(DecodeUtf8("\xFF\xC3\xA9"), "\xFF\xE9");
}

TEST(ToUtf8, ConvertsCodePageBytesAndDecodesReferences) {
    const std::vector<Case> cases = {
        {"caf\xE9 \x80\x8C\x9F\xFF", "caf\xC3\xA9 \xE2\x82\xAC\xC5\x92\xC5\xB8\xC3\xBF"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"&#324;&#x144;&#X144;&#00065;", "\xC5\x84\xC5\x84\xC5\x84\x41"},
        {"&nacute;&abrev;&Edot;&odblac;", "\xC5\x84\xC4\x83\xC4\x96\xC5\x91"},
        {"&gcedil;&scedil;&zdot;&Idot;&Zcaron;", "\xC4\xA3\xC5\x9F\xC5\xBC\xC4\xB0\xC5\xBD"},
        {"&Lstrok;&inodot;&THORN;", "\xC5\x81\xC4\xB1\xC3\x9E"},
        {"&nbsp;&copy;&times;&yuml;&Yuml;&OElig;",
         "\xC2\xA0\xC2\xA9\xC3\x97\xC3\xBF\xC5\xB8\xC5\x92"},
        {"&amp;&lt;&gt;&quot;&apos;&euro;", "&<>\"'\xE2\x82\xAC"},
        {"&#1114111;", "\xF4\x8F\xBF\xBF"},
    };
    for (const auto& [input, expected] : cases) EXPECT_EQ(ToUtf8(input), expected) << input;
}

TEST(ToUtf8, LeavesWhatIsNoKnownReferenceAsText) {
    const std::vector<std::string> literal = {
        "Smith & Sons", "&;",         "&bogus;", "&idot;", "&qacute;", "&#0;",      "&#55296;",
        "&#xD800;",     "&#1114112;", "&#12a;",  "&#x;",   "&#;",      "& nacute;",
    };
    for (const std::string& text : literal) EXPECT_EQ(ToUtf8(text), text);
    // A reference too far from its semicolon is text; one close to it still decodes.
    EXPECT_EQ(ToUtf8("&#0000000065;"), "&#0000000065;");
    EXPECT_EQ(ToUtf8("&#000000065;"), "A");
    EXPECT_EQ(ToUtf8("& &eacute;"), "& \xC3\xA9");
}

TEST(ToUtf8, RoundTripsWithDecodeUtf8) {
    const std::vector<std::string> texts = {
        "Ren\xC3\xA9 \xC5\x81\x61pa \xE2\x82\xAC\xE2\x80\x9E\xE2\x80\x9C",
        "\xC4\x8C\xC3\xA1slav\xC5\xAF \xC5\x91 \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80",
        "\xC2\x80\xC2\x81\xC2\x9F \xC3\xBF\xC5\xB8 \xEF\xBB\xBF",
    };
    for (const std::string& text : texts) EXPECT_EQ(ToUtf8(DecodeUtf8(text)), text);
}

TEST(Utf16ToUtf8, CombinesPairsAndReplacesLoneSurrogates) {
    // "A", U+00E9, U+1F600 (pair D83D DE00), lone DC00, lone D800 before "B", odd byte.
    const std::string little = "A\0\xE9\0\x3D\xD8\0\xDE\0\xDC\0\xD8\x42\0\x7F"s;
    const std::string big = "\0A\0\xE9\xD8\x3D\xDE\0\xDC\0\xD8\0\0B\x7F"s;
    const std::string expected = "A\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBD\xEF\xBF\xBD\x42";
    EXPECT_EQ(Utf16ToUtf8(little, false), expected);
    EXPECT_EQ(Utf16ToUtf8(big, true), expected);
    EXPECT_EQ(Utf16ToUtf8("\0\xD8"s, false), "\xEF\xBF\xBD");
}

TEST(ForCodePage1250, WritesWhat1250LacksOrPlacesElsewhereAsReferences) {
    const std::vector<Case> cases = {
        // è, þ and æ are other letters in 1250 (č, ţ and ć).
        {"Penthi\xE8vre", "Penthi&#232;vre"},
        {"\xDE\xF3r \xFE\xE6", "&#222;\xF3r &#254;&#230;"},
        {"\x9C\x8C", "&#339;&#338;"},  // œ Œ: 1250 has ś Ś there
        {"\xA3 \xA5", "&#163; &#165;"},
        // The letters both code pages hold at the same byte stay.
        {"\xE9\xE1\xF6\xFC\xDF\xC4\xD3\x8A\x9A\x8E\x9E",
         "\xE9\xE1\xF6\xFC\xDF\xC4\xD3\x8A\x9A\x8E\x9E"},
        {"\x80 \x84\x93\x94\x96", "\x80 \x84\x93\x94\x96"},
        {"&#321;&oacute;d&#378; <b>", "&#321;&oacute;d&#378; <b>"},
        {"", ""},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(ForCodePage1250(input), expected) << input;
    // Whatever comes out shows in 1250 what the internal text held: every
    // byte above 0x7F left is one of the shared ones, and the references
    // decode to the letters that went in.
    std::string all;
    for (int byte = 0xA0; byte <= 0xFF; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(ToUtf8(ForCodePage1250(all)), ToUtf8(all));
}

}  // namespace
}  // namespace lg
