#include "app/parameter_file.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

#include "app/session.h"
#include "base/encoding.h"
#include "base/fill_in.h"
#include "base/safe_file.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// ------------------------------------------------------------ GEDCOM name
//
// The GEDCOM line ends at a "#" (what follows is a comment), and its value
// is trimmed. A name holding "#" or blanks at its ends would not survive
// that, nor would a line break, nor code page bytes that happen to form a
// UTF-8 sequence, which the reader decodes. The writer writes those as
// numeric character references and the reader turns them back; a "#" that
// belongs to a reference ("&#321;", as internal text carries a letter the
// code page lacks) does not start the comment. Every other name is written
// byte for byte.

// The length of the numeric character reference ("&#321;", "&#x141;") that
// starts at text[at], or 0.
std::size_t NumericReferenceAt(std::string_view text, std::size_t at) {
    if (text.substr(at, 2) != "&#") return 0;
    std::size_t end = at + 2;
    const bool hex = end < text.size() && (text[end] == 'x' || text[end] == 'X');
    if (hex) ++end;
    const std::size_t digits = end;
    while (end < text.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text[end]))
                                     : std::isdigit(static_cast<unsigned char>(text[end]))))
        ++end;
    if (end == digits || end >= text.size() || text[end] != ';') return 0;
    return end + 1 - at;
}

bool HashInReference(std::string_view text, std::size_t hash) {
    return hash > 0 && NumericReferenceAt(text, hash - 1) > 0;
}

// True when the reader, decoding UTF-8, would take the byte at text[at] as
// the start of a character rather than keep it as it is.
bool StartsUtf8Sequence(std::string_view text, std::size_t at) {
    if (static_cast<unsigned char>(text[at]) < 0xC2) return false;
    std::string_view piece = text.substr(at, 4);
    return DecodeUtf8(piece) != std::string(1, piece.front()) + DecodeUtf8(piece.substr(1));
}

// The characters the writer escapes; the reader decodes exactly these.
bool EscapedInName(char32_t code) {
    return code <= ' ' || code == '#' || (code >= 0xC2 && code <= 0xF4);
}

void AppendReference(std::string& out, unsigned char byte) {
    out += "&#";
    out += std::to_string(byte);
    out += ';';
}

// The value of the GEDCOM line for the internal name.
std::string GedcomLineValue(std::string_view name) {
    std::string value;
    value.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool atEnd = i == 0 || i + 1 == name.size();
        if (byte < ' ' || (byte == ' ' && atEnd) || (byte == '#' && !HashInReference(name, i)) ||
            StartsUtf8Sequence(name, i)) {
            AppendReference(value, byte);
        } else {
            value += name[i];
        }
    }
    return value;
}

// The internal name the value of a GEDCOM line gives.
std::string GedcomNameFromLine(std::string_view value) {
    std::size_t hash = value.find('#');
    while (hash != std::string_view::npos && HashInReference(value, hash))
        hash = value.find('#', hash + 1);
    value = Trim(value.substr(0, hash));
    std::string name;
    name.reserve(value.size());
    for (std::size_t i = 0; i < value.size();) {
        const std::size_t length = NumericReferenceAt(value, i);
        uint32_t code = 0;
        if (length > 0) {
            const char* end = value.data() + i + length - 1;
            const auto [stop, error] = std::from_chars(value.data() + i + 2, end, code);
            if (error != std::errc() || stop != end) code = 0;
        }
        if (code > 0 && EscapedInName(code)) {
            name += static_cast<char>(code);
            i += length;
        } else {
            name += value[i++];
        }
    }
    return name;
}

// In a path, a literal "&" that internal text would read as the start of a
// character reference ("&amp;" in a file name) becomes "&amp;", so that the
// name converts back to the same path. References are ASCII: the path's
// other bytes need not be decoded first.
std::string EscapeReferenceAmpersands(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        // No reference is longer than this: the rest is plain text.
        if (semicolon != std::string_view::npos && semicolon - i < 16) {
            std::string_view piece = text.substr(i, semicolon + 1 - i);
            if (ToUtf8(piece) != "&" + ToUtf8(piece.substr(1))) {
                out += "&amp;";
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

// ---------------------------------------------------------------- reading

struct ReadState {
    Settings& settings;
    Tvariables* target;
    std::vector<std::string>* rejected;
    bool ok = true;
};

void Reject(ReadState& state, std::string_view key, std::string_view value) {
    state.ok = false;
    if (state.rejected) state.rejected->push_back(std::string(key) + " = " + std::string(value));
}

// Stores a number within [min, max]; anything else fails the read and
// leaves the field as it was.
void ReadNumber(ReadState& state, std::string_view key, std::string_view value, int32_t& field,
                int32_t min, int32_t max) {
    int32_t number = 0;
    if (ParseInteger(value, number) && number >= min && number <= max) {
        field = number;
    } else {
        Reject(state, key, value);
    }
}

struct TextKey {
    std::string_view key;
    std::string Tvariables::*field;
};
constexpr TextKey kTextKeys[] = {
    {"output", &Tvariables::output},       {"outline", &Tvariables::outline},
    {"title", &Tvariables::title},         {"page", &Tvariables::page},
    {"homefile", &Tvariables::homeurl},    {"homeurl", &Tvariables::homeurl},
    {"homeframe", &Tvariables::homeframe}, {"hometitle", &Tvariables::hometitle},
    {"links", &Tvariables::links},         {"frame", &Tvariables::frame},
    {"mcolor", &Tvariables::mcolor},       {"fcolor", &Tvariables::fcolor},
};

struct NumberKey {
    std::string_view key;
    int32_t Tvariables::*field;
    int32_t min;
    int32_t max;
};
constexpr NumberKey kNumberKeys[] = {
    {"xoffset", &Tvariables::xoffset, 0, kMaxEditNumber},
    {"yoffset", &Tvariables::yoffset, 0, kMaxEditNumber},
    {"boxheight", &Tvariables::boxheight, 0, kMaxEditNumber},
    {"boxwidth", &Tvariables::boxwidth, 0, kMaxEditNumber},
    {"xspace", &Tvariables::xspace, 0, kMaxEditNumber},
    {"yspace", &Tvariables::yspace, 0, kMaxEditNumber},
    {"fontsize", &Tvariables::fontsize, 0, kMaxEditNumber},
    {"chartdepth", &Tvariables::chartdepth, 0, kMaxChartDepth},
    {"tableauspace", &Tvariables::tableauspace, kMinTableauSpace, kMaxTableauSpace},
    {"namelength", &Tvariables::namelength, 0, kMaxEditNumber},
};

struct FlagKey {
    std::string_view key;
    bool GlobalOptions::*field;
};
constexpr FlagKey kFlagKeys[] = {
    {"patronym", &GlobalOptions::patronym},
    {"fullbaptisedata", &GlobalOptions::fullbaptisedata},
    {"fullburialdata", &GlobalOptions::fullburialdata},
    {"placenamebrackets", &GlobalOptions::placenamebrackets},
    {"gedcomnotes", &GlobalOptions::gedcomnotes},
};

// The timeline's block comes last: files without it read as before.
constexpr ChartType kSavedChartTypes[] = {ChartType::Pedigree,  ChartType::Inbreeding,
                                          ChartType::Kinship,   ChartType::Genealogy,
                                          ChartType::Offspring, ChartType::Timeline};

// The chart type whose lower-case name the text equals, or starts with.
bool ChartTypeFromName(std::string_view lower, bool prefixOnly, ChartType& type) {
    for (ChartType candidate : kSavedChartTypes) {
        std::string name = ToLowerAscii(ChartTypeName(candidate));
        if (prefixOnly ? lower.starts_with(name) : lower == name) {
            type = candidate;
            return true;
        }
    }
    return false;
}

// "Genealogy *** #I1 #I22": the chart type, then the remembered probands.
void ReadSettingsLine(ReadState& state, std::string_view value) {
    ChartType type = ChartType::Pedigree;
    ChartTypeFromName(ToLowerAscii(value), true, type);
    state.target = &state.settings.Record(type);
    std::size_t hash = value.find('#');
    while (hash != std::string_view::npos) {
        std::size_t next = value.find('#', hash + 1);
        std::string_view id = Trim(value.substr(hash + 1, next - hash - 1));
        if (!id.empty() && state.target->probands.size() < kMaxProbands)
            state.target->probands.push_back(std::string(id));
        hash = next;
    }
}

// Entries separated (and usually ended) by "#"; several lines accumulate.
void ReadListLine(SortedStrings& list, std::string_view value, bool nameCodes) {
    while (!value.empty()) {
        std::size_t hash = value.find('#');
        std::string_view entry = Trim(value.substr(0, hash));
        value = hash == std::string_view::npos ? std::string_view() : value.substr(hash + 1);
        if (entry.empty()) continue;
        // A later entry for the same person wins over an earlier one, as
        // when the user changes a name code in a chart window.
        if (nameCodes && entry.size() >= 2) RemoveNameCode(list, NameCodeID(entry));
        AddSorted(list, entry);
    }
}

int32_t BookmarksFrom(std::string_view value) {
    if (value.empty()) return 1;
    switch (value.front()) {
        case '1':
        case 'N':
        case 'n':
            return 1;
        case '2':
            return 2;
        default:
            return 0;
    }
}

bool ReadRecordKey(ReadState& state, std::string_view key, std::string_view lower,
                   std::string_view value) {
    Tvariables& target = *state.target;
    for (const TextKey& k : kTextKeys) {
        if (lower != k.key) continue;
        target.*k.field = value;
        return true;
    }
    for (const NumberKey& k : kNumberKeys) {
        if (lower != k.key) continue;
        ReadNumber(state, key, value, target.*k.field, k.min, k.max);
        return true;
    }
    if (lower == "bgcolor") {
        target.bgcolor = value.empty() ? "#FFFFFF" : std::string(value);
    } else if (lower == "fontname") {
        target.fontname.assign(1, '\'').append(StripQuotes(value)).append(1, '\'');
    } else if (lower == "namingscheme") {
        target.namingscheme = NormaliseScheme(value);
    } else if (lower == "genealogytype") {
        char first = value.empty() ? 'a' : ToLowerAscii(value.substr(0, 1))[0];
        target.genealogytype = first == 'm' || first == 'n' ? first : 'a';
    } else if (lower == "namecodes") {
        ReadListLine(target.namecodes, value, true);
    } else if (lower == "highlights") {
        ReadListLine(target.highlights, value, false);
    } else {
        return false;
    }
    return true;
}

void ReadGlobalKey(ReadState& state, std::string_view key, std::string_view lower,
                   std::string_view value) {
    GlobalOptions& options = state.settings.options;
    for (const FlagKey& k : kFlagKeys) {
        if (lower != k.key) continue;
        options.*k.field = value == "y" || value == "Y";
        return;
    }
    if (lower == "gedcom") {
        options.gedcom = GedcomNameFromLine(value);
    } else if (lower == "language") {
        options.language = value;
    } else if (lower == "placelevels") {
        ReadNumber(state, key, value, options.placelevels, 0, 2);
    } else if (lower == "gedcomchecks") {
        ReadNumber(state, key, value, options.gedcomchecks, 0, 2);
    } else if (lower == "properdisplay" || lower == "tidynames") {
        int32_t style = 0;
        if (value == "y" || value == "Y" || !ParseInteger(value, style) || style < 0 || style > 2)
            style = 0;
        options.properdisplay = static_cast<NameStyle>(style);
    } else if (lower == "bookmarks") {
        options.bookmarks = BookmarksFrom(value);
    } else if (lower == "charttype") {
        ChartTypeFromName(ToLowerAscii(value), false, options.charttype);
    } else if (lower == "filetype") {
        std::string name = ToLowerAscii(value);
        if (name == "gedcom") options.filetype = FileType::Gedcom;
        if (name == "plants") options.filetype = FileType::Plants;
        if (name == "humans") options.filetype = FileType::Humans;
    }
}

void ReadSetting(ReadState& state, std::string_view line) {
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return;
    std::string_view key = Trim(line.substr(1, equals - 1));
    std::string_view value = Trim(line.substr(equals + 1));
    std::string lower = ToLowerAscii(key);
    if (lower == "settings") {
        ReadSettingsLine(state, value);
    } else if (!ReadRecordKey(state, key, lower, value)) {
        ReadGlobalKey(state, key, lower, value);
    }
}

void ReadLine(ReadState& state, std::string_view line) {
    while (!line.empty() && (IsBlank(line.front()) || line.front() == '\a')) line.remove_prefix(1);
    if (line.empty() || line.front() == '/') return;
    if (line.front() == ';') {
        ReadSetting(state, line);
    } else if (state.settings.options.gedcom.empty()) {
        state.settings.familyData.push_back(std::string(line));
    }
}

// ---------------------------------------------------------------- writing

constexpr std::string_view kEol = "\r\n";

// ";Key" padded so that the "=" stands in column 21.
void Put(std::string& out, std::string_view key, std::string_view value) {
    std::string head(1, ';');
    head += key;
    if (head.size() < 20) head.resize(20, ' ');
    out += head;
    out += "= ";
    out += value;
    out += kEol;
}

void Put(std::string& out, std::string_view key, int32_t value) {
    Put(out, key, std::to_string(value));
}

std::string_view YesNo(bool value) {
    return value ? "Y" : "N";
}

// Ten entries a line, each followed by "#"; no line for an empty list.
void PutList(std::string& out, std::string_view key, const SortedStrings& list) {
    for (std::size_t i = 0; i < list.size(); i += 10) {
        std::string value;
        for (std::size_t j = i; j < list.size() && j < i + 10; ++j) value += list[j] + "#";
        Put(out, key, value);
    }
}

void PutBlock(std::string& out, ChartType type, const Tvariables& v) {
    out += ";Settings = " + std::string(ChartTypeName(type)) + " *** ";
    for (const std::string& id : v.probands) out += " #" + id;
    out += kEol;
    Put(out, "Output", v.output);
    Put(out, "Links", v.links);
    Put(out, "Page", v.page);
    Put(out, "Outline", v.outline);
    Put(out, "Title", v.title);
    Put(out, "HomeURL", v.homeurl);
    Put(out, "HomeTitle", v.hometitle);
    Put(out, "HomeFrame", v.homeframe);
    Put(out, "Fontname", StripQuotes(v.fontname));
    Put(out, "Frame", v.frame);
    Put(out, "Xoffset", v.xoffset);
    Put(out, "Yoffset", v.yoffset);
    Put(out, "BoxHeight", v.boxheight);
    Put(out, "BoxWidth", v.boxwidth);
    Put(out, "Xspace", v.xspace);
    Put(out, "Yspace", v.yspace);
    Put(out, "NameLength", v.namelength);
    Put(out, "Fontsize", v.fontsize);
    Put(out, "ChartDepth", v.chartdepth);
    Put(out, "TableauSpace", v.tableauspace);
    Put(out, "NamingScheme", v.namingscheme);
    PutList(out, "NameCodes", v.namecodes);
    PutList(out, "Highlights", v.highlights);
    Put(out, "GenealogyType", std::string_view(&v.genealogytype, 1));
    Put(out, "Mcolor", v.mcolor);
    Put(out, "Fcolor", v.fcolor);
    Put(out, "BGcolor", v.bgcolor);
}

std::string_view FileTypeName(FileType type) {
    switch (type) {
        case FileType::Gedcom:
            return "gedcom";
        case FileType::Plants:
            return "plants";
        default:
            return "";
    }
}

std::filesystem::path Canonical(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::path result = std::filesystem::weakly_canonical(path, error);
    if (error) result = std::filesystem::absolute(path, error).lexically_normal();
    return result;
}

}  // namespace

bool ReadParameterText(std::string_view text, Settings& settings,
                       std::vector<std::string>* rejected) {
    ReadState state{settings, &settings.Record(ChartType::Pedigree), rejected};
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        DecodeUtf8InPlace(line);
        ReadLine(state, line);
    }
    return state.ok;
}

bool ReadParameterFile(const std::filesystem::path& file, Settings& settings,
                       std::vector<std::string>* rejected) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return ReadParameterText(bytes.str(), settings, rejected);
}

std::string FormatParameterFile(const Settings& settings) {
    const GlobalOptions& o = settings.options;
    std::string out = "/Input data for Lignorama (graphical analysis of gedcom)";
    out += kEol;
    Put(out, "Gedcom", GedcomLineValue(o.gedcom));
    Put(out, "Language", o.language);
    Put(out, "PlaceLevels", o.placelevels);
    Put(out, "ProperDisplay", static_cast<int32_t>(o.properdisplay));
    Put(out, "Bookmarks", o.bookmarks);
    Put(out, "Patronym", YesNo(o.patronym));
    Put(out, "FullBaptiseData", YesNo(o.fullbaptisedata));
    Put(out, "FullBurialData", YesNo(o.fullburialdata));
    Put(out, "PlacenameBrackets", YesNo(o.placenamebrackets));
    Put(out, "GedcomNotes", YesNo(o.gedcomnotes));
    Put(out, "GedcomChecks", o.gedcomchecks);
    Put(out, "FileType", FileTypeName(o.filetype));
    Put(out, "ChartType", ToLowerAscii(ChartTypeName(o.charttype)));
    for (ChartType type : kSavedChartTypes) PutBlock(out, type, settings.Record(type));
    out += "/";
    out += kEol;
    for (const std::string& line : settings.familyData) {
        out += line;
        out += kEol;
    }
    return out;
}

std::string GedcomNameFor(const std::filesystem::path& gedcom,
                          const std::filesystem::path& directory) {
    if (gedcom.empty()) return {};
    std::filesystem::path full = Canonical(gedcom);
    std::filesystem::path where = Canonical(directory.empty() ? "." : directory);
    bool beside = full.parent_path() == where;
    return DecodeUtf8(EscapeReferenceAmpersands((beside ? full.filename() : full).string()));
}

std::filesystem::path ResolveGedcomName(std::string_view name,
                                        const std::filesystem::path& directory) {
    if (name.empty()) return {};
    std::string native = ToUtf8(name);
    for (char& c : native)
        if (c == '\\') c = '/';
    return directory / native;
}

bool WriteParameterFile(Session& session, const std::filesystem::path& given) {
    const std::filesystem::path file = AbsolutePath(given);
    Settings& settings = session.settings;
    StoreCurrent(settings, settings.CurrentRecord());
    std::filesystem::path gedcom = session.gedcomFile;
    if (gedcom.empty())
        gedcom = ResolveGedcomName(settings.options.gedcom, session.workingDirectory);
    std::filesystem::path directory = file.parent_path();
    Settings written = settings;
    written.options.gedcom = GedcomNameFor(gedcom, directory);

    // Written beside and renamed into place: a failed save leaves the old
    // file as it was.
    SafeFile out(file.string());
    out.Write(FormatParameterFile(written));
    if (!out.Commit()) {
        session.GetReporter().AddMessage(
            FillIn(Msg::CanNotOpenFile, DecodeUtf8(file.filename().string())) + ": " +
                DecodeUtf8(out.Error().reason),
            true);
        return false;
    }
    settings.options.gedcom = written.options.gedcom;
    for (ChartType type : kSavedChartTypes) settings.Record(type).modified = false;
    settings.changed = false;
    session.parameterFile = file;
    session.workingDirectory = directory;
    std::error_code ignored;
    std::filesystem::remove(directory / "GedcomErrors.txt", ignored);
    session.GetReporter().ShowStatus(FillIn(Msg::SettingsSavedIn, DecodeUtf8(file.string())),
                                     StatusColour::Normal);
    return true;
}

}  // namespace lg
