#pragma once
// All user settings in two layers: one Tvariables record per chart type
// (with factory defaults beside them) and the current settings, the copy of
// the selected chart type's record that the rest of the program reads.
// Options that do not depend on the chart type are held once, in
// GlobalOptions. Field names are the parameter-file keys.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "charts/settings_types.h"
#include "database/records.h"

namespace lg {

class Host;

// The factory defaults of a chart type; the timeline's are the pedigree's
// but for its page's name.
Tvariables FactoryDefaults(ChartType type);

// The name of a chart type in parameter files ("Pedigree" ... "Timeline").
std::string_view ChartTypeName(ChartType type);

// Every setting of the program.
struct Settings {
    // Working records built from the factory defaults, the pedigree current.
    Settings();

    Tvariables& Record(ChartType type) { return records[static_cast<std::size_t>(type)]; }
    const Tvariables& Record(ChartType type) const {
        return records[static_cast<std::size_t>(type)];
    }
    Tvariables& CurrentRecord() { return Record(options.charttype); }

    std::array<Tvariables, kChartTypeCount> records;
    Tvariables current;
    GlobalOptions options;
    // Lines of the old in-file family data format read from a parameter
    // file; any makes the load fail. Written back after the blocks.
    std::vector<std::string> familyData;
    // Something changed since the last load or save of a parameter file.
    bool changed = false;
};

// Copies the record into the current settings and sets every person's
// nameCode and highlighted mark from the record's two lists.
void LoadCurrent(Settings& settings, const Tvariables& record, TindividualList& persons);
// Copies the current settings into the record; sets its modified flag when
// some value differs from the one it held.
void StoreCurrent(const Settings& settings, Tvariables& record);
// The Defaults command: the current chart type's factory values become the
// current settings, which count as changed.
void ResetToDefaults(Settings& settings, TindividualList& persons);
// Switching the chart type: the current settings go back into the old
// type's record and the new type's record becomes current.
void SelectChartType(Settings& settings, ChartType type, TindividualList& persons);
// Empties the proband lists, name codes and highlights of every record and
// of the current settings, as a parameter file load does before reading.
void ClearPersonLists(Settings& settings);

// The probands a parameter file's Settings line can remember.
inline constexpr std::size_t kMaxProbands = 11;

// Bounds of the integer settings of a chart type; values outside them are
// refused (no chart needs more, and the layout's arithmetic stays in range).
inline constexpr int32_t kMaxEditNumber = 9999;
inline constexpr int32_t kMaxChartDepth = 15;
inline constexpr int32_t kMinTableauSpace = 70;
inline constexpr int32_t kMaxTableauSpace = 90;

// A decimal integer with optional sign and surrounding blanks; false when
// the text is anything else or leaves the int32 range.
bool ParseInteger(std::string_view text, int32_t& value);

// The validation of one of the eight numeric edit fields (offsets, box
// size, spaces, name length, font size). A valid number from 0 to
// kMaxEditNumber is stored, and `changed` is set when it differs from the
// field. Anything else leaves the field alone and shows the message box
// "%string is not a valid number."; false is then returned so that the
// caller puts the focus back on the control.
bool ReadNumberEdit(std::string_view text, int32_t& field, bool& changed, Host& host);

}  // namespace lg
