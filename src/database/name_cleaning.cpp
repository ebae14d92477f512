// Tidying of names as exporters write them: capitals, dots, quotes.

#include <string>
#include <vector>

#include "base/particles.h"
#include "base/text_helpers.h"
#include "database/gedcom_reader.h"

namespace lg {
namespace {

unsigned char LowerCp1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A:
            return 0x9A;  // S caron
        case 0x8C:
            return 0x9C;  // OE
        case 0x8E:
            return 0x9E;  // Z caron
        case 0x9F:
            return 0xFF;  // Y diaeresis
        default:
            return c;
    }
}

unsigned char UpperCp1252(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A:
            return 0x8A;
        case 0x9C:
            return 0x8C;
        case 0x9E:
            return 0x8E;
        case 0xFF:
            return 0x9F;
        default:
            return c;
    }
}

char Lower(char c) {
    return static_cast<char>(LowerCp1252(static_cast<unsigned char>(c)));
}
char Upper(char c) {
    return static_cast<char>(UpperCp1252(static_cast<unsigned char>(c)));
}

// Upper-cases the first letter; a leading character reference gets the
// capital form of its name ("&eacute;" gives "&Eacute;").
void Capitalise(std::string& word, std::size_t from) {
    if (from >= word.size()) return;
    if (word[from] != '&') {
        word[from] = Upper(word[from]);
        return;
    }
    std::size_t semicolon = word.find(';', from);
    std::string_view name = std::string_view(word).substr(
        from + 1, semicolon == std::string::npos ? std::string::npos : semicolon - from - 1);
    if (name == "thorn") {
        word.replace(from + 1, name.size(), "THORN");
    } else if (name == "aelig") {
        word.replace(from + 1, name.size(), "AElig");
    } else if (from + 1 < word.size()) {
        word[from + 1] = Upper(word[from + 1]);
    }
}

// A word in capitals is rewritten; Roman numerals (I, V, X only) are not.
bool IsWordInCapitals(std::string_view word) {
    if (word.size() <= 1) return false;
    bool capital = false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        if (c == '&') {
            std::size_t semicolon = word.find(';', i);
            if (semicolon == std::string_view::npos) break;
            i = semicolon;
            continue;
        }
        if (c >= 'a' && c <= 'z') return false;
        if (c >= 'A' && c <= 'Z' && c != 'I' && c != 'V' && c != 'X') capital = true;
    }
    return capital;
}

// Appends the word, rewritten when it is written in capitals.
void AppendWord(std::string_view word, std::string& out) {
    std::size_t start = out.size();
    out.append(word);
    if (IsWordInCapitals(word)) {
        std::string rewritten(word);
        for (char& c : rewritten) c = Lower(c);
        std::size_t apostrophe = rewritten.find('\'');
        if (apostrophe == std::string::npos) {
            Capitalise(rewritten, 0);
        } else if (apostrophe <= 1 && apostrophe + 1 < rewritten.size()) {
            Capitalise(rewritten, apostrophe + 1);
        } else if (!IsParticle(rewritten)) {
            Capitalise(rewritten, 0);
        }
        out.replace(start, std::string::npos, rewritten);
    }
    std::string_view written = std::string_view(out).substr(start);
    if (written.size() == 2 && (written[0] | 0x20) == 'n' && (written[1] | 0x20) == 'n')
        out.replace(start, 2, "NN");
}

std::string TidyWords(std::string_view name) {
    // A blank separates a surname in slashes from a given name written against it.
    std::size_t slash = name.find('/');
    bool blankBeforeSlash = slash != std::string_view::npos && slash > 0 && name[slash - 1] != ' ';
    std::string result;
    result.reserve(name.size() + 2);
    std::size_t i = 0;
    while (i < name.size()) {
        while (i < name.size() && (name[i] == ' ' || name[i] == '\a')) ++i;
        if (i >= name.size()) break;
        std::size_t end = name.find(' ', i);
        if (blankBeforeSlash && slash > i && slash < end) end = slash;
        if (end == std::string_view::npos) end = name.size();
        std::string_view word = name.substr(i, end - i);
        i = end;
        // Slashes around a surname are kept out of the capitals test.
        std::string_view lead = word.starts_with('/') ? "/" : "";
        word.remove_prefix(lead.size());
        std::string_view trail = word.ends_with('/') ? "/" : "";
        word.remove_suffix(trail.size());
        if (!result.empty()) result += ' ';
        result.append(lead);
        AppendWord(word, result);
        result.append(trail);
    }
    return result;
}

}  // namespace

std::string CleanName(std::string_view value, NameStyle style) {
    std::string name(value);
    for (char& c : name) {
        if (c == '.') c = ' ';
        if (c == '"') c = '\'';
    }
    if (style == NameStyle::Gedcom) return name;
    name = TidyWords(name);
    if (name.find('_') == std::string::npos) return name;
    // Files join the words of one name with underscores ("Albert of_Prussia",
    // "Edward_IV"): a run between two words reads as one blank. A run that
    // makes a word of its own stands for an unknown part, shown as "?"; at
    // the edge of a word it joins nothing and is dropped.
    const auto isEdge = [&name](std::size_t at) {
        return at >= name.size() || name[at] == ' ' || name[at] == '/';
    };
    std::string collapsed;
    for (std::size_t j = 0; j < name.size(); ++j) {
        if (name[j] != '_') {
            collapsed += name[j];
            continue;
        }
        const std::size_t start = j;
        while (j + 1 < name.size() && name[j + 1] == '_') ++j;
        const bool wordBefore = start > 0 && !isEdge(start - 1);
        const bool wordAfter = !isEdge(j + 1);
        if (wordBefore && wordAfter)
            collapsed += ' ';
        else if (!wordBefore && !wordAfter)
            collapsed += '?';
    }
    return collapsed;
}

}  // namespace lg
