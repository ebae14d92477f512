#include "app/settings.h"

#include <charconv>
#include <unordered_map>
#include <unordered_set>

#include "app/host.h"
#include "base/fill_in.h"
#include "base/help_texts.h"
#include "base/messages.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

constexpr std::string_view kDisabled = "(disabled)";

// The values every chart type starts from; the table below changes the rest.
Tvariables CommonDefaults() {
    Tvariables v;
    v.fontname = "'Arial'";
    v.genealogytype = 'a';
    v.boxwidth = 60;
    v.fontsize = 7;
    v.tableauspace = 82;
    v.mcolor = "#DBF8FD";
    v.fcolor = "#FBFCBE";
    v.bgcolor = "#FFFFFF";
    v.helpTitle2 = MessageText(Msg::ProgramOutput);
    return v;
}

void SetFiles(Tvariables& v, std::string_view output, std::string_view outline,
              std::string_view links, std::string_view page) {
    v.output = output;
    v.outline = outline;
    v.links = links;
    v.page = page;
}

void SetHtmlPageDefaults(Tvariables& v) {
    v.homeframe = "_top";
    v.frame = "bottom";
}

void DisableHtmlOutput(Tvariables& v) {
    SetFiles(v, kDisabled, kDisabled, kDisabled, kDisabled);
    v.homeurl = v.hometitle = v.title = v.homeframe = v.frame = kDisabled;
}

struct Geometry {
    int32_t xoffset, yoffset, boxheight, xspace, yspace, namelength, chartdepth;
};

void SetGeometry(Tvariables& v, const Geometry& g) {
    v.xoffset = g.xoffset;
    v.yoffset = g.yoffset;
    v.boxheight = g.boxheight;
    v.xspace = g.xspace;
    v.yspace = g.yspace;
    v.namelength = g.namelength;
    v.chartdepth = g.chartdepth;
}

Tvariables PedigreeDefaults() {
    Tvariables v = CommonDefaults();
    SetFiles(v, "lignorama.htm", "lgoutline.htm", "lgtekst.htm", "lg.htm");
    SetHtmlPageDefaults(v);
    SetGeometry(v, {.xoffset = 10,
                    .yoffset = 10,
                    .boxheight = 14,
                    .xspace = 30,
                    .yspace = 14,
                    .namelength = 12,
                    .chartdepth = 0});
    v.namingscheme = "n2z1";
    v.helpTitle1 = MessageText(Msg::APersonsPedigree);
    v.helpText1 = PedigreeHelp();
    v.helpText2 = PedigreeOutputHelp();
    return v;
}

Tvariables ScreenChartDefaults(Msg helpTitle, std::string helpText, std::string outputHelp) {
    Tvariables v = CommonDefaults();
    DisableHtmlOutput(v);
    SetGeometry(v, {.xoffset = 10,
                    .yoffset = 10,
                    .boxheight = 16,
                    .xspace = 20,
                    .yspace = 35,
                    .namelength = 10,
                    .chartdepth = 2});
    v.namingscheme = "z2";
    v.helpTitle1 = MessageText(helpTitle);
    v.helpText1 = std::move(helpText);
    v.helpText2 = std::move(outputHelp);
    return v;
}

Tvariables GenealogyDefaults() {
    Tvariables v = CommonDefaults();
    SetFiles(v, "lgfamchart.htm", "lgfamview.htm", "lggenealogy.htm", "lgfam.htm");
    SetHtmlPageDefaults(v);
    SetGeometry(v, {.xoffset = 40,
                    .yoffset = 60,
                    .boxheight = 14,
                    .xspace = 30,
                    .yspace = 10,
                    .namelength = 12,
                    .chartdepth = 0});
    v.namingscheme = "a0n3z2@";
    v.helpTitle1 = MessageText(Msg::APersonsGenealogy);
    v.helpText1 = GenealogyHelp();
    v.helpText2 = GenealogyOutputHelp();
    return v;
}

Tvariables OffspringDefaults() {
    Tvariables v = CommonDefaults();
    SetFiles(v, "lgfamtree.htm", kDisabled, kDisabled, kDisabled);
    SetHtmlPageDefaults(v);
    SetGeometry(v, {.xoffset = 40,
                    .yoffset = 60,
                    .boxheight = 14,
                    .xspace = 30,
                    .yspace = 70,
                    .namelength = 12,
                    .chartdepth = 0});
    v.namingscheme = "z3";
    v.helpTitle1 = MessageText(Msg::APersonsOffspring);
    v.helpText1 = OffspringHelp();
    v.helpText2 = OffspringOutputHelp();
    return v;
}

// Every field but the modified flag, which records the comparison itself.
bool SameValues(Tvariables a, const Tvariables& b) {
    a.modified = b.modified;
    return a == b;
}

}  // namespace

Tvariables FactoryDefaults(ChartType type) {
    switch (type) {
        case ChartType::Inbreeding:
            return ScreenChartDefaults(Msg::InbreedingAndPedigreeReduction, InbreedingHelp(),
                                       InbreedingOutputHelp());
        case ChartType::Kinship:
            return ScreenChartDefaults(Msg::KinshipTheory, KinshipHelp(), KinshipOutputHelp());
        case ChartType::Genealogy:
            return GenealogyDefaults();
        case ChartType::Offspring:
            return OffspringDefaults();
        case ChartType::Timeline: {
            // The pedigree's, with a page of its own so that neither
            // chart overwrites the other's.
            Tvariables timeline = PedigreeDefaults();
            timeline.output = "lgtimeline.htm";
            return timeline;
        }
        case ChartType::Pedigree:
            break;
    }
    return PedigreeDefaults();
}

std::string_view ChartTypeName(ChartType type) {
    switch (type) {
        case ChartType::Pedigree:
            return "Pedigree";
        case ChartType::Inbreeding:
            return "Inbreeding";
        case ChartType::Kinship:
            return "Kinship";
        case ChartType::Genealogy:
            return "Genealogy";
        case ChartType::Offspring:
            return "Offspring";
        case ChartType::Timeline:
            return "Timeline";
    }
    return {};
}

Settings::Settings() {
    for (int i = 0; i < kChartTypeCount; ++i)
        records[i] = FactoryDefaults(static_cast<ChartType>(i));
    current = records[0];
}

void LoadCurrent(Settings& settings, const Tvariables& record, TindividualList& persons) {
    if (&settings.current != &record) settings.current = record;
    // One pass over each list instead of a search per person: a large
    // file and a long list stay linear.
    std::unordered_map<std::string_view, char> codes;
    for (const std::string& entry : settings.current.namecodes)
        if (entry.size() >= 2) codes.emplace(NameCodeID(entry), entry.back());
    std::unordered_set<std::string_view> marked(settings.current.highlights.begin(),
                                                settings.current.highlights.end());
    for (std::size_t i = 0; i < persons.Count(); ++i) {
        Tindividual& person = persons[i];
        auto code = codes.find(person.ID);
        person.nameCode = code == codes.end() ? 0 : code->second;
        person.highlighted = marked.contains(person.ID);
    }
}

void StoreCurrent(const Settings& settings, Tvariables& record) {
    if (&settings.current == &record) return;
    bool modified = record.modified || !SameValues(settings.current, record);
    record = settings.current;
    record.modified = modified;
}

void ResetToDefaults(Settings& settings, TindividualList& persons) {
    LoadCurrent(settings, FactoryDefaults(settings.options.charttype), persons);
    settings.changed = true;
}

void SelectChartType(Settings& settings, ChartType type, TindividualList& persons) {
    StoreCurrent(settings, settings.CurrentRecord());
    settings.options.charttype = type;
    LoadCurrent(settings, settings.CurrentRecord(), persons);
    settings.changed = true;
}

void ClearPersonLists(Settings& settings) {
    auto clear = [](Tvariables& v) {
        v.probands.clear();
        v.namecodes.clear();
        v.highlights.clear();
    };
    for (Tvariables& record : settings.records) clear(record);
    clear(settings.current);
}

bool ParseInteger(std::string_view text, int32_t& value) {
    text = TrimRightBlanks(TrimLeftBlanks(text));
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (text.empty() || text.front() < '0' || text.front() > '9') return false;
    }
    int32_t parsed = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    value = parsed;
    return true;
}

bool ReadNumberEdit(std::string_view text, int32_t& field, bool& changed, Host& host) {
    int32_t value = 0;
    if (!ParseInteger(text, value) || value < 0 || value > kMaxEditNumber) {
        host.ShowMessageBox(FillIn(Msg::NotAValidNumber, text));
        return false;
    }
    if (value != field) changed = true;
    field = value;
    return true;
}

}  // namespace lg
