#pragma once
// The one crossing between the program's internal text (code page 1252 with
// character references for letters outside it) and the widgets' Unicode.

#include <QString>
#include <string>
#include <string_view>

namespace lg {

// Internal text for a widget: code page bytes become their letters and
// character references are decoded.
QString ToQString(std::string_view internal);

// What the user typed, as internal text: letters the code page lacks become
// character references, as they would arriving from a GEDCOM file.
std::string FromQString(const QString& text);

// A file system path for the widgets and back.
QString PathToQString(const std::string& path);

}  // namespace lg
