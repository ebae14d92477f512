#pragma once
// The spine of the program: loading input files into the session. The
// make-chart command joins it when the chart builders exist.

#include <filesystem>

#include "app/session.h"

namespace lg {

// What the first line of the file says it is. Reports (as errors) a file
// that can't be opened or is empty; those give Unknown.
FileType DetectFileType(const std::filesystem::path& file, Reporter& reporter);

// Loads a GEDCOM file into the session: clears the message list and the run
// state, checks that the file is a GEDCOM, reads and links it. The GEDCOM's
// directory becomes the working directory unless a parameter file is in use.
// Returns true when the database was loaded without an error report.
bool LoadGedcom(Session& session, const std::filesystem::path& file);

}  // namespace lg
