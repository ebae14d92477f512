#pragma once
// Small text functions shared by records, reports, charts and pages: joins,
// years and months from GEDCOM dates, visible lengths of text that carries
// character references, Roman numerals, place truncation, link targets and
// output paths, colour texts, and the generator test of existing pages.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace lg {

// a + separator + b when both are non-empty, otherwise the non-empty one.
std::string JoinWith(std::string_view a, std::string_view separator, std::string_view b);
// The last run of exactly four digits ("1850/51" gives "1850"); empty if none.
std::string YearOf(std::string_view date);
// YearOf as a number, 0 when there is no year.
int YearNumber(std::string_view date);
// 1 to 12 for the first month keyword JAN..DEC, tried in calendar order, found
// anywhere in the upper-cased date ("FROM DEC 1900 TO JAN 1901" gives 1);
// 0 when there is none or the date is shorter than three characters.
int MonthOf(std::string_view date);
inline std::string Cell(std::string_view text) {
    return "<td>" + std::string(text) + "</td>";
}
inline std::string Row(std::string_view text) {
    return "<tr>" + std::string(text) + "</tr>";
}
std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
std::string_view TrimRightBlanks(std::string_view text);
std::string_view TrimLeftBlanks(std::string_view text);

// "XIV" for 14, "C" for 100, "CXCIX" for 199; numbers from 200 on continue
// with the usual hundreds and thousands. Empty for n <= 0.
std::string RomanNumeral(int n);

// The place cut before its first (placeLevels 1) or second (2) comma; any
// other level, or a place with fewer commas, leaves it unchanged.
std::string TruncatePlace(std::string_view place, int placeLevels);

// The target of the text link for the key (an anchor such as "I12"), by the
// text-links setting: "text.htm" gives "text.htm#I12" (one page with
// bookmarks); a "##" in the setting stands for the whole key
// ("p##.htm" gives "pI12.htm"); otherwise the first "#" stands for the key
// without its leading letters A-Z/a-z ("p#.htm" gives "p12.htm", "p#" gives
// "p12").
std::string TextLink(std::string_view key, std::string_view links);

// The file name inside the output directory: the name itself when the
// directory is empty, otherwise joined with exactly one "/" between.
std::string OutputPath(std::string_view directory, std::string_view fileName);

// The path made absolute against the current directory, "." and ".."
// taken out as a shell would; unchanged when that fails. Whatever the
// session keeps of a file is absolute: the browser view and every writer
// must find the file again after a change of the current directory, and a
// bare name would leave the output folder blank.
std::filesystem::path AbsolutePath(const std::filesystem::path& path);

// Whether the name names a file in the output directory itself: no folder
// part ("/", or "\\" as other systems write it) and neither "." nor "..".
// The empty name (no file) counts as plain.
bool IsPlainFileName(std::string_view name);

// Whether an HTML writer may overwrite the file: true when the file cannot
// be opened for reading, is empty, or shows in its first six lines a mark
// that only our pages and error report carry.
bool GeneratedByUs(const std::filesystem::path& file);

// A person's bookmark on the text pages: the ID itself, except with bookmark
// style 2, where it is the ID's number minus one ("I12" gives "11"). The ID
// without its first character must be a 32-bit decimal number (an optional
// "-" and digits) to count as one; otherwise it counts as 1, giving "0".
std::string BookmarkOf(std::string_view id, int bookmarkStyle);

// True when one of the arguments equals the word, both compared in lower
// case ("HIDE" matches "hide"). Pass the arguments without the program name.
bool HasSwitch(std::span<const std::string> args, std::string_view word);

// An RGB colour. Bgr() is the platform value $00BBGGRR that the parameter
// file's colours were defined by; a Qt front builds QColor(red, green, blue).
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    constexpr std::uint32_t Bgr() const {
        return std::uint32_t{blue} << 16 | std::uint32_t{green} << 8 | red;
    }
    static constexpr Color FromBgr(std::uint32_t value) {
        return {static_cast<std::uint8_t>(value & 0xFF),
                static_cast<std::uint8_t>(value >> 8 & 0xFF),
                static_cast<std::uint8_t>(value >> 16 & 0xFF)};
    }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

// "#RRGGBB" with upper-case hexadecimal digits.
std::string ColorToHtml(Color color);
// The colour of "#RRGGBB": the six characters after the first one are read
// as hexadecimal digit pairs red, green, blue (either case). Text that does
// not have six hexadecimal digits there gives white, the default background.
Color HtmlToColor(std::string_view text);
// The grey whose components all equal the level, clamped to 0..255.
Color GreyColor(int level);

// The text without one leading "(" and one trailing ")" (each when present).
std::string StripBrackets(std::string_view text);
// The text without all leading and trailing double and single quotes.
std::string StripQuotes(std::string_view text);
// Every "<br>" replaced by CR LF.
std::string LineBreaksFromHtml(std::string_view text);
// The text without one final CR LF.
std::string DropFinalLineBreak(std::string_view text);

// Measures the width of a text as a label would show it.
using TextMeasure = std::function<int(std::string_view)>;
// The path shortened for a label of the given width: unchanged when it fits;
// otherwise a drive part ("C:") goes first, then the leading folders are
// replaced by ".../" one at a time until it fits. The last step, ".../" and
// the file name, is returned even when it is still too wide.
std::string FitPath(std::string_view path, const TextMeasure& measure, int width);

}  // namespace lg
