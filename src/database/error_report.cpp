#include "database/error_report.h"

#include <ctime>
#include <string>

#include "base/encoding.h"
#include "base/fill_in.h"
#include "base/messages.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

constexpr std::string_view kReportFile = "GedcomErrors.htm";
constexpr std::string_view kHelpPage = "https://www.lignorama.org/lignorama/LGerrorhelp.htm";
constexpr std::string_view kVersion = " (V4.1.3b)";
// The report is written in the program's internal text, code page 1252;
// without the declaration its accents would depend on the reader's browser.
constexpr std::string_view kStyleHead =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<style type=\"text/css\"><!--"
    "table         { border: 0pt }"
    "td            { font-size:11pt; padding-left:10pt }"
    "a:link        {color:blue; text-underline:none; text-line-through:none;}"
    "a:visited     {color:purple; text-underline:none; text-line-through:none;}"
    "--></style></head><body>";

// The captions of the check levels as the options dialog shows them.
std::string_view LevelCaption(int level) {
    switch (level) {
        case 0:
            return "Link consistency only";
        case 1:
            return "Consistency of links and dates";
        default:
            return "Link consistency and sanity of dates";
    }
}

std::string ShortDateTime(const Clock* clock) {
    auto now = clock ? clock->Now() : std::chrono::system_clock::now();
    std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    char text[64];
    std::size_t n = std::strftime(text, sizeof text, "%x %X", &local);
    return std::string(text, n);
}

std::string HeaderRow(std::string_view label, std::string_view value) {
    return Row(Cell(std::string(label) + " : ") + Cell(value));
}

}  // namespace

std::string Bold(std::string_view t) {
    return "<b>" + std::string(t) + "</b>";
}
std::string Maroon(std::string_view t) {
    return "<font color=maroon>" + std::string(t) + "</font>";
}
std::string Red(std::string_view t) {
    return "<font color=red>" + std::string(t) + "</font>";
}
std::string Value(std::string_view t) {
    return Maroon(Bold(t));
}

ErrorReport::ErrorReport(ReportContext context) : context_(std::move(context)) {}

// A report that was not closed (the checks ended by an exception) is
// incomplete: the old one stays.
ErrorReport::~ErrorReport() = default;

std::filesystem::path ErrorReport::Path() const {
    return OutputPath(context_.outputDirectory.string(), kReportFile);
}

void ErrorReport::Open() {
    std::filesystem::path path = Path();
    open_ = true;
    failure_ = {};
    refused_ = !GeneratedByUs(path);
    if (refused_) {
        failure_ = {path.string(), "the file was not written by this program"};
        return;
    }
    out_ = std::make_unique<SafeFile>(path.string());
    std::string header(kStyleHead);
    header += MessageText(Msg::InconsistentLinksOrDates);
    header += " <a href=\"";
    header += kHelpPage;
    header += "\">";
    header += kHelpPage;
    header += "</a><br><table border=0 cellpadding=0>";
    header +=
        HeaderRow(MessageText(Msg::Path), Value(DecodeUtf8(context_.outputDirectory.string())));
    header += HeaderRow("Gedcom", Value(context_.gedcomName));
    header += HeaderRow(MessageText(Msg::ThisFile), Value(kReportFile));
    header += HeaderRow(MessageText(Msg::Date), Value(ShortDateTime(context_.clock)));
    header += HeaderRow(MessageText(Msg::Checks),
                        std::string(LevelCaption(context_.checkLevel)) + std::string(kVersion));
    header += "</table><br>";
    WriteReport(header);
}

void ErrorReport::WriteReport(std::string_view line) {
    if (!open_) Open();
    if (!out_) return;
    out_->Write(line);
    out_->Write("\r\n");
}

void ErrorReport::ReportSection(std::string_view title, int count, Reporter& reporter) {
    if (firstSection_) {
        reporter.AddMessage("\r\n" + std::string(MessageText(Msg::DubiousDataOnYour)) +
                            " --------------------");
        firstSection_ = false;
    }
    reporter.AddMessage("---- " + std::string(title) + "  (" + std::to_string(count) + "x)");
    WriteReport("");
}

bool ErrorReport::IsOpen() const {
    return open_;
}

bool ErrorReport::Close() {
    if (!open_) return true;
    open_ = false;
    if (!out_) return false;
    const bool written = out_->Commit();
    if (!written) failure_ = out_->Error();
    out_.reset();
    return written;
}

const ReportContext& ErrorReport::Context() const {
    return context_;
}

}  // namespace lg
