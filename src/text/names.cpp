#include "text/names.h"

#include <vector>

#include "base/html_text.h"
#include "base/particles.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

std::string_view FirstWord(std::string_view text) {
    return text.substr(0, text.find(' '));
}

// Measured as the page shows it: a character reference is one character, the
// same rule by which the final cut keeps references whole.
bool Fits(std::string_view text, int32_t nameLength) {
    return nameLength >= 0 && VisibleLength(text) <= static_cast<std::size_t>(nameLength);
}

// Words as separated by single blanks: two blanks enclose an empty word.
std::vector<std::string_view> SplitAtBlanks(std::string_view text) {
    std::vector<std::string_view> words;
    for (std::size_t start = 0;;) {
        const std::size_t blank = text.find(' ', start);
        words.push_back(text.substr(start, blank - start));
        if (blank == std::string_view::npos) return words;
        start = blank + 1;
    }
}

// A particle as one lower-case letter: the one after its apostrophe when it
// has one ("'t" gives "t"), else its first.
std::string ParticleLetter(const std::string& lowerParticle) {
    const std::size_t apostrophe = lowerParticle.find('\'');
    if (apostrophe != std::string::npos && apostrophe + 1 < lowerParticle.size())
        return std::string(1, lowerParticle[apostrophe + 1]);
    return std::string(1, lowerParticle[0]);
}

// Particles shrunk to one letter and runs of one-letter words paired up:
// "Jan van der Berg" gives "Jan vd Berg".
std::string AbbreviateParticles(std::string_view name) {
    std::vector<std::string> words;
    for (std::string_view word : SplitAtBlanks(name)) {
        std::string lower = ToLowerAscii(word);
        words.push_back(IsParticle(lower) ? ParticleLetter(lower) : std::string(word));
    }
    std::string result;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string word = words[i];
        if (VisibleLength(word) == 1 && i + 1 < words.size() && VisibleLength(words[i + 1]) == 1)
            word += words[++i];
        result += word;
        result += ' ';
    }
    return std::string(TrimRightBlanks(result));
}

// The name without its bracketed part, or, when the brackets enclose the
// whole name, without the brackets. A "(" without a ")" after it leaves
// the name as it is.
std::string DropBracketedPart(const std::string& name) {
    const std::size_t open = name.find('(');
    if (open == std::string::npos) return name;
    const std::size_t close = name.find(')', open);
    if (close == std::string::npos) return name;
    if (open == 0 && close + 1 == name.size()) return name.substr(1, close - 1);
    if (open == 0) return name.substr(close + 1);
    return name.substr(0, open) + " " + name.substr(close + 1);
}

// The first given name followed by the initials of the others; nicknames
// in quotes or brackets ("'Piet'", "(Piet)") give no initial. Each initial
// is Initial() of the rest of the names, so it carries its own blank.
std::string GivenNameForm(std::string_view givenNames) {
    std::vector<std::string_view> words = SplitAtBlanks(givenNames);
    std::string result(words.front());
    std::size_t offset = words.front().size() + 1;
    for (std::size_t i = 1; i < words.size(); offset += words[i].size() + 1, ++i) {
        // Runs of blanks make empty words; they are no names to abbreviate.
        if (words[i].empty() || words[i].front() == '\'' || words[i].front() == '(') continue;
        result += ' ';
        result += Initial(givenNames.substr(offset));
    }
    return result;
}

std::string UnshortenedName(const Tindividual& person, char formDigit, bool usePatronym) {
    switch (formDigit) {
        case '1':
            return person.FamilyName(usePatronym);
        case '2':
            if (person.surname.empty()) return person.givenNames;
            return JoinWith(Initial(person.givenNames), " ", person.surname);
        case '3': {
            std::string given = GivenNameForm(person.givenNames);
            return given.empty() ? person.surname : given;
        }
        case '4':
            // The first given name alone, not the surname that form 3 falls
            // back on: that would show a person without given names as
            // "Berg Berg".
            return JoinWith(FirstWord(GivenNameForm(person.givenNames)), " ", person.surname);
        default:
            return {};
    }
}

}  // namespace

std::string PhoneticKey(std::string_view surname) {
    // Letter pairs first, each seeing the pair before it already replaced.
    constexpr std::string_view kPairs[][2] = {
        {"ch", "gg"}, {"ij", "yy"}, {"ck", "kk"}, {"qu", "kw"}};
    std::string key(surname);
    for (std::size_t i = 1; i < key.size(); ++i) {
        for (const auto& [pair, replacement] : kPairs) {
            if (key[i - 1] == pair[0] && key[i] == pair[1]) {
                key[i - 1] = replacement[0];
                key[i] = replacement[1];
                break;
            }
        }
    }
    constexpr std::string_view kLetters = "bcqxdeiouyfwhjmz";
    constexpr std::string_view kSounds = "pkkktaaaaavv  ns";
    for (char& c : key)
        if (const std::size_t at = kLetters.find(c); at != std::string_view::npos) c = kSounds[at];
    // A doubled letter counts once, a tripled one twice; blanks vanish.
    std::string collapsed;
    bool haveLast = false;
    char last = 0;
    for (char c : key) {
        if (c == ' ' || (haveLast && c == last)) {
            haveLast = false;
            continue;
        }
        collapsed += c;
        last = c;
        haveLast = true;
    }
    return collapsed;
}

std::string StripParticles(std::string_view surname) {
    while (surname.find(' ') != std::string_view::npos && IsParticle(FirstWord(surname)))
        surname.remove_prefix(FirstWord(surname).size() + 1);
    if (const std::size_t blank = surname.find(' '); blank != std::string_view::npos)
        surname.remove_prefix(blank + 1);
    return std::string(surname);
}

bool SameSurname(std::string_view a, std::string_view b) {
    return a == b || PhoneticKey(StripParticles(a)) == PhoneticKey(StripParticles(b));
}

std::string ShortenName(std::string_view name, int32_t nameLength) {
    if (Fits(name, nameLength)) return std::string(name);
    std::string shortened = AbbreviateParticles(name);
    if (!Fits(shortened, nameLength)) shortened = DropBracketedPart(shortened);
    if (!Fits(shortened, nameLength)) {
        // At a length of two or less no letter is kept, only the "..".
        const std::size_t kept = nameLength <= 2 ? 0 : static_cast<std::size_t>(nameLength) - 1;
        shortened.resize(BytesOfVisible(shortened, kept));
        shortened += "..";
    }
    return shortened;
}

std::string DisplayName(const Tindividual& person, char formDigit, const NameOptions& options) {
    return ShortenName(UnshortenedName(person, formDigit, options.usePatronym), options.nameLength);
}

}  // namespace lg
