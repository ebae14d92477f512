#pragma once
// The character sets of GEDCOM files and the per-line conversion of their
// text into the program's internal form (code page 1252 with HTML character
// references for other letters). The reader picks the character set from the
// header's CHAR value and then converts every following line in place; the
// line structure never changes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lg {

// Character-set codes; the values are stable because they are reported.
enum class CharSet : int32_t {
    Unknown = 0,  // no or unrecognised CHAR value: lines pass unchanged
    Ansel = 1,    // ANSEL special characters and combining marks
    Ansi = 2,     // already code page 1252: lines pass unchanged
    Utf8 = 3,     // UTF-8 (also UTF-16 files, transcoded to UTF-8 before reading)
    Iso8859 = 4,  // character references decoded into code page letters
    IbmPc = 5,    // code page 437 mapped byte by byte
};

// The character set of an upper-cased CHAR value. Tested in this order:
// "ASCII" or "IBMPC", "ANSI", "UTF-8", "UTF8" or "UNICODE", "ANSEL" (all
// compared whole), then any value containing "8859"; otherwise Unknown.
CharSet CharSetFromName(std::string_view upperValue);

// The text for an ANSEL combining mark byte (0xE0-0xFA) on the character it
// modifies (one byte, or a character reference): the letter Unicode composes
// from the two, as its code page byte or else as a numeric reference
// ("\xE9", "&#261;"); where Unicode composes none, the base followed by the
// numeric reference of the combining mark ("B&#768;").
std::string CombineMark(unsigned char mark, std::string_view base);

// Decodes the character reference whose name (without "&" and ";") is given:
// the code page character for the names and numbers it knows (some numbers
// give another reference, 160 gives "&nbsp;"), otherwise the reference
// itself, "&" + name + ";". Names shorter than 4 characters always stay.
std::string DecodeReference(std::string_view name);

// Converts one line in place from the given character set. Unknown and Ansi
// leave the line alone. Lines without any byte the set would change return at
// once without allocating. NUL bytes are the caller's business.
void ConvertText(std::string& line, CharSet code);

// How the bytes of a file are laid out, as told by its first bytes.
enum class ByteEncoding { EightBit, Utf8Bom, Utf16LE, Utf16BE };

struct EncodingMark {
    ByteEncoding encoding;
    std::size_t markLength;  // bytes of byte-order mark to skip
};

// Looks at the first bytes of a file (up to 4). A byte-order mark decides;
// without one, a zero byte in only one of the first two bytes means UTF-16
// of that byte order (text starts with an ASCII character). Otherwise the
// file is 8-bit text.
EncodingMark DetectByteEncoding(std::string_view head);

// UTF-16 bytes as UTF-8 text, and where the bytes had lost their pairing.
struct Utf16Text {
    std::string text;
    // Offsets into text of the line ends at which a lost byte pairing was
    // found and mended, in order. A byte too many or too few turns the rest
    // of its line into unrelated characters; the pairing is mended at that
    // line's end, so only that one line is lost.
    std::vector<std::size_t> realigned;
    // The bytes ended in half a character: the text since the last mended
    // line end (or the start) may still be out of step.
    bool oddEnd = false;
};

// Transcodes UTF-16 bytes (without their byte-order mark). A line end
// whose two bytes are split between two characters (U+0A00 or U+0D00
// where the next byte completes a real line end) marks a lost pairing:
// decoding resumes one byte on, at that line end.
Utf16Text TranscodeUtf16(std::string_view bytes, bool bigEndian);

}  // namespace lg
