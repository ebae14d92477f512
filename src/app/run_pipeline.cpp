#include "app/run_pipeline.h"

#include "database/gedcom_reader.h"
#include "database/line_source.h"
#include "text/fill_in.h"

namespace lg {

FileType DetectFileType(const std::filesystem::path& file, Reporter& reporter) {
    std::string name = file.filename().string();
    GedcomLineSource source;
    if (!source.Open(file)) {
        reporter.AddMessage(FillIn(Msg::CanNotOpenFile, name), true);
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

bool LoadGedcom(Session& session, const std::filesystem::path& file) {
    Reporter& reporter = session.GetReporter();
    reporter.ClearMessages();
    session.viewAction = ViewAction::InspectCharts;
    session.viewEnabled = false;
    reporter.SetRunState(kRunNormal);
    session.runCount = 0;
    session.fileType = FileType::Unknown;

    std::error_code error;
    bool exists = std::filesystem::exists(file, error);
    // A missing file is the reader's to report: its message names the
    // directory that was searched.
    if (exists) {
        session.fileType = DetectFileType(file, reporter);
        if (session.fileType != FileType::Gedcom) {
            reporter.AddMessage(MessageText(Msg::TypeOfFileNotClear), true);
            session.goEnabled = false;
            return false;
        }
    }
    session.gedcomFile = file;
    if (session.parameterFile.empty()) session.workingDirectory = file.parent_path();

    ReadOptions options;
    options.nameStyle = session.nameStyle;
    bool linked = ReadGedcom(file, session.Db(), reporter, options);
    session.goEnabled = reporter.RunState() != kRunError;
    return linked && reporter.RunState() != kRunError;
}

}  // namespace lg
