#pragma once
// The parameter file: a plain-text file of setting lines (";Key = value")
// with one block per chart type, in which the user saves every setting and
// from which a later session or a batch run restores them.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"

namespace lg {

class Session;

// Reads parameter-file text over the working records and the global
// options; current settings are not touched (the caller loads them).
// Lines end in LF or CR LF; a UTF-8 text (with or without its byte-order
// mark) is converted to code page 1252, other bytes are taken as they are.
// Lines of the old family data format go to settings.familyData while no
// GEDCOM has been named. Returns false when some setting had a value that
// is not a valid number for it; that setting keeps its value, every other
// line is still read, and `rejected` (when given) receives the setting's
// key and value ("BoxWidth = abc") for each such line.
bool ReadParameterText(std::string_view text, Settings& settings,
                       std::vector<std::string>* rejected = nullptr);

// ReadParameterText on the bytes of a file; false when it can't be read.
bool ReadParameterFile(const std::filesystem::path& file, Settings& settings,
                       std::vector<std::string>* rejected = nullptr);

// The whole text of a parameter file for the working records 0 to 4 and
// the global options, with CR LF line ends. The current settings are not
// consulted: store them into their record first.
std::string FormatParameterFile(const Settings& settings);

// How a parameter file in `directory` names the GEDCOM: the file name alone
// when the GEDCOM lies in that directory, its absolute path otherwise, in
// the program's code page. Empty for an empty path.
std::string GedcomNameFor(const std::filesystem::path& gedcom,
                          const std::filesystem::path& directory);

// Where the GEDCOM named in the settings lies: relative names are taken
// from `directory` (Windows separators count as "/"). Empty without a name.
std::filesystem::path ResolveGedcomName(std::string_view name,
                                        const std::filesystem::path& directory);

// The Save Data command after the file was chosen: stores the current
// settings into their record, writes the file (naming the loaded GEDCOM
// relative to it), clears the records' modified flags and the changed
// mark, and makes the file's directory the working directory, where a
// "GedcomErrors.txt" left over is deleted. A file that can't be written is
// reported as an error; nothing else changes then. Returns true when the
// file was written.
bool WriteParameterFile(Session& session, const std::filesystem::path& file);

}  // namespace lg
