#include "app/parameter_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "app/session.h"
#include "base/safe_file.h"
#include "support/test_support.h"

namespace lg {
namespace {

// Settings in which every field written to a file differs from its default.
Settings Unusual() {
    Settings s;
    GlobalOptions& o = s.options;
    o.gedcom = "my family.ged";
    o.language = "fran\347ais";
    o.placelevels = o.bookmarks = 2;
    o.properdisplay = NameStyle::Gedcom;
    o.patronym = false;
    o.fullbaptisedata = o.fullburialdata = o.placenamebrackets = o.gedcomnotes = true;
    o.gedcomchecks = 1;
    o.filetype = FileType::Plants;
    o.charttype = ChartType::Genealogy;
    int n = 0;
    for (ChartType type : {ChartType::Pedigree, ChartType::Kinship, ChartType::Genealogy,
                           ChartType::Offspring, ChartType::Timeline}) {
        Tvariables& v = s.Record(type);
        std::string k = std::to_string(++n);
        v.output = "out" + k + ".htm", v.outline = "outline" + k + ".htm";
        v.links = "fam#.htm", v.page = "page" + k + ".htm";
        v.homeurl = "http://example.org/?a=b", v.homeframe = "_self", v.hometitle = "Home " + k;
        v.frame = "text", v.title = "Caf\xE9 & family", v.fontname = "'Times New Roman'";
        v.genealogytype = n % 2 ? 'm' : 'n';
        v.xoffset = n, v.yoffset = 2 * n, v.boxheight = 20 + n, v.boxwidth = 70 + n;
        v.xspace = 5 + n, v.yspace = 6 + n, v.namelength = 15 + n, v.fontsize = 8 + n;
        v.chartdepth = 3 + n, v.tableauspace = 70 + n;
        v.namingscheme = "m1f3z4@";
        v.mcolor = "#000001", v.fcolor = "#00000" + k, v.bgcolor = "#ABCDEF";
        v.probands = {"I" + k, "I2" + k};
        v.highlights = {"I1", "I7"};
    }
    for (int i = 0; i < 23; ++i)
        AddSorted(s.Record(ChartType::Genealogy).namecodes,
                  "I" + std::to_string(100 + i) + "/" + std::to_string(i % 6));
    s.Record(ChartType::Kinship).probands.clear();
    return s;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// Reads the lines into fresh settings with empty lists.
Settings Read(const std::string& text, bool* ok = nullptr,
              std::vector<std::string>* rejected = nullptr) {
    Settings settings;
    ClearPersonLists(settings);
    bool result = ReadParameterText(text, settings, rejected);
    if (ok) *ok = result;
    return settings;
}

TEST(ParameterFile, WrittenFileReadsBackToTheSameSettings) {
    Settings original = Unusual();
    std::string text = FormatParameterFile(original);
    bool ok = false;
    std::vector<std::string> rejected;
    Settings read = Read(text, &ok, &rejected);
    ASSERT_TRUE(ok);
    EXPECT_TRUE(rejected.empty());
    EXPECT_EQ(read.options, original.options);
    for (int i = 0; i < kSavedChartTypeCount; ++i)
        EXPECT_EQ(read.records[i], original.records[i]) << i;
    EXPECT_TRUE(read.familyData.empty());

    std::erase(text, '\r');  // LF line ends read the same
    EXPECT_EQ(Read(text, &ok).records, read.records);
    EXPECT_TRUE(ok);
}

TEST(ParameterFile, LayoutOfTheWrittenFile) {
    Settings settings = Unusual();
    std::vector<std::string> lines = Lines(FormatParameterFile(settings));
    EXPECT_EQ(lines[0], "/Input data for Lignorama (graphical analysis of gedcom)");
    // Each key padded to column 20; the pedigree's record follows the options.
    const std::string head =
        "Gedcom=my family.ged|Language=fran\347ais|PlaceLevels=2|ProperDisplay=2|Bookmarks=2|"
        "Patronym=N|FullBaptiseData=Y|FullBurialData=Y|PlacenameBrackets=Y|GedcomNotes=Y|"
        "GedcomChecks=1|FileType=plants|ChartType=genealogy|Output=out1.htm|Links=fam#.htm|"
        "Page=page1.htm|Outline=outline1.htm|Title=Caf\xE9 & family|"
        "HomeURL=http://example.org/?a=b|HomeTitle=Home 1|HomeFrame=_self|"
        "Fontname=Times New Roman|Frame=text|Xoffset=1|";
    std::size_t i = 1;
    for (std::size_t at = 0, bar; (bar = head.find('|', at)) != std::string::npos; at = bar + 1) {
        if (i == 14) ++i;
        std::size_t eq = head.find('=', at);
        std::string key = head.substr(at, eq - at);
        ASSERT_LT(i, lines.size());
        EXPECT_EQ(lines[i++], ";" + key.append(19 - key.size(), ' ') + "= " +
                                  head.substr(eq + 1, bar - eq - 1));
    }
    EXPECT_EQ(lines[14], ";Settings = Pedigree ***  #I1 #I21");
    EXPECT_EQ(lines.back(), "/");

    std::vector<std::string> settingsLines, nameCodeLines;
    for (const std::string& line : lines) {
        if (line.starts_with(";Settings")) {
            settingsLines.push_back(line);
        } else if (line.front() == ';') {
            EXPECT_EQ(line.find('='), 20u) << line;
        }
        if (line.starts_with(";NameCodes          = ")) nameCodeLines.push_back(line.substr(22));
    }
    EXPECT_EQ(settingsLines,
              (std::vector<std::string>{
                  ";Settings = Pedigree ***  #I1 #I21", ";Settings = Inbreeding *** ",
                  ";Settings = Kinship *** ", ";Settings = Genealogy ***  #I3 #I23",
                  ";Settings = Offspring ***  #I4 #I24", ";Settings = Timeline ***  #I5 #I25"}));
    ASSERT_EQ(nameCodeLines.size(), 3u);  // 23 entries: 10, 10 and 3
    EXPECT_EQ(nameCodeLines[0],
              "I100/0#I101/1#I102/2#I103/3#I104/4#I105/5#I106/0#I107/1#I108/2#I109/3#");
    EXPECT_EQ(nameCodeLines[2], "I120/2#I121/3#I122/4#");

    // An empty list writes no line at all; family data follows the "/".
    settings.Record(ChartType::Genealogy).namecodes.clear();
    settings.familyData = {"I1 old line"};
    lines = Lines(FormatParameterFile(settings));
    EXPECT_EQ(lines[lines.size() - 2], "/");
    EXPECT_EQ(lines.back(), "I1 old line");
    for (const std::string& line : lines) EXPECT_FALSE(line.starts_with(";NameCodes"));
}

TEST(ParameterFile, OddValues) {
    struct Case {
        const char* value;
        bool patronym;
        int32_t bookmarks;
        char genealogytype;
    };
    const Case cases[] = {
        {"Y", true, 0, 'a'},     {"y", true, 0, 'a'},     {"N", false, 1, 'n'},
        {"n", false, 1, 'n'},    {"", false, 1, 'a'},     {"Yes", false, 0, 'a'},
        {"0", false, 0, 'a'},    {"1", false, 1, 'a'},    {"2", false, 2, 'a'},
        {"7", false, 0, 'a'},    {"Male", false, 0, 'm'}, {"x", false, 0, 'a'},
        {"NAME", false, 1, 'n'},
    };
    for (const Case& c : cases) {
        std::string v = c.value;
        Settings s = Read(";Patronym = " + v + "\n;Bookmarks = " + v + "\n;GenealogyType = " + v);
        EXPECT_EQ(s.options.patronym, c.patronym) << v;
        EXPECT_EQ(s.options.bookmarks, c.bookmarks) << v;
        EXPECT_EQ(s.Record(ChartType::Pedigree).genealogytype, c.genealogytype) << v;
    }

    Settings s = Read(
        ";Fontname = \"Courier New\"\n;BGcolor =\n   \a ;  OUTPUT=x.htm\r\n"
        ";  homefile  = http://a.b/\n;NamingScheme = A0N3\n;tidynames = y\n;Frobnicate = 12\n"
        ";BoxWidth 77\n;Gedcom = old.ged # the rest is ignored\n;ChartType = Kinship\n"
        ";FileType = HUMANS\n");
    const Tvariables& p = s.Record(ChartType::Pedigree);
    EXPECT_EQ(p.fontname, "'Courier New'");
    EXPECT_EQ(p.bgcolor, "#FFFFFF");
    EXPECT_EQ(p.output, "x.htm");
    EXPECT_EQ(p.homeurl, "http://a.b/");
    EXPECT_EQ(p.namingscheme, "a0n3z2");
    EXPECT_EQ(p.boxwidth, 60);  // no "=": no key
    EXPECT_EQ(s.options.properdisplay, NameStyle::Proper);
    EXPECT_EQ(s.options.gedcom, "old.ged");
    EXPECT_EQ(s.options.charttype, ChartType::Kinship);
    EXPECT_EQ(s.options.filetype, FileType::Humans);

    // Values a chart type or file type does not know leave the setting alone.
    s = Read(
        ";ChartType = Kinship\n;ChartType = sundial\n;ProperDisplay = 1\n"
        ";ProperDisplay = Formal\n;FileType = gedcom\n;FileType = csv\n");
    EXPECT_EQ(s.options.charttype, ChartType::Kinship);
    EXPECT_EQ(s.options.properdisplay, NameStyle::Proper);  // not a number gives 0
    EXPECT_EQ(s.options.filetype, FileType::Gedcom);

    // The timeline's type and block; a file without its block leaves its
    // record at the pedigree's defaults, as before.
    s = Read(";ChartType = timeline\n;Settings = Timeline *** #I9\n;Output = tl.htm\n");
    EXPECT_EQ(s.options.charttype, ChartType::Timeline);
    EXPECT_EQ(s.Record(ChartType::Timeline).probands, std::vector<std::string>{"I9"});
    EXPECT_EQ(s.Record(ChartType::Timeline).output, "tl.htm");
    s = Read(";Settings = Offspring *** #I4\n;Output = o.htm\n");
    Settings fresh;
    ClearPersonLists(fresh);
    EXPECT_EQ(s.Record(ChartType::Timeline), fresh.Record(ChartType::Timeline));
}

TEST(ParameterFile, ABadNumberFailsTheReadButNotTheOtherLines) {
    bool ok = true;
    std::vector<std::string> rejected;
    Settings s = Read(
        ";BoxWidth = abc\n;BoxHeight = 30\n;Settings = Offspring\n;Fontsize = -4\n"
        ";ChartDepth = 16\n;TableauSpace = 90\n;Xspace = 2147483648\n;PlaceLevels = 1\n"
        ";GedcomChecks = two\n;Title = still read\n",
        &ok, &rejected);
    EXPECT_FALSE(ok);
    EXPECT_EQ(rejected,
              (std::vector<std::string>{"BoxWidth = abc", "Fontsize = -4", "ChartDepth = 16",
                                        "Xspace = 2147483648", "GedcomChecks = two"}));
    EXPECT_EQ(s.Record(ChartType::Pedigree).boxwidth, 60);
    EXPECT_EQ(s.Record(ChartType::Pedigree).boxheight, 30);
    const Tvariables& o = s.Record(ChartType::Offspring);
    EXPECT_EQ(o.fontsize, 7);
    EXPECT_EQ(o.chartdepth, 0);
    EXPECT_EQ(o.tableauspace, 90);
    EXPECT_EQ(o.xspace, 30);
    EXPECT_EQ(o.title, "still read");
    EXPECT_EQ(s.options.placelevels, 1);
    EXPECT_EQ(s.options.gedcomchecks, 2);
}

TEST(ParameterFile, ProbandsAndPersonListsAccumulate) {
    Settings s = Read(
        ";Settings = Genealogy *** #I1 #I22\n;NameCodes = I5/1#I3/0#\n"
        ";NameCodes = I4/2 # I5/3\n"  // blanks around entries; I5 changes its code
        ";Highlights = I9#I8#I9#\n;Settings = genealogy, again #I23\n"
        ";Settings = Ancestors #A#B#C#D#E#F#G#H#I#J#K#L#M\n;Output = p.htm\n"
        ";Settings = OFFSPRING\n;Highlights = I1\n");
    const Tvariables& g = s.Record(ChartType::Genealogy);
    EXPECT_EQ(g.probands, (std::vector<std::string>{"I1", "I22", "I23"}));
    EXPECT_EQ(g.namecodes, (SortedStrings{"I3/0", "I4/2", "I5/3"}));
    EXPECT_EQ(g.highlights, (SortedStrings{"I8", "I9"}));
    // An unknown type name selects the pedigree; eleven probands at most.
    const Tvariables& p = s.Record(ChartType::Pedigree);
    EXPECT_EQ(p.probands.size(), 11u);
    EXPECT_EQ(p.probands.back(), "K");
    EXPECT_EQ(p.output, "p.htm");
    EXPECT_EQ(s.Record(ChartType::Offspring).highlights, SortedStrings{"I1"});
}

TEST(ParameterFile, FamilyDataAndUtf8Text) {
    Settings s = Read("/comment\nI1 Jan Berg\n\n   \n;Gedcom = a.ged\nI2 after the name\n");
    EXPECT_EQ(s.familyData, std::vector<std::string>{"I1 Jan Berg"});
    EXPECT_TRUE(Read(";Gedcom = a.ged\nI2 after the name\n").familyData.empty());

    s = Read(
        "\xEF\xBB\xBF;Title = Caf\xC3\xA9 \xC5\x81\xC3\263d\xC5\xBA\n;Language = fran\347ais\n");
    EXPECT_EQ(s.Record(ChartType::Pedigree).title, "Caf\xE9 &#321;\363d&#378;");
    EXPECT_EQ(s.options.language, "fran\347ais");
}

TEST(ParameterFile, GedcomNamesRelativeToTheParameterFile) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.Path() / "sub");
    auto gedcom = dir.Write("sub/fam.ged", "0 HEAD\n");
    EXPECT_EQ(GedcomNameFor(gedcom, dir.Path() / "sub"), "fam.ged");
    EXPECT_EQ(GedcomNameFor(dir.Path() / "sub" / ".." / "sub" / "fam.ged", dir.Path() / "sub"),
              "fam.ged");
    EXPECT_EQ(GedcomNameFor(gedcom, dir.Path()),
              std::filesystem::weakly_canonical(gedcom).string());
    EXPECT_EQ(GedcomNameFor("", dir.Path()), "");

    const std::pair<const char*, const char*> resolved[] = {{"fam.ged", "/data/fam.ged"},
                                                            {"sub\\fam.ged", "/data/sub/fam.ged"},
                                                            {"/abs/fam.ged", "/abs/fam.ged"},
                                                            {"Zo\xEB.ged", "/data/Zo\xC3\xAB.ged"},
                                                            {"", ""}};
    for (const auto& [name, path] : resolved) EXPECT_EQ(ResolveGedcomName(name, "/data"), path);
    EXPECT_EQ(ResolveGedcomName("fam.ged", ""), "fam.ged");
}

// The value of the ";Gedcom" line the settings are written with.
std::string GedcomLine(const std::string& name) {
    Settings settings;
    settings.options.gedcom = name;
    for (const std::string& line : Lines(FormatParameterFile(settings)))
        if (line.starts_with(";Gedcom ")) return line.substr(22);
    ADD_FAILURE() << "no Gedcom line";
    return {};
}

TEST(ParameterFile, EveryGedcomFileNameReadsBackToTheSameFile) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.Path() / "dir#1" / "\xC5\x81");
    for (const std::string& name : test::AwkwardFileNames()) {
        SCOPED_TRACE(name);
        std::filesystem::path gedcom = dir.Write(name, "0 HEAD\n");
        // Named beside the parameter file, and by its full path from elsewhere.
        for (const std::filesystem::path& from : {gedcom.parent_path(), dir.Path() / "dir#1"}) {
            Settings settings;
            settings.options.gedcom = GedcomNameFor(gedcom, from);
            bool ok = false;
            Settings read = Read(FormatParameterFile(settings), &ok);
            EXPECT_TRUE(ok);
            EXPECT_EQ(read.options.gedcom, settings.options.gedcom);
            std::filesystem::path resolved = ResolveGedcomName(read.options.gedcom, from);
            std::error_code error;
            EXPECT_TRUE(std::filesystem::equivalent(resolved, gedcom, error)) << resolved;
            // Written a second time, the file is the same.
            EXPECT_EQ(FormatParameterFile(read), FormatParameterFile(settings));
        }
    }
}

TEST(ParameterFile, GedcomLineBytesWrittenAndRead) {
    // Names the reading rule leaves alone are written as they always were.
    for (const char* name : {"my family.ged", "C:\\Data\\Zo\xEB & Co.ged",
                             "&#321;\xF3"
                             "d&#378;.ged",
                             ""})
        EXPECT_EQ(GedcomLine(name), name);
    // The others carry references where the reader would cut or change them.
    EXPECT_EQ(GedcomLine("a#b#"), "a&#35;b&#35;");
    EXPECT_EQ(GedcomLine("&#321; #1"), "&#321; &#35;1");
    EXPECT_EQ(GedcomLine(" a b "), "&#32;a b&#32;");
    EXPECT_EQ(GedcomLine("a\tb\n"), "a&#9;b&#10;");
    EXPECT_EQ(GedcomLine("\xC3\xA9\xC3"), "&#195;\xA9\xC3");

    // Read, a "#" starts a comment and references stand for their letters.
    const std::pair<const char*, const char*> cases[] = {
        {"old.ged # the rest is ignored", "old.ged"},
        {"old.ged#x", "old.ged"},
        {"old.ged&#comment", "old.ged&"},
        {"#", ""},
        // Written so by earlier versions: the letters' references stay.
        {"&#321;\xF3"
         "d&#378;.ged # c",
         "&#321;\xF3"
         "d&#378;.ged"},
        // Typed in UTF-8.
        {"\xC5\x81\xC3\xB3"
         "d\xC5\xBA #2.ged",
         "&#321;\xF3"
         "d&#378;"},
        {"a&#35;b&#32;", "a#b "},
        {"&#x23;&#233;&#38;amp;", "&#x23;\xE9&#38;amp;"},
    };
    for (const auto& [value, name] : cases)
        EXPECT_EQ(Read(std::string(";Gedcom = ") + value + "\r\n").options.gedcom, name) << value;
    EXPECT_EQ(ResolveGedcomName("&#x23;\xE9&#38;amp;", "/d"), "/d/#\xC3\xA9&amp;");
}

TEST(ParameterFile, PageNamesWithAnyLetterReadBack) {
    Settings original;
    Tvariables& v = original.Record(ChartType::Genealogy);
    v.output =
        "&#321;\xF3"
        "d&#378; #1.htm";
    v.links = "&#1052;&#1086;#.htm";
    v.page = "&#23478;&#26063;.htm";
    v.outline = "dir#1/&#321;/o.htm";
    v.homeurl = "../&#321;/index.htm#top";
    Settings read = Read(FormatParameterFile(original));
    EXPECT_EQ(read.Record(ChartType::Genealogy), v);
}

TEST(ParameterFile, AFailedSaveKeepsTheOldFileAndSaysWhy) {
    test::TempDir dir;
    test::FakeHost host;
    Session session(host);
    session.gedcomFile = dir.Write("fam.ged", "0 HEAD\n");
    auto file = dir.Path() / "p.txt";
    ASSERT_TRUE(WriteParameterFile(session, file)) << host.AllMessages();
    const std::string saved = test::ReadFile(file);
    ASSERT_NE(saved.find(";Gedcom             = fam.ged\r\n"), std::string::npos);

    session.settings.current.boxwidth = 99;
    session.settings.changed = true;
    for (int64_t bytes : {int64_t{0}, int64_t{100}, static_cast<int64_t>(saved.size()) - 1}) {
        SCOPED_TRACE(bytes);
        host.messages.clear();
        {
            test::WritesFailAfter full(bytes, ENOSPC);
            EXPECT_FALSE(WriteParameterFile(session, file));
        }
        EXPECT_EQ(host.messages, std::vector<std::string>{
                                     "*** Can not open the file \"p.txt\": the disk is full"});
        EXPECT_EQ(test::ReadFile(file), saved);
        EXPECT_TRUE(session.settings.changed);
        EXPECT_EQ(host.statuses.back().colour, StatusColour::Error);
    }
    // Nothing is left behind beside it.
    std::vector<std::filesystem::path> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        left.push_back(entry.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::filesystem::path>{"fam.ged", "p.txt"}));

    // Once the disk has room again the same save goes through.
    ASSERT_TRUE(WriteParameterFile(session, file));
    EXPECT_NE(test::ReadFile(file).find(";BoxWidth           = 99\r\n"), std::string::npos);
    EXPECT_FALSE(session.settings.changed);
    // The save is confirmed where the user looks after pressing the button.
    EXPECT_EQ(host.statuses.back().text.rfind("Settings saved in " + file.string(), 0), 0u);
    EXPECT_EQ(host.statuses.back().colour, StatusColour::Normal);
}

}  // namespace
}  // namespace lg
