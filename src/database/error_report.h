#pragma once
// The HTML error report of the GEDCOM checks: "GedcomErrors.htm" in the
// output directory. The report is begun, with its header, when the first
// line is written, so a clean file leaves an older report untouched. It
// takes the old report's place only when it is complete; a file of that
// name that the program did not write is never replaced.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/reporter.h"
#include "base/safe_file.h"

namespace lg {

// Markup of report entries: the text wrapped in a bold, maroon or red font
// element, or (Value) in bold maroon, as used for the offending value.
std::string Bold(std::string_view t);
std::string Maroon(std::string_view t);
std::string Red(std::string_view t);
std::string Value(std::string_view t);

// What a report needs to know about the run that writes it.
struct ReportContext {
    std::filesystem::path outputDirectory;
    std::string gedcomName;        // file name of the GEDCOM file, shown in the header
    int checkLevel = 2;            // 0 links only, 1 plus basic dates, 2 all checks
    const Clock* clock = nullptr;  // date in the header; null: the system clock
};

// The report file "GedcomErrors.htm": created with its header at the first
// line written.
class ErrorReport {
  public:
    explicit ErrorReport(ReportContext context);
    ~ErrorReport();
    ErrorReport(const ErrorReport&) = delete;
    ErrorReport& operator=(const ErrorReport&) = delete;

    // Writes one line, ended by CR LF; begins the report (with its header)
    // first if it is not begun yet. A report that cannot be written takes
    // the lines without a word; Close says so.
    void WriteReport(std::string_view line);
    // Summary of one check section in the message list (headed, the first
    // time, by the "Dubious data" line), then an empty report line. Callers
    // call it only for sections with findings.
    void ReportSection(std::string_view title, int count, Reporter& reporter);
    bool IsOpen() const;
    // Puts the report in place; harmless when it was never begun. False
    // when it could not be written or was refused (Failure says why); the
    // file is then as it was. The next line written starts a new report.
    bool Close();
    // Why the last report was not written; empty when it was.
    const FileError& Failure() const { return failure_; }
    // The refused file was not written by the program.
    bool Refused() const { return refused_; }
    const ReportContext& Context() const;
    // Full path of the report file (whether or not it exists).
    std::filesystem::path Path() const;

  private:
    void Open();

    ReportContext context_;
    std::unique_ptr<SafeFile> out_;
    FileError failure_;
    bool refused_ = false;
    bool open_ = false;
    bool firstSection_ = true;
};

}  // namespace lg
