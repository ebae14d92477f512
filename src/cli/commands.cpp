#include "cli/commands.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string_view>

#include "app/batch.h"
#include "app/chart_kinds.h"
#include "app/make_chart.h"
#include "app/parameter_file.h"
#include "app/run_pipeline.h"
#include "app/session.h"
#include "base/encoding.h"
#include "base/fill_in.h"
#include "charts/kinship.h"
#include "charts/pedigree_loss.h"
#include "cli/console_host.h"

namespace lg::cli {
namespace {

// A command's arguments once read: the positional ones in order, the
// options by name (without the dashes) with their values.
struct Arguments {
    std::vector<std::string> files;
    std::map<std::string, std::string, std::less<>> options;
    bool quiet = false;  // --quiet: no progress on standard error

    bool Has(std::string_view option) const { return options.contains(option); }
    const std::string& Value(std::string_view option) const {
        static const std::string none;
        auto found = options.find(option);
        return found == options.end() ? none : found->second;
    }
};

// Where a command writes, and what it may draw with.
struct Context {
    std::ostream& out;
    std::ostream& err;
    const PictureWriter& pictures;
    ChartImageMaker images;
    Leftovers* leftovers;
};

// Declared after the session, so that it hands the session's records over
// (when the caller takes them) just before the session ends.
class KeepRecords {
  public:
    KeepRecords(Session& session, const Context& c) : session_(session), leftovers_(c.leftovers) {}
    KeepRecords(const KeepRecords&) = delete;
    KeepRecords& operator=(const KeepRecords&) = delete;
    ~KeepRecords() {
        if (leftovers_) leftovers_->databases.push_back(std::move(session_.Db()));
    }

  private:
    Session& session_;
    Leftovers* leftovers_;
};

struct Command {
    std::string_view name;
    // The whole help: synopsis, what it does, each option, an example.
    // The synopsis is its first line; the README quotes the text as it is.
    std::string_view help;
    std::size_t files;                      // positional arguments
    std::vector<std::string_view> options;  // each takes a value
    std::function<int(const Arguments&, const Context&)> run;
    bool moreFiles = false;                 // further positional arguments allowed
    std::vector<std::string_view> flags{};  // options without a value
};

int ExitStatusOf(Session& session) {
    return ReportedErrors(session, session.viewAction == ViewAction::ShowErrorReport) ? kExitError
                                                                                      : kExitOk;
}

int Load(const Arguments& args, const Context& c) {
    ConsoleHost host(c.out, args.quiet);
    Session session(host);
    KeepRecords keep(session, c);
    LoadGedcom(session, args.files[0]);
    return ExitStatusOf(session);
}

int Persons(const Arguments& args, const Context& c) {
    // The listing is the result; the load messages are not.
    ConsoleHost host(c.err, args.quiet);
    Session session(host);
    KeepRecords keep(session, c);
    if (!LoadGedcom(session, args.files[0])) return kExitError;
    for (const auto& person : session.Db().persons)
        c.out << ToUtf8(person->ID) << '\t' << ToUtf8(person->ListingText()) << '\n';
    return ExitStatusOf(session);
}

// A CSV field, quoted when it holds a separator, a quote or a line end.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) quoted += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    return quoted + "\"";
}

std::string Number(long double value, const char* format) {
    char text[48];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return text;
}

std::string Percent(long double completeness) {
    return Number(100 * (1 - completeness), "%.2f");
}

// The pedigree-loss analysis without dialogs: every inbred person, or the
// persons named; the report lines, or one CSV row per person.
int Inbreeding(const Arguments& args, const Context& c) {
    const bool csv = args.Has("csv");
    ConsoleHost host(csv ? c.err : c.out, args.quiet);
    Session session(host);
    KeepRecords keep(session, c);
    if (!LoadGedcom(session, args.files[0])) return kExitError;
    std::vector<std::string> ids(args.files.begin() + 1, args.files.end());
    for (const std::string& id : ids)
        if (!session.Db().persons.Find(id)) {
            c.err << "lignorama-cli: inbreeding: no person with the ID \"" << id << "\"\n";
            return kExitError;
        }
    Reporter& reporter = session.GetReporter();
    InbreedingRequest request;
    request.probands = &ids;
    request.report = true;
    request.chartDepth = session.settings.current.chartdepth;
    ChartList charts;
    std::vector<InbreedingEntry> entries;
    reporter.SetRunState(kRunNormal);
    reporter.BeginInterruptible();
    AnalyseInbreeding(session.Db(), charts, reporter, request, &entries);
    reporter.EndInterruptible();
    if (reporter.RunState() != kRunNormal) return kExitError;
    if (csv) {
        // Wright's coefficient beside the loss, from the kinship engine.
        KinshipEngine engine;
        c.out << "ID,name,pedigree loss %,group size,chart,F %\n";
        for (const InbreedingEntry& entry : entries) {
            const Tindividual& person = *entry.node->person;
            c.out << CsvField(ToUtf8(person.ID)) << ','
                  << CsvField(ToUtf8(person.FullName(NameStyle::Proper))) << ','
                  << Percent(entry.node->completeness) << ',' << entry.groupSize << ','
                  << (entry.chart >= 0 ? std::to_string(entry.chart + 1) : std::string()) << ','
                  << Number(100 * engine.Inbreeding(person), "%.4f") << '\n';
        }
    }
    return kExitOk;
}

// The persons of the IDs, or a message naming the first unknown one.
bool FindPersons(Session& session, const std::vector<std::string>& ids, std::string_view command,
                 std::vector<const Tindividual*>& persons, std::ostream& err) {
    for (const std::string& id : ids) {
        const Tindividual* person = session.Db().persons.Find(id);
        if (!person) {
            err << "lignorama-cli: " << command << ": no person with the ID \"" << id << "\"\n";
            return false;
        }
        persons.push_back(person);
    }
    return true;
}

// The kinship of every pair of the persons named: the report, or the
// whole matrix (coefficients or generation distances) as CSV.
int Kinship(const Arguments& args, const Context& c) {
    const bool csv = args.Has("csv");
    const bool generations = args.Has("generations");
    if (generations && !csv) {
        c.err << "lignorama-cli: kinship: --generations is for --csv\n";
        return kExitUsage;
    }
    ConsoleHost host(csv ? c.err : c.out, args.quiet);
    Session session(host);
    KeepRecords keep(session, c);
    if (!LoadGedcom(session, args.files[0])) return kExitError;
    std::vector<const Tindividual*> persons;
    if (!FindPersons(session, {args.files.begin() + 1, args.files.end()}, "kinship", persons,
                     c.err))
        return kExitError;
    Reporter& reporter = session.GetReporter();
    reporter.SetRunState(kRunNormal);
    reporter.BeginInterruptible();
    KinshipEngine engine(&reporter);
    bool done = true;
    if (!csv) {
        done = KinshipReport(persons, engine, reporter).has_value();
    } else {
        c.out << "ID";
        for (const Tindividual* person : persons) c.out << ',' << CsvField(ToUtf8(person->ID));
        c.out << '\n';
        for (const Tindividual* a : persons) {
            c.out << CsvField(ToUtf8(a->ID));
            for (const Tindividual* b : persons) {
                const long double value = engine.Kinship(*a, *b);
                if (engine.Interrupted()) break;
                c.out << ',';
                if (!generations)
                    c.out << Number(value, "%.15g");
                else if (std::optional<long double> g = GenerationDistance(value))
                    c.out << Number(*g, "%.6g");
            }
            c.out << '\n';
            if (engine.Interrupted()) break;
        }
        done = !engine.Interrupted();
    }
    reporter.EndInterruptible();
    return done && reporter.RunState() != kRunError ? kExitOk : kExitError;
}

constexpr double kSmallestScale = 0.1;
constexpr double kLargestScale = 16;

// The picture options of run; false after a usage message.
bool ReadPictureRequest(const Arguments& args, PictureRequest& request, std::ostream& err) {
    request.svg = args.Value("svg");
    request.png = args.Value("png");
    if (args.Has("scale")) {
        if (request.png.empty()) {
            err << "lignorama-cli: run: --scale is for --png\n";
            return false;
        }
        const std::string& text = args.Value("scale");
        char* end = nullptr;
        request.scale = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0' || !(request.scale >= kSmallestScale) ||
            !(request.scale <= kLargestScale)) {
            err << "lignorama-cli: run: --scale takes a number from 0.1 to 16, not \"" << text
                << "\"\n";
            return false;
        }
    }
    request.pdf = args.Value("pdf");
    if ((args.Has("svg") && request.svg.empty()) || (args.Has("png") && request.png.empty()) ||
        (args.Has("pdf") && request.pdf.empty())) {
        err << "lignorama-cli: run: --svg, --png and --pdf take a file name\n";
        return false;
    }
    if (args.Has("paper")) {
        request.paper = args.Value("paper");
        if (request.pdf.empty()) {
            err << "lignorama-cli: run: --paper is for --pdf\n";
            return false;
        }
        if (request.paper != "a4" && request.paper != "letter" && request.paper != "a3") {
            err << "lignorama-cli: run: --paper takes a4, letter or a3, not \"" << request.paper
                << "\"\n";
            return false;
        }
    }
    return true;
}

// The batch mode: the parameter file's chart without dialogs, its pages
// written (the page to open is named last), or its pictures instead.
int Run(const Arguments& args, const Context& c) {
    PictureRequest request;
    if (!ReadPictureRequest(args, request, c.err)) return kExitUsage;
    const bool pictures = !request.svg.empty() || !request.png.empty() || !request.pdf.empty();
    if (pictures && !c.pictures) {
        c.err << "lignorama-cli: run: --svg, --png and --pdf are not available in this build (it "
                 "was made without Qt)\n";
        return kExitError;
    }
    ConsoleHost host(c.out, args.quiet);
    Session session(host);
    session.chartImage = c.images;
    KeepRecords keep(session, c);
    if (!pictures) {
        BatchResult result = RunBatch(session, args.files[0]);
        if (!result.page.empty()) c.out << "Pages written; open " << result.page << '\n';
        // The analyses have no pages: say where their results are.
        if (!result.failed && KindOf(session.settings.options.charttype).analysis)
            c.err << "lignorama-cli: run: this chart type is an on-screen analysis without "
                     "pages; see lignorama-cli inbreeding and kinship, or print it with --pdf\n";
        return result.failed ? kExitError : kExitOk;
    }
    BatchResult result = MakeBatchChart(session, args.files[0]);
    if (!result.chartMade) return kExitError;
    if (!c.pictures(session, request, c.err)) return kExitError;
    for (const std::string* file : {&request.svg, &request.png})
        if (!file->empty()) c.out << "Picture written: " << *file << '\n';
    if (!request.pdf.empty()) c.out << "Printout written: " << request.pdf << '\n';
    return result.failed ? kExitError : kExitOk;
}

int Params(const Arguments& args, const Context& c) {
    std::filesystem::path gedcom = args.files[0];
    std::error_code error;
    if (!std::filesystem::is_regular_file(gedcom, error)) {
        std::filesystem::path dir = gedcom.parent_path();
        if (dir.empty()) dir = std::filesystem::current_path(error);
        c.err << "*** "
              << ToUtf8(
                     FillInAll(Msg::GedcomFileDoesNotExist,
                               {DecodeUtf8(gedcom.filename().string()), DecodeUtf8(dir.string())}))
              << '\n';
        return kExitError;
    }
    // The parameter file goes to standard output, meant for a file in the
    // current directory: the GEDCOM is named relative to that.
    Settings settings;
    settings.options.gedcom = GedcomNameFor(gedcom, std::filesystem::current_path(error));
    c.out << FormatParameterFile(settings);
    return kExitOk;
}

int Check(const Arguments& args, const Context& c) {
    int level = 2;
    if (args.Has("level")) {
        const std::string& value = args.Value("level");
        if (value != "0" && value != "1" && value != "2") {
            c.err << "lignorama-cli: check: --level takes 0, 1 or 2, not \"" << value << "\"\n";
            return kExitUsage;
        }
        level = value[0] - '0';
    }
    ConsoleHost host(c.out, args.quiet);
    Session session(host);
    KeepRecords keep(session, c);
    session.settings.options.gedcomchecks = level;
    session.reportDirectory = args.Value("out");
    LoadGedcom(session, args.files[0]);
    int status = ExitStatusOf(session);
    if (status != kExitOk) return status;
    // The report is this command's result: without it, the findings are lost.
    if (session.reportNotWritten) return kExitError;
    if (session.viewAction != ViewAction::ShowErrorReport) return kExitOk;
    c.out << ErrorReportPath(session).string() << '\n';
    return kExitFindings;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"load",
         "load FILE.ged\n"
         "  Reads a GEDCOM file and prints the messages of the load: its character\n"
         "  set, the counts of persons and families, damaged lines.\n"
         "  Example: lignorama-cli load family.ged\n",
         1,
         {},
         Load},
        {"persons",
         "persons FILE.ged\n"
         "  Lists every person: identifier, a tab, then name and birth year as in\n"
         "  the selection lists. The messages of the load go to standard error.\n"
         "  Example: lignorama-cli persons family.ged | grep Berg\n",
         1,
         {},
         Persons},
        {"run",
         "run PARAMS.txt [--svg FILE] [--png FILE [--scale N]] [--pdf FILE [--paper P]]\n"
         "  Loads a parameter file and the GEDCOM it names, makes the file's chart\n"
         "  without dialogs (the remembered or the automatic proband) and writes\n"
         "  its HTML pages beside the parameter file; prints the page to open.\n"
         "  --svg FILE   write the whole chart as the chart window draws it, as an\n"
         "               SVG picture, instead of the pages; its names are text\n"
         "               that a browser can search and select\n"
         "  --png FILE   the same as a PNG picture; a chart over 32767 pixels a\n"
         "               side is refused (save it as SVG)\n"
         "  --scale N    the PNG's size as a multiple of the window's, from 0.1\n"
         "               to 16 (default 1)\n"
         "  --pdf FILE   the printout instead: the chart tiled over as many sheets\n"
         "               as it needs, each labelled with its row and column\n"
         "  --paper P    the sheets of the PDF: a4 (default), letter or a3\n"
         "  Example: lignorama-cli run family.params.txt --png family.png --scale 2\n",
         1,
         {"svg", "png", "scale", "pdf", "paper"},
         Run},
        {"check",
         "check FILE.ged [--level 0|1|2] [--out DIR]\n"
         "  Loads a GEDCOM file, runs the link and date checks and writes the\n"
         "  report GedcomErrors.htm; prints the messages and the report's path.\n"
         "  Exit status 3 when the checks found something.\n"
         "  --level 0|1|2   0 links only, 1 also the basic dates, 2 all checks\n"
         "                  (default 2)\n"
         "  --out DIR       the report's folder (default: the GEDCOM's)\n"
         "  Example: lignorama-cli check family.ged --level 1 --out reports\n",
         1,
         {"level", "out"},
         Check},
        {"inbreeding",
         "inbreeding FILE.ged [ID ...] [--csv]\n"
         "  Finds the persons whose parents are related and prints the pedigree\n"
         "  loss report: loss in percent, the size of the group of ancestors that\n"
         "  causes it, the name. With IDs, the report of those persons only.\n"
         "  --csv   one row per person instead: ID, name, pedigree loss in percent\n"
         "          with two decimals, group size, the number of the chart that\n"
         "          shows the group, Wright's inbreeding coefficient F in percent;\n"
         "          the messages go to standard error\n"
         "  Example: lignorama-cli inbreeding royals.ged --csv > loss.csv\n",
         1,
         {},
         Inbreeding,
         true,
         {"csv"}},
        {"kinship",
         "kinship FILE.ged ID ID [ID ...] [--csv [--generations]]\n"
         "  The kinship coefficient of every pair of the persons named (25 % for\n"
         "  full siblings, 12.5 % for half-siblings) and the common ancestors, as\n"
         "  two lower-triangular matrices: in percent and in generations.\n"
         "  --csv           the whole symmetric matrix of coefficients instead,\n"
         "                  the IDs as header row and first column\n"
         "  --generations   with --csv: the generation distances (1 for parent\n"
         "                  and child, 2 for half-siblings), empty when unrelated\n"
         "  Example: lignorama-cli kinship royals.ged I1 I2 I3 --csv > kinship.csv\n",
         3,
         {},
         Kinship,
         true,
         {"csv", "generations"}},
        {"params",
         "params FILE.ged\n"
         "  Writes a parameter file with factory settings for the GEDCOM to\n"
         "  standard output.\n"
         "  Example: lignorama-cli params family.ged > family.params.txt\n",
         1,
         {},
         Params},
    };
    return commands;
}

std::string_view Synopsis(const Command& command) {
    return command.help.substr(0, command.help.find('\n'));
}

void PrintUsage(std::ostream& to) {
    to << "Usage: lignorama-cli COMMAND ARGUMENTS\n"
          "       lignorama-cli COMMAND --help   (the command's help)\n\n"
          "Work that takes longer than half a second shows its progress on standard\n"
          "error; --quiet, with any command, turns it off.\n\n";
    for (const Command& command : Commands()) to << command.help << '\n';
    to << "Exit status: 0 success, 1 an error was reported, 2 wrong usage,\n"
          "3 (check) the checks reported findings.\n"
          "Ctrl-C stops a long read at its next check.\n";
}

// Reads the command's arguments; false after a usage message naming what
// is wrong. Options may come before, between or after the files.
bool ReadArguments(const Command& command, const std::vector<std::string>& args, Arguments& parsed,
                   std::ostream& err) {
    const std::string prefix = "lignorama-cli: " + std::string(command.name) + ": ";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            parsed.files.push_back(arg);
            continue;
        }
        if (arg == "--quiet") {
            parsed.quiet = true;
            continue;
        }
        const std::string_view name = std::string_view(arg).substr(arg[1] == '-' ? 2 : 1);
        if (arg[1] == '-' &&
            std::find(command.flags.begin(), command.flags.end(), name) != command.flags.end()) {
            parsed.options[std::string(name)] = "";
            continue;
        }
        if (arg[1] != '-' || std::find(command.options.begin(), command.options.end(), name) ==
                                 command.options.end()) {
            err << prefix << "unknown option \"" << arg << "\"\n";
            return false;
        }
        if (i + 1 >= args.size()) {
            err << prefix << "option \"" << arg << "\" needs a value\n";
            return false;
        }
        parsed.options[std::string(name)] = args[++i];
    }
    if (command.moreFiles ? parsed.files.size() < command.files
                          : parsed.files.size() != command.files) {
        err << prefix << "takes " << Synopsis(command).substr(command.name.size() + 1) << '\n';
        return false;
    }
    return true;
}

int RunCommand(const std::vector<std::string>& args, const Context& c) {
    if (args.empty()) {
        PrintUsage(c.err);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(c.out);
        return kExitOk;
    }
    for (const Command& command : Commands()) {
        if (args[0] != command.name) continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        if (std::find(rest.begin(), rest.end(), "--help") != rest.end() ||
            std::find(rest.begin(), rest.end(), "-h") != rest.end()) {
            c.out << command.help;
            return kExitOk;
        }
        Arguments parsed;
        if (!ReadArguments(command, rest, parsed, c.err)) {
            c.err << "(see lignorama-cli " << command.name << " --help)\n";
            return kExitUsage;
        }
        return command.run(parsed, c);
    }
    c.err << "lignorama-cli: unknown command \"" << args[0] << "\"\n\n";
    PrintUsage(c.err);
    return kExitUsage;
}

}  // namespace

std::vector<std::string_view> CommandNames() {
    std::vector<std::string_view> names;
    for (const Command& command : Commands()) names.push_back(command.name);
    return names;
}

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const PictureWriter& pictures, ChartImageMaker images, Leftovers* leftovers) {
    // A parameter file redirected into a file on a full disk would
    // otherwise be left empty without a word.
    return StatusAfterOutput(RunCommand(args, Context{out, err, pictures, images, leftovers}), out,
                             err, "lignorama-cli");
}

}  // namespace lg::cli
