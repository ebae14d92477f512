#include "base/text_helpers.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <system_error>

namespace lg {

std::string JoinWith(std::string_view a, std::string_view separator, std::string_view b) {
    std::string result(a);
    if (!a.empty() && !b.empty()) result += separator;
    result += b;
    return result;
}

namespace {

// The last run of exactly four digits in the date; empty when none.
std::string_view YearDigits(std::string_view date) {
    std::string_view found;
    std::size_t i = 0;
    while (i < date.size()) {
        if (date[i] < '0' || date[i] > '9') {
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < date.size() && date[i] >= '0' && date[i] <= '9') ++i;
        if (i - start == 4) found = date.substr(start, 4);
    }
    return found;
}

}  // namespace

std::string YearOf(std::string_view date) {
    return std::string(YearDigits(date));
}

int YearNumber(std::string_view date) {
    int n = 0;
    for (char c : YearDigits(date)) n = n * 10 + (c - '0');
    return n;
}

std::string ToUpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return result;
}

std::string ToLowerAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string_view TrimRightBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string_view TrimLeftBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

}  // namespace lg

namespace lg {
namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string_view WithoutLeadingLetters(std::string_view key) {
    std::size_t i = 0;
    while (i < key.size() && IsAsciiLetter(key[i])) ++i;
    return key.substr(i);
}

}  // namespace

int MonthOf(std::string_view date) {
    static constexpr std::string_view kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                   "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    // The date checks ask this of every child's birth in a big file: no
    // upper-case copy, one look at each place where a name could start.
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    int first = 0;
    for (std::size_t i = 0; i + 3 <= date.size(); ++i) {
        const char a = upper(date[i]);
        if (a < 'A' || a > 'Z') continue;
        const char b = upper(date[i + 1]);
        const char c = upper(date[i + 2]);
        for (int m = 0; m < 12; ++m)
            if (kMonths[m][0] == a && kMonths[m][1] == b && kMonths[m][2] == c) {
                // The earliest month of the year wins, wherever it stands.
                if (first == 0 || m + 1 < first) first = m + 1;
                break;
            }
    }
    return first;
}

std::string RomanNumeral(int n) {
    static constexpr std::string_view kHundreds[] = {"",  "C",  "CC",  "CCC",  "CD",
                                                     "D", "DC", "DCC", "DCCC", "CM"};
    static constexpr std::string_view kTens[] = {"",  "X",  "XX",  "XXX",  "XL",
                                                 "L", "LX", "LXX", "LXXX", "XC"};
    static constexpr std::string_view kUnits[] = {"",  "I",  "II",  "III",  "IV",
                                                  "V", "VI", "VII", "VIII", "IX"};
    if (n <= 0) return {};
    std::string result(static_cast<std::size_t>(n / 1000), 'M');
    result += kHundreds[n / 100 % 10];
    result += kTens[n / 10 % 10];
    result += kUnits[n % 10];
    return result;
}

std::string TruncatePlace(std::string_view place, int placeLevels) {
    if (placeLevels != 1 && placeLevels != 2) return std::string(place);
    std::size_t comma = place.find(',');
    if (placeLevels == 2 && comma != std::string_view::npos) comma = place.find(',', comma + 1);
    return std::string(place.substr(0, comma));
}

std::string TextLink(std::string_view key, std::string_view links) {
    // "##" is tested before the single "#": otherwise "p##" would be read as
    // "p#" followed by the bare number.
    if (std::size_t both = links.find("##"); both != std::string_view::npos)
        return std::string(links.substr(0, both)) + std::string(key) +
               std::string(links.substr(both + 2));
    std::size_t hash = links.find('#');
    if (hash == std::string_view::npos) return std::string(links) + "#" + std::string(key);
    return std::string(links.substr(0, hash)) + std::string(WithoutLeadingLetters(key)) +
           std::string(links.substr(hash + 1));
}

std::string OutputPath(std::string_view directory, std::string_view fileName) {
    if (directory.empty()) return std::string(fileName);
    std::string path(directory);
    if (path.back() != '/') path += '/';
    path += fileName;
    return path;
}

bool IsPlainFileName(std::string_view name) {
    return name.find_first_of("/\\") == std::string_view::npos && name != "." && name != "..";
}

bool GeneratedByUs(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return true;
    // What each kind of page already carries near its top: the text pages'
    // generator tag, the chart, outline and frames pages' creator tag (both
    // name our address), and the error report's link to its help page.
    auto ours = [](std::string_view line) {
        const bool generator = line.find("\"GENERATOR\"") != std::string_view::npos &&
                               line.find("\"LIGNORAMA.EXE\"") != std::string_view::npos;
        const bool creator = line.find("<meta name=\"Creator\" content=\"") == 0 &&
                             line.find("support@lignorama.org\">") != std::string_view::npos;
        const bool report =
            line.find("Your gedcom file has inconsistent links or dates") !=
                std::string_view::npos &&
            line.find("lignorama.org/lignorama/LGerrorhelp.htm") != std::string_view::npos;
        return generator || creator || report;
    };
    std::string line;
    int lines = 0;
    for (; lines < 6 && std::getline(in, line); ++lines)
        if (ours(TrimLeftBlanks(line))) return true;
    // An empty file holds nobody's work (a run that was cut short leaves one).
    return lines == 0;
}

std::string BookmarkOf(std::string_view id, int bookmarkStyle) {
    if (bookmarkStyle != 2) return std::string(id);
    const std::string_view digits = id.empty() ? id : id.substr(1);
    // A 32-bit number, as the bookmark numbers of other programs are; the
    // subtraction is done in 64 bits so that the smallest one cannot wrap.
    std::int64_t number = 1;
    const char* end = digits.data() + digits.size();
    std::int32_t parsed = 0;
    auto [at, error] = std::from_chars(digits.data(), end, parsed);
    if (!digits.empty() && error == std::errc() && at == end) number = parsed;
    return std::to_string(number - 1);
}

bool HasSwitch(std::span<const std::string> args, std::string_view word) {
    const std::string wanted = ToLowerAscii(word);
    for (const std::string& arg : args)
        if (ToLowerAscii(arg) == wanted) return true;
    return false;
}

std::string ColorToHtml(Color color) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string html = "#";
    for (std::uint8_t component : {color.red, color.green, color.blue}) {
        html += kHex[component >> 4];
        html += kHex[component & 0xF];
    }
    return html;
}

Color HtmlToColor(std::string_view text) {
    constexpr Color kWhite{255, 255, 255};
    if (text.size() < 7) return kWhite;
    std::uint8_t components[3];
    for (int c = 0; c < 3; ++c) {
        const int high = HexValue(text[1 + 2 * c]);
        const int low = HexValue(text[2 + 2 * c]);
        if (high < 0 || low < 0) return kWhite;
        components[c] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return {components[0], components[1], components[2]};
}

Color GreyColor(int level) {
    const auto grey = static_cast<std::uint8_t>(std::clamp(level, 0, 255));
    return {grey, grey, grey};
}

std::string StripBrackets(std::string_view text) {
    if (!text.empty() && text.back() == ')') text.remove_suffix(1);
    if (!text.empty() && text.front() == '(') text.remove_prefix(1);
    return std::string(text);
}

std::string StripQuotes(std::string_view text) {
    const std::size_t first = text.find_first_not_of("\"'");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of("\"'");
    return std::string(text.substr(first, last - first + 1));
}

std::string LineBreaksFromHtml(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, 4) == "<br>") {
            result += "\r\n";
            i += 4;
        } else {
            result += text[i++];
        }
    }
    return result;
}

std::string DropFinalLineBreak(std::string_view text) {
    if (text.ends_with("\r\n")) text.remove_suffix(2);
    return std::string(text);
}

std::string FitPath(std::string_view path, const TextMeasure& measure, int width) {
    std::string fitted(path);
    if (measure(fitted) <= width) return fitted;
    std::string_view rest = path;
    if (rest.size() >= 2 && rest[1] == ':') {
        rest.remove_prefix(2);
        fitted = rest;
    }
    while (measure(fitted) > width) {
        // A leading "/" belongs to the first folder instead of making an
        // empty one that ".../" would replace.
        const std::size_t slash = rest.find('/', 1);
        if (slash == std::string_view::npos) break;
        rest.remove_prefix(slash + 1);
        fitted = ".../" + std::string(rest);
    }
    return fitted;
}

std::filesystem::path AbsolutePath(const std::filesystem::path& path) {
    if (path.empty()) return path;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) return path;
    absolute = absolute.lexically_normal();
    // "/dir/" names the folder "/dir": keep the form without the slash.
    if (!absolute.has_filename() && absolute.has_parent_path() && absolute != absolute.root_path())
        absolute = absolute.parent_path();
    return absolute;
}

}  // namespace lg
