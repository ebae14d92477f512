#pragma once
// The link checks that run after every GEDCOM load: links between person
// and family records must agree in both directions, or they are dropped, so
// that no chart follows a one-sided link. Persons who are a child by birth
// in several families get one birth family; the others become adoptions.
// Findings go to the report "GedcomErrors.htm" and, summarised, to the
// message list; they are never errors of the run.

#include "base/reporter.h"
#include "database/error_report.h"
#include "database/records.h"

namespace lg {

class DateQualifiers;

struct CheckOptions {
    // Where the report goes and the check level (clamped to 0..2 here).
    ReportContext report;
    NameStyle nameStyle = NameStyle::Proper;  // names in the report's tables
    // The batch mode's unattended run: the date checks are skipped.
    bool skipDateChecks = false;
};

enum class CheckOutcome {
    Clean,             // nothing to report; the report file was not touched
    Reported,          // findings, written to the report
    ReportNotWritten,  // findings, but the report could not be written
};

// Runs every check in order (empty events, FAMC, FAMS, improper sex, CHIL,
// HUSB/WIFE, partner sex, birth families, dates) and repairs the database
// as it goes. Afterwards every person's birthYear and deathYear are set and
// father and mother follow the repaired first FAMC link. The date checks
// need the output language; without one (null) they are skipped.
// With findings, the report is put in place and the error hint is the last
// message line; the run state is what it was before that hint (so a
// finding alone never stops the run). When the report cannot be written
// (or a file of its name was not written by the program), a warning line
// says so instead and the old file stays as it was.
CheckOutcome CheckGedcom(Database& db, const DateQualifiers* language, Reporter& reporter,
                         const CheckOptions& options);

// Step one of the checks on its own: deletes each of the person's four
// events that has neither a date nor a place (an event asserted with "Y"
// stays: it says that the event happened).
void DeleteEmptyEvents(Tindividual& person);

}  // namespace lg
