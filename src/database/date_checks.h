#pragma once
// The date plausibility checks that end the GEDCOM checks: lives, events and
// families whose dates contradict each other or are hard to believe. They
// change nothing in the database; findings go into the error report and one
// summary goes into the message list.

#include <functional>
#include <string>
#include <string_view>

#include "base/reporter.h"
#include "database/error_report.h"
#include "database/records.h"

namespace lg {

// How the date checks run. checkLevel: 0 none, 1 dates, 2 dates with the
// one-year tolerance and the baptism practice check (clamped to 0..2).
// A hidden (batch) run skips the checks like level 0.
struct DateCheckOptions {
    int checkLevel = 2;
    bool hidden = false;
    NameStyle nameStyle = NameStyle::Proper;
};

// The youngest age at which a person born in the year is expected to marry
// or become a parent: 13 up to 1700, 15 up to 1811, 16 from 1812 on.
int MinimumAge(int birthYear);

// What the checks ask of the output language, which implements it: the
// GEDCOM qualifier keyword ("BEFORE", "BEF", "AFTER", ...) of a date as the
// language shows it; empty when the date has none.
class DateQualifiers {
  public:
    virtual ~DateQualifiers() = default;
    virtual std::string_view QualifierOf(std::string_view date) const = 0;
};

// Whether two events whose years are in the wrong order (the year of
// `first`, the earlier event, exceeds that of `second`) may still be in the
// right order. Below level 2: false only when the first date is an "after"
// date or the second a "before" date; true without a language. At level 2:
// the first year is at most one more than the second, qualifiers ignored.
bool DatesPlausible(std::string_view first, std::string_view second, const DateQualifiers* language,
                    int checkLevel);

// Receives the report lines of the date checks in order.
using ReportLineWriter = std::function<void(std::string_view line)>;

// Runs every date check over the database and writes the findings, including
// the closing line, through `write`. Returns the number of findings.
// Requires: birthYear and deathYear are computed (Tindividual::ComputeYears).
// Links may be null or one-sided; nothing in the database is changed.
int RunDateChecks(const Database& db, const DateQualifiers* language,
                  const DateCheckOptions& options, const ReportLineWriter& write);

// Runs the date plausibility checks on the (already link-checked) database;
// findings go into the report, one summary into the message list, and the
// status line says "Ready to calculate" at the end. Returns the findings.
int CheckDates(Database& db, const DateQualifiers& language, ErrorReport& report,
               Reporter& reporter, const DateCheckOptions& options);
// The same with the check level of the report's context.
void CheckDates(Database& db, const DateQualifiers& language, ErrorReport& report,
                Reporter& reporter);

}  // namespace lg
