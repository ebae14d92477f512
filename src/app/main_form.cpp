#include "app/main_form.h"

#include <algorithm>
#include <cstdio>

#include "base/encoding.h"
#include "base/messages.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

// Folders kept at the end of a shortened directory.
constexpr std::size_t kOutputLabelLength = 40;

// Stores a text control's value; true when it differs.
bool Take(std::string& setting, const std::string& value) {
    if (setting == value) return false;
    setting = value;
    return true;
}

}  // namespace

int32_t& NumberSetting(Tvariables& settings, NumberField field) {
    switch (field) {
        case NumberField::Xoffset:
            return settings.xoffset;
        case NumberField::Yoffset:
            return settings.yoffset;
        case NumberField::BoxWidth:
            return settings.boxwidth;
        case NumberField::BoxHeight:
            return settings.boxheight;
        case NumberField::Xspace:
            return settings.xspace;
        case NumberField::Yspace:
            return settings.yspace;
        case NumberField::FontSize:
            return settings.fontsize;
        case NumberField::NameLength:
            break;
    }
    return settings.namelength;
}

FormRules RulesFor(ChartType type, bool gedcomLoaded) {
    FormRules rules;
    bool pedigree = type == ChartType::Pedigree;
    bool genealogy = type == ChartType::Genealogy;
    bool offspring = type == ChartType::Offspring;
    bool timeline = type == ChartType::Timeline;
    bool graph = type == ChartType::Inbreeding || type == ChartType::Kinship;
    rules.tableauEdit = pedigree || genealogy || offspring || timeline;
    rules.textEdit = pedigree || genealogy;
    rules.framesEdit = pedigree || genealogy;
    rules.outlineEdit = pedigree || genealogy;
    rules.pageEdits = rules.tableauEdit;
    rules.tableauSpace = pedigree || genealogy;
    rules.nameLength = !graph;
    rules.chartDepthVisible = graph;
    rules.genealogyVisible = genealogy || offspring || timeline;
    rules.namingSchemeVisible = (pedigree && gedcomLoaded) || genealogy || offspring;
    return rules;
}

const std::array<ChartTypeItem, 6>& ChartTypeItems() {
    static const std::array<ChartTypeItem, 6> items = [] {
        std::array<ChartTypeItem, 6> list = {{
            {"Pedigree (HTML)", ChartType::Pedigree},
            {"Inbreeding (on screen)", ChartType::Inbreeding},
            {"Kinship (on screen)", ChartType::Kinship},
            {"Genealogy (HTML)", ChartType::Genealogy},
            {"Offspring tree", ChartType::Offspring},
            {"Timeline", ChartType::Timeline},
        }};
        std::sort(list.begin(), list.end() - 1,
                  [](const ChartTypeItem& a, const ChartTypeItem& b) { return a.text < b.text; });
        return list;
    }();
    return items;
}

const std::vector<std::string>& LanguageItems() {
    return LanguageNames();
}

int LanguageItemIndex(std::string_view language) {
    const std::vector<std::string>& items = LanguageItems();
    for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i)
        if (!language.empty() &&
            items[static_cast<std::size_t>(i)].find(language) != std::string::npos)
            return i;
    return -1;
}

std::string OutputLabelText(const std::filesystem::path& workingDirectory) {
    std::string dir = DecodeUtf8(workingDirectory.string());
    if (dir.size() > kOutputLabelLength) {
        // Keep the first folder and as many of the last ones as fit.
        std::size_t head = dir.find('/', 1);
        if (head == std::string::npos || head > kOutputLabelLength / 2) head = 0;
        std::size_t tail = dir.size() - (kOutputLabelLength - head - 4);
        std::size_t slash = dir.find('/', tail);
        if (slash != std::string::npos) tail = slash;
        dir = dir.substr(0, head) + "/..." + dir.substr(tail);
    }
    std::string label(MessageText(Msg::Output));
    label.append(" (-> ").append(dir).append(")");
    return label;
}

FormValues SettingsToForm(const Session& session) {
    const Settings& settings = session.settings;
    const Tvariables& current = settings.current;
    FormValues form;
    form.chartType = settings.options.charttype;
    form.output = current.output;
    form.links = current.links;
    form.page = current.page;
    form.outline = current.outline;
    form.title = current.title;
    form.homeurl = current.homeurl;
    form.hometitle = current.hometitle;
    form.homeframe = current.homeframe;
    form.frame = current.frame;
    form.fontname = StripQuotes(current.fontname);
    Tvariables copy = current;
    for (int i = 0; i < kNumberFieldCount; ++i)
        form.numbers[static_cast<std::size_t>(i)] =
            std::to_string(NumberSetting(copy, static_cast<NumberField>(i)));
    form.tableauspace = current.tableauspace;
    form.chartdepth = current.chartdepth;
    form.genealogytype = current.genealogytype;
    form.namingscheme = NormaliseScheme(current.namingscheme);
    form.mcolor = current.mcolor;
    form.fcolor = current.fcolor;
    form.bgcolor = current.bgcolor;
    int language = LanguageItemIndex(settings.options.language);
    form.language = language < 0 ? settings.options.language
                                 : LanguageItems()[static_cast<std::size_t>(language)];
    form.gedcomName = DecodeUtf8(session.gedcomFile.filename().string());
    form.parameterName = DecodeUtf8(session.parameterFile.filename().string());
    form.outputLabel = OutputLabelText(session.workingDirectory);
    return form;
}

int FormToSettings(Session& session, FormValues& form) {
    Settings& settings = session.settings;
    Tvariables& current = settings.current;
    bool changed = false;
    changed |= Take(current.output, form.output);
    changed |= Take(current.links, form.links);
    changed |= Take(current.page, form.page);
    changed |= Take(current.outline, form.outline);
    changed |= Take(current.title, form.title);
    changed |= Take(current.homeurl, form.homeurl);
    changed |= Take(current.hometitle, form.hometitle);
    changed |= Take(current.homeframe, form.homeframe);
    changed |= Take(current.frame, form.frame);
    std::string font = "'" + StripQuotes(form.fontname) + "'";
    changed |= Take(current.fontname, font);
    changed |= Take(settings.options.language, form.language);
    int invalid = -1;
    for (int i = 0; i < kNumberFieldCount; ++i) {
        auto field = static_cast<NumberField>(i);
        if (!ReadNumberEdit(form.Number(field), NumberSetting(current, field), changed,
                            session.GetHost()) &&
            invalid < 0)
            invalid = i;
    }
    char type = form.genealogytype == 'm' || form.genealogytype == 'n' ? form.genealogytype : 'a';
    if (current.genealogytype != type) {
        current.genealogytype = type;
        changed = true;
    }
    form.namingscheme = SchemeForChartType(form.namingscheme, settings.options.charttype);
    changed |= Take(current.namingscheme, form.namingscheme);
    if (changed) settings.changed = true;
    return invalid;
}

std::string SchemeForChartType(std::string_view scheme, ChartType type) {
    std::string normalised = NormaliseScheme(scheme);
    if (type == ChartType::Pedigree && !normalised.empty() && normalised.back() == '@')
        normalised.pop_back();
    return normalised;
}

int SwitchChartType(Session& session, FormValues& form, ChartType type) {
    int invalid = FormToSettings(session, form);
    SelectChartType(session.settings, type, session.Db().persons);
    Reporter& reporter = session.GetReporter();
    reporter.ClearMessages();
    reporter.ShowStatus(MessageText(Msg::HelpIsUpdated), StatusColour::Normal);
    reporter.SetRunState(kRunNormal);
    RefreshViewButton(session);
    return invalid;
}

void RefreshViewButton(Session& session) {
    session.viewEnabled = session.viewAction == ViewAction::ShowErrorReport ||
                          session.Charts(session.settings.options.charttype).Current() != nullptr;
}

bool HasUnsavedChanges(const Settings& settings) {
    return settings.changed || std::any_of(settings.records.begin(), settings.records.end(),
                                           [](const Tvariables& r) { return r.modified; });
}

std::string ColourSetting(int red, int green, int blue) {
    auto clamp = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
    return ColorToHtml(Color{clamp(red), clamp(green), clamp(blue)});
}

std::string NamingSchemeHelp() {
    struct Line {
        std::string_view code;
        Msg text;
    };
    static constexpr Line kLines[] = {
        {"a : ", Msg::Alive},
        {"f : ", Msg::Female},
        {"m : ", Msg::Male},
        {"n : ", Msg::NameOfFamily},
        {"o : ", Msg::NoOffspring},
        {"p : ", Msg::ParentsName},
        {"z : ", Msg::Everybody},
        {"0 : ", Msg::ShowNoName},
        {"1 : ", Msg::Surname},
        {"2 : ", Msg::InitialSurname},
        {"3 : ", Msg::GivenName},
        {"4 : ", Msg::GivenNameSurname},
        {"@ = ", Msg::HighlightFamilyNameBranches},
    };
    std::string help(MessageText(Msg::HowToShowHide));
    help += "\r\n";
    for (const Line& line : kLines) {
        if (line.code == "a : ") help.append(MessageText(Msg::Conditions)).append("\r\n");
        if (line.code == "0 : ") help.append(MessageText(Msg::Display)).append("\r\n");
        help.append(line.code).append(MessageText(line.text)).append("\r\n");
    }
    help.resize(help.size() - 2);
    return help;
}

}  // namespace lg
