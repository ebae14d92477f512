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
// state, checks that the file is a GEDCOM, reads and links it, and runs the
// consistency and date checks (the batch mode, session.autoRun, skips the
// date checks) at the level of the setting gedcomchecks. The GEDCOM's
// directory becomes the working directory unless a parameter file is in use.
// When the checks wrote the report "GedcomErrors.htm", "View Chart" shows it
// (viewAction ShowErrorReport, viewEnabled). Returns true when the database
// was loaded without an error (findings of the checks are none).
// The settings' GEDCOM name then names this file (relative to the working
// directory), session.gedcomFile holds it as an absolute path (and so does
// the working directory taken from it), and the person marks of the current settings are applied to
// the persons read.
bool LoadGedcom(Session& session, const std::filesystem::path& file);

// Builds the output language the settings name into session.language; an
// unsupported name is reported as an error and leaves no language.
bool SelectLanguage(Session& session);

// Where the checks of the session write "GedcomErrors.htm".
std::filesystem::path ErrorReportPath(const Session& session);

// Loads a parameter file and the GEDCOM it names. The file's directory
// (absolute) becomes the working directory, from which a relative GEDCOM name is
// taken. Before reading, the proband lists, name codes and highlights of
// every chart type and the GEDCOM name are emptied; the other settings keep
// their values unless the file sets them. Reports "Input error on %file."
// for a missing or unreadable file and for invalid numbers (each invalid
// setting named first), and refuses files with family data of the old
// format. Afterwards the record of the file's chart type is the current
// settings, which count as unchanged. Returns true when nothing was
// reported as an error (Make Chart is enabled exactly then).
bool LoadParameterFile(Session& session, const std::filesystem::path& file);

}  // namespace lg
