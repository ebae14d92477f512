#pragma once
// Internal text is written into pages as it stands, so it has to be safe
// HTML text: these decide what a character reference is and make text taken
// from a file safe before anything else sees it.

#include <cstddef>
#include <string>
#include <string_view>

namespace lg {

// True when HTML defines a character reference of this name ("amp",
// "eacute", "Ccaron"; without "&" and ";").
bool IsHtmlEntityName(std::string_view name);

// The length of the character reference that starts the text ("&#321;",
// "&#x141;", "&eacute;": the number of a character, or a name HTML
// defines, closed by ";"), or 0 when the text does not start with one.
std::size_t ReferenceLength(std::string_view text);

// Makes file text safe for a page: "<" and ">" become "&lt;" and "&gt;",
// and an "&" that does not start a character reference becomes "&amp;", so
// a value can neither open markup nor show a reference HTML does not know.
// Lines without any of the three bytes are left alone without allocating.
void EscapeMarkupInPlace(std::string& text);

// Safe text for an attribute value between double quotes: as the text,
// with every '"' written "&quot;".
std::string AttributeText(std::string_view text);

// The number of characters the text shows: a character reference counts as
// one.
std::size_t VisibleLength(std::string_view text);

// The length in bytes of the first `count` visible characters; never ends
// inside a character reference.
std::size_t BytesOfVisible(std::string_view text, std::size_t count);

}  // namespace lg
