#pragma once
// Reads a GEDCOM file into the person and family lists. Tolerant by design:
// only the tags the charts need are read, everything else is skipped with
// its sub-lines, and damaged lines are reported with their line number
// instead of stopping the read.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/reporter.h"
#include "database/records.h"

namespace lg {

struct ReadOptions {
    NameStyle nameStyle = NameStyle::Proper;
    // A file of at least this many bytes has its second half read on a
    // second core, when the machine has one; the records, their lines and
    // the messages are those of reading it on one. 0 never splits.
    std::uintmax_t splitFrom = 8u << 20;
    // When set, receives the byte where the second half began, or 0 when
    // the file was read in one piece.
    std::uintmax_t* splitAt = nullptr;
};

// Clears the database and reads the file into it. Unless an error was
// reported (the run state is then 2), reports the counts, sorts both lists
// by identifier and links the records. Returns true when the records were
// linked. Consistency checks are the caller's next step.
bool ReadGedcom(const std::filesystem::path& file, Database& db, Reporter& reporter,
                const ReadOptions& options = {});

// The cleaning applied to a person's first NAME value: dots become blanks,
// double quotes apostrophes and, unless the style is Gedcom, words written
// in capitals are capitalised ("JANSEN" gives "Jansen", Roman numerals stay).
std::string CleanName(std::string_view value, NameStyle style);

}  // namespace lg
