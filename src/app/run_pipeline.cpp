#include "app/run_pipeline.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/parameter_file.h"
#include "base/encoding.h"
#include "base/fill_in.h"
#include "base/text_helpers.h"
#include "database/consistency.h"
#include "database/gedcom_reader.h"
#include "database/line_source.h"

namespace lg {
namespace {

// Swallows the messages of a language built only for the checks: a bad
// language name is the make-chart command's to report.
class SilentSink final : public MessageSink {
  public:
    void AppendMessage(const std::string&) override {}
    void ClearMessages() override {}
    void SetStatus(const std::string&, StatusColour) override {}
    bool ProcessPendingEvents() override { return false; }
};

std::filesystem::path ReportDirectory(const Session& session) {
    return session.reportDirectory.empty() ? session.workingDirectory : session.reportDirectory;
}

// The checks judge dates in the language the settings name now, which a
// parameter file may just have changed.
CheckOutcome RunChecks(Session& session, const std::filesystem::path& file) {
    SilentSink sink;
    Reporter silent(sink);
    std::unique_ptr<Tlanguage> language = CreateLanguage(session.settings.options.language, silent);
    CheckOptions options;
    options.report.outputDirectory = ReportDirectory(session);
    options.report.gedcomName = DecodeUtf8(file.filename().string());
    options.report.checkLevel = session.settings.options.gedcomchecks;
    options.report.clock = &session.GetClock();
    options.nameStyle = session.settings.options.properdisplay;
    options.skipDateChecks = session.autoRun;
    return CheckGedcom(session.Db(), language ? language.get() : session.language.get(),
                       session.GetReporter(), options);
}

}  // namespace

std::filesystem::path ErrorReportPath(const Session& session) {
    return OutputPath(ReportDirectory(session).string(), "GedcomErrors.htm");
}

FileType DetectFileType(const std::filesystem::path& file, Reporter& reporter) {
    std::string name = file.filename().string();
    GedcomLineSource source;
    if (!source.Open(file)) {
        reporter.AddMessage(
            FillIn(source.IsFolder() ? Msg::FileIsAFolder : Msg::CanNotOpenFile, name), true);
        return FileType::Unknown;
    }
    std::string_view first;
    if (source.IsEmpty() || !source.Next(first)) {
        reporter.AddMessage(FillIn(Msg::FileIsEmpty, name), true);
        return FileType::Unknown;
    }
    if (first.find("HEAD") != std::string_view::npos) return FileType::Gedcom;
    if (first.find("PLANTS") != std::string_view::npos) return FileType::Plants;
    if (first.find("HUMANS") != std::string_view::npos) return FileType::Humans;
    return FileType::Unknown;
}

bool LoadGedcom(Session& session, const std::filesystem::path& given) {
    const std::filesystem::path file = AbsolutePath(given);
    if (!session.reportDirectory.empty())
        session.reportDirectory = AbsolutePath(session.reportDirectory);
    Reporter& reporter = session.GetReporter();
    reporter.ClearMessages();
    session.viewAction = ViewAction::InspectCharts;
    session.viewEnabled = false;
    reporter.SetRunState(kRunNormal);
    session.runCount = 0;
    session.settings.options.filetype = FileType::Unknown;

    std::error_code error;
    bool exists = std::filesystem::exists(file, error);
    // A missing file is the reader's to report: its message names the
    // directory that was searched.
    if (exists && std::filesystem::is_directory(file, error)) {
        // Not a file of an unclear type: no file at all.
        reporter.AddMessage(FillIn(Msg::FileIsAFolder, DecodeUtf8(file.filename().string())), true);
        session.goEnabled = false;
        return false;
    }
    if (exists) {
        session.settings.options.filetype = DetectFileType(file, reporter);
        if (session.settings.options.filetype != FileType::Gedcom) {
            reporter.AddMessage(MessageText(Msg::TypeOfFileNotClear), true);
            session.goEnabled = false;
            return false;
        }
    }
    session.gedcomFile = file;
    if (session.parameterFile.empty()) session.workingDirectory = file.parent_path();
    Settings& settings = session.settings;
    if (ResolveGedcomName(settings.options.gedcom, session.workingDirectory) != file)
        settings.options.gedcom = GedcomNameFor(file, session.workingDirectory);

    // Charts point at the persons about to be freed; they must go first.
    session.ClearCharts();
    ReadOptions options;
    options.nameStyle = settings.options.properdisplay;
    bool linked = ReadGedcom(file, session.Db(), reporter, options);
    session.reportNotWritten = false;
    if (linked && reporter.RunState() != kRunError) {
        const CheckOutcome checked = RunChecks(session, file);
        session.reportNotWritten = checked == CheckOutcome::ReportNotWritten;
        if (checked == CheckOutcome::Reported) {
            session.viewAction = ViewAction::ShowErrorReport;
            session.viewEnabled = true;
        }
    }
    // The persons read are new records: their name codes and highlights
    // come from the current settings again.
    LoadCurrent(settings, settings.current, session.Db().persons);
    session.goEnabled = reporter.RunState() != kRunError;
    return linked && reporter.RunState() != kRunError;
}

bool SelectLanguage(Session& session) {
    session.language = CreateLanguage(session.settings.options.language, session.GetReporter());
    return session.language != nullptr;
}

bool LoadParameterFile(Session& session, const std::filesystem::path& given) {
    const std::filesystem::path file = AbsolutePath(given);
    Reporter& reporter = session.GetReporter();
    Settings& settings = session.settings;
    reporter.ClearMessages();
    ClearPersonLists(settings);
    settings.options.gedcom.clear();
    settings.familyData.clear();
    session.runCount = 0;
    reporter.SetRunState(kRunNormal);
    session.parameterFile = file;
    session.workingDirectory = file.parent_path();

    std::vector<std::string> rejected;
    bool read = ReadParameterFile(file, settings, &rejected);
    bool familyData = !settings.familyData.empty();
    // The GEDCOM load starts a new message list, so the file's own problems
    // are reported after it: otherwise they would be wiped out unseen.
    if (!familyData && !settings.options.gedcom.empty()) {
        LoadGedcom(session, ResolveGedcomName(settings.options.gedcom, session.workingDirectory));
        SelectLanguage(session);
    }
    for (const std::string& setting : rejected)
        reporter.AddMessage(FillIn(Msg::NotAValidNumber, setting));
    if (!read)
        reporter.AddMessage(FillIn(Msg::InputErrorOnFile, DecodeUtf8(file.filename().string())),
                            true);
    if (familyData) {
        reporter.AddMessage(MessageText(Msg::FamilyDataOnSource), true);
        session.viewEnabled = false;
    }

    settings.changed = false;
    LoadCurrent(settings, settings.CurrentRecord(), session.Db().persons);
    session.goEnabled = reporter.RunState() == kRunNormal;
    if (session.goEnabled)
        reporter.ShowStatus(MessageText(Msg::ReadyToCalculate), StatusColour::Normal);
    return session.goEnabled;
}

}  // namespace lg
