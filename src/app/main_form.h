#pragma once
// The main window's controls as plain data, and the rules between them and
// the settings: which controls a chart type uses, how the controls are
// filled from the current settings and read back, and what switching the
// chart type and leaving the naming scheme do. The window only moves these
// values in and out of its widgets, so every rule is tested without them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/session.h"

namespace lg {

// The eight numeric edit fields, in the order the dimension panel shows them.
enum class NumberField {
    Xoffset,
    Yoffset,
    BoxWidth,
    BoxHeight,
    Xspace,
    Yspace,
    FontSize,
    NameLength,
};
inline constexpr int kNumberFieldCount = 8;

// The setting a numeric edit field shows.
int32_t& NumberSetting(Tvariables& settings, NumberField field);

// What the controls show, as internal text.
struct FormValues {
    ChartType chartType = ChartType::Pedigree;
    std::string output;
    std::string links;
    std::string page;
    std::string outline;
    std::string title;
    std::string homeurl;
    std::string hometitle;
    std::string homeframe;
    std::string frame;
    std::string fontname;  // without its quotes
    std::array<std::string, kNumberFieldCount> numbers;
    int32_t tableauspace = 0;
    int32_t chartdepth = 0;
    char genealogytype = 'a';
    std::string namingscheme;
    std::string mcolor;
    std::string fcolor;
    std::string bgcolor;
    std::string language;       // the language box's item (its list text)
    std::string gedcomName;     // without its path
    std::string parameterName;  // without its path
    std::string outputLabel;    // "Output (-> DIR)"

    std::string& Number(NumberField field) { return numbers[static_cast<std::size_t>(field)]; }
};

// Which controls take input (enabled) or are shown at all (visible) for a
// chart type.
struct FormRules {
    bool tableauEdit = false;  // output
    bool textEdit = false;     // links
    bool framesEdit = false;   // page
    bool outlineEdit = false;
    bool pageEdits = false;  // title and the home link fields
    bool tableauSpace = false;
    bool nameLength = false;
    bool chartDepthVisible = false;
    bool genealogyVisible = false;
    bool namingSchemeVisible = false;
};

// The rules of a chart type; the pedigree shows its naming scheme only when
// a GEDCOM is loaded.
FormRules RulesFor(ChartType type, bool gedcomLoaded);

// The chart types the chart type list offers, with their item texts: sorted
// by text as the list shows them, the timeline, which came last, after them.
struct ChartTypeItem {
    std::string_view text;
    ChartType type;
};
const std::array<ChartTypeItem, 6>& ChartTypeItems();

// The language list's items: each language's own name.
const std::vector<std::string>& LanguageItems();
// The index of the last item containing the language name; -1 when none.
int LanguageItemIndex(std::string_view language);

// "Output (-> DIR)" with the directory shortened to about 40 characters
// ("/home/.../family"), the start and the last folders kept.
std::string OutputLabelText(const std::filesystem::path& workingDirectory);

// The controls' values from the current settings.
FormValues SettingsToForm(const Session& session);

// Reads the controls into the current settings, marking the settings
// changed wherever a value differs, normalising the naming scheme (written
// back into `form`). Numbers are validated by ReadNumberEdit, which shows
// the message box for an invalid one; the first such field is returned so
// that the window can put the focus back on it, -1 when all were valid.
int FormToSettings(Session& session, FormValues& form);

// The naming scheme as it stands after leaving its field: normalised, and
// without the final "@" for the pedigree (only descendant charts highlight
// branches).
std::string SchemeForChartType(std::string_view scheme, ChartType type);

// The chart type list's selection: the form goes into the old type's
// settings, the new type's settings become current; the message list is
// cleared, the status line says "Help is updated", the run state is 0 and
// the settings count as changed. Returns the first invalid number field as
// FormToSettings does (the switch happens all the same).
int SwitchChartType(Session& session, FormValues& form, ChartType type);

// "View Chart" can show something: the error report of the load, or a
// chart of the current chart type.
void RefreshViewButton(Session& session);

// Whether closing must ask "Do you want to save your changes ?": the
// settings were changed or a working record was modified.
bool HasUnsavedChanges(const Settings& settings);

// "#RRGGBB" of a colour dialog's answer.
std::string ColourSetting(int red, int green, int blue);

// The naming scheme's help, one line per code: a heading, the condition
// letters, the display codes and the branch highlight.
std::string NamingSchemeHelp();

}  // namespace lg
