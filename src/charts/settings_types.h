#pragma once
// The values of the settings: one Tvariables record per chart type and the
// options shared by every chart type. Plain data, kept below the charts and
// page writers that read them; app/settings.h holds the operations on them.
// Field names are the parameter-file keys.

#include <cstdint>
#include <string>
#include <vector>

#include "database/records.h"
#include "text/naming_scheme.h"

namespace lg {

enum class FileType : int32_t { Unknown = 0, Gedcom = 1, Plants = 2, Humans = 3 };

enum class ChartType : int32_t {
    Pedigree = 0,
    Inbreeding = 1,
    Kinship = 2,
    Genealogy = 3,
    Offspring = 4,
    Timeline = 5,
};
inline constexpr int kChartTypeCount = 6;
// The chart types with their own block in parameter files: all of them.
inline constexpr int kSavedChartTypeCount = 6;

// The settings of one chart type.
struct Tvariables {
    bool modified = false;
    std::string output;
    std::string outline;
    std::string links;
    std::string page;
    std::string homeurl;
    std::string homeframe;
    std::string hometitle;
    std::string frame;
    std::string title;
    std::string fontname;      // between single quotes: "'Arial'"
    char genealogytype = 'a';  // 'a' all, 'm' via sons, 'n' with the proband's name
    int32_t xoffset = 0;
    int32_t yoffset = 0;
    int32_t boxheight = 0;
    int32_t boxwidth = 0;
    int32_t xspace = 0;
    int32_t yspace = 0;
    int32_t namelength = 0;
    int32_t fontsize = 0;
    int32_t chartdepth = 0;
    int32_t tableauspace = 0;
    std::string namingscheme;
    std::string mcolor;
    std::string fcolor;
    std::string bgcolor;
    std::vector<std::string> probands;  // remembered proband IDs (a file gives kMaxProbands)
    SortedStrings namecodes;
    SortedStrings highlights;
    std::string helpTitle1;
    std::string helpText1;
    std::string helpTitle2;
    std::string helpText2;

    bool operator==(const Tvariables&) const = default;
};

// The options shared by every chart type.
struct GlobalOptions {
    std::string gedcom;  // GEDCOM file name as written in the parameter file
    std::string language = "nederlands";
    int32_t placelevels = 0;
    NameStyle properdisplay = NameStyle::Proper;
    int32_t bookmarks = 0;  // 0 GEDCOM ID, 1 2^n, 2 GeneWeb
    bool patronym = true;
    bool fullbaptisedata = false;
    bool fullburialdata = false;
    bool placenamebrackets = false;
    bool gedcomnotes = false;
    int32_t gedcomchecks = 2;
    FileType filetype = FileType::Unknown;
    ChartType charttype = ChartType::Pedigree;

    bool operator==(const GlobalOptions&) const = default;
};

}  // namespace lg
