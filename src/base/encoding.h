#pragma once
// Conversions between the program's internal text and Unicode. Internal text
// is 8-bit Windows code page 1252; a letter the code page lacks is carried as
// an HTML character reference ("&name;" or "&#N;"), so internal text can be
// written into HTML pages as it is. Unicode appears only at the edges: UTF-8
// and UTF-16 input files on the way in, terminals and widgets on the way out.

#include <string>
#include <string_view>

namespace lg {

// True when no byte of the text is 0x80 or above.
bool IsAscii(std::string_view text);

// Converts UTF-8 to internal text. A character the code page has becomes its
// byte; any other becomes "&#N;" with N decimal. Bytes that do not form a
// valid UTF-8 sequence (stray continuation byte, truncated or overlong form,
// surrogate, beyond U+10FFFF) are kept one by one as code page bytes, so text
// that was never UTF-8 survives unharmed. Pure ASCII comes back unchanged.
std::string DecodeUtf8(std::string_view utf8);

// DecodeUtf8 in place; neither scans twice nor allocates when the line is
// pure ASCII, which is nearly every line of a large file.
void DecodeUtf8InPlace(std::string& line);

// Converts internal text to UTF-8 for terminals and widgets: code page bytes
// become their characters (the five bytes the code page leaves undefined
// become the C1 controls of the same value) and character references are
// decoded. A numeric reference is a Unicode code point ("&#N;" or "&#xH;",
// neither 0 nor a surrogate). Names known are the Latin-1 and code page 1252
// entities of HTML 4, "apos", and every name of a letter followed by grave,
// acute, circ, tilde, uml, ring, macr, brev, dot, dblac, cedil or caron whose
// combination exists precomposed in Unicode, plus the stroked and dotless
// letters. An unknown reference, or an "&" whose ";" is not within a few
// characters, stays as literal text.
std::string ToUtf8(std::string_view internal);

// Transcodes UTF-16 bytes to UTF-8. Surrogate pairs are combined; an unpaired
// surrogate becomes U+FFFD and an odd trailing byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

// The precomposed Unicode letter for a base letter (A-Z, a-z) and a mark
// named as in character references ("acute", "uml", "cedil", ...); 0 when
// Unicode has none.
char32_t PrecomposedLetter(std::string_view mark, char letter);

// The code page 1252 byte of a Unicode code point, or -1 when the code page
// lacks it. The five undefined bytes stand for the C1 controls of their value.
int Cp1252FromCodePoint(char32_t codePoint);

// Internal text for a page in code page 1250 (Polish): every byte whose
// character 1250 lacks or has at another byte becomes "&#N;", so the page
// shows the letter the text holds; the other bytes stay as they are.
std::string ForCodePage1250(std::string_view internal);

}  // namespace lg
