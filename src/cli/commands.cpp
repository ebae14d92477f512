#include "cli/commands.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <string_view>

#include "app/batch.h"
#include "app/make_chart.h"
#include "app/parameter_file.h"
#include "app/run_pipeline.h"
#include "app/session.h"
#include "base/encoding.h"
#include "base/fill_in.h"
#include "cli/console_host.h"

namespace lg::cli {
namespace {

struct Command {
    std::string_view name;
    std::string_view arguments;
    std::string_view summary;
    int argumentCount;  // -1: the command checks its arguments itself
    std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)> run;
};

int ExitStatusOf(Session& session) {
    return ReportedErrors(session, session.viewAction == ViewAction::ShowErrorReport) ? kExitError
                                                                                      : kExitOk;
}

int Load(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
    ConsoleHost host(out);
    Session session(host);
    LoadGedcom(session, args[0]);
    return ExitStatusOf(session);
}

int Persons(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // The listing is the result; the load messages are not.
    ConsoleHost host(err);
    Session session(host);
    if (!LoadGedcom(session, args[0])) return kExitError;
    for (const auto& person : session.Db().persons)
        out << ToUtf8(person->ID) << '\t' << ToUtf8(person->ListingText()) << '\n';
    return ExitStatusOf(session);
}

// The batch mode: the parameter file's chart without dialogs, its pages
// written; the page to open is named last.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
    ConsoleHost host(out);
    Session session(host);
    BatchResult result = RunBatch(session, args[0]);
    if (!result.page.empty()) out << "Pages written; open " << result.page << '\n';
    return result.failed ? kExitError : kExitOk;
}

int Params(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::filesystem::path gedcom = args[0];
    std::error_code error;
    if (!std::filesystem::is_regular_file(gedcom, error)) {
        std::filesystem::path dir = gedcom.parent_path();
        if (dir.empty()) dir = std::filesystem::current_path(error);
        err << "*** "
            << ToUtf8(FillInAll(Msg::GedcomFileDoesNotExist,
                                {DecodeUtf8(gedcom.filename().string()), DecodeUtf8(dir.string())}))
            << '\n';
        return kExitError;
    }
    // The parameter file goes to standard output, meant for a file in the
    // current directory: the GEDCOM is named relative to that.
    Settings settings;
    settings.options.gedcom = GedcomNameFor(gedcom, std::filesystem::current_path(error));
    out << FormatParameterFile(settings);
    return kExitOk;
}

struct CheckArguments {
    std::string file;
    int level = 2;
    std::string out;
};

// FILE [--level 0|1|2] [--out DIR], options in any order; false when wrong.
bool ParseCheckArguments(const std::vector<std::string>& args, CheckArguments& parsed) {
    bool haveFile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--level" || arg == "--out") {
            if (i + 1 >= args.size()) return false;
            const std::string& value = args[++i];
            if (arg == "--out") {
                parsed.out = value;
            } else {
                if (value != "0" && value != "1" && value != "2") return false;
                parsed.level = value[0] - '0';
            }
        } else if (!haveFile && !arg.starts_with("--")) {
            parsed.file = arg;
            haveFile = true;
        } else {
            return false;
        }
    }
    return haveFile;
}

int Check(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CheckArguments parsed;
    if (!ParseCheckArguments(args, parsed)) {
        err << "lignorama-cli: check takes FILE.ged [--level 0|1|2] [--out DIR]\n";
        return kExitUsage;
    }
    ConsoleHost host(out);
    Session session(host);
    session.settings.options.gedcomchecks = parsed.level;
    session.reportDirectory = parsed.out;
    LoadGedcom(session, parsed.file);
    int status = ExitStatusOf(session);
    if (status != kExitOk) return status;
    // The report is this command's result: without it, the findings are lost.
    if (session.reportNotWritten) return kExitError;
    if (session.viewAction != ViewAction::ShowErrorReport) return kExitOk;
    out << ErrorReportPath(session).string() << '\n';
    return kExitFindings;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"load", "FILE.ged", "read a GEDCOM file and print the messages of the load", 1, Load},
        {"persons", "FILE.ged",
         "list every person: identifier, a tab, then name and birth year as in selection lists", 1,
         Persons},
        {"run", "PARAMS.txt",
         "load a parameter file and the GEDCOM it names, make the file's chart without dialogs "
         "(the remembered or the automatic proband) and write its HTML pages beside the "
         "parameter file",
         1, Run},
        {"check", "FILE.ged [--level 0|1|2] [--out DIR]",
         "load a GEDCOM file, run the link and date checks (level 2 by default) and write "
         "GedcomErrors.htm into DIR (default: the GEDCOM's directory); prints the messages and "
         "the report's path",
         -1, Check},
        {"params", "FILE.ged",
         "write a parameter file with factory settings for the GEDCOM to standard output", 1,
         Params},
    };
    return commands;
}

void PrintUsage(std::ostream& to) {
    to << "Usage: lignorama-cli COMMAND ARGUMENTS\n\nCommands:\n";
    for (const Command& command : Commands()) {
        std::string head = std::string(command.name) + " " + std::string(command.arguments);
        to << "  " << head << std::string(head.size() < 20 ? 20 - head.size() : 1, ' ')
           << command.summary << '\n';
    }
    to << "\nExit status: 0 success, 1 an error was reported, 2 wrong usage,\n"
          "3 (check) the checks reported findings.\n"
          "Ctrl-C stops a long read at its next check.\n";
}

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(out);
        return kExitOk;
    }
    for (const Command& command : Commands()) {
        if (args[0] != command.name) continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (command.argumentCount >= 0 && static_cast<int>(rest.size()) != command.argumentCount) {
            err << "lignorama-cli: " << command.name << " takes " << command.arguments << "\n\n";
            PrintUsage(err);
            return kExitUsage;
        }
        return command.run(rest, out, err);
    }
    err << "lignorama-cli: unknown command \"" << args[0] << "\"\n\n";
    PrintUsage(err);
    return kExitUsage;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // A parameter file redirected into a file on a full disk would
    // otherwise be left empty without a word.
    return StatusAfterOutput(RunCommand(args, out, err), out, err, "lignorama-cli");
}

}  // namespace lg::cli
