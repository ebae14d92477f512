#include "text/language.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "base/reporter.h"
#include "base/text_helpers.h"

namespace lg {
namespace {

using StringMember = std::string PhraseTexts::*;
using CellMember = PhraseCell PhraseTable::*;

#define LG_SLOT_MEMBER_POINTER(name) &PhraseTexts::name,
constexpr std::array<StringMember, kPhraseSlotCount> kSlotMembers{
    LG_PHRASE_SLOTS(LG_SLOT_MEMBER_POINTER)};
#undef LG_SLOT_MEMBER_POINTER

#define LG_CELL_MEMBER_POINTER(name) &PhraseTable::name,
constexpr std::array<CellMember, kPhraseSlotCount> kCellMembers{
    LG_PHRASE_SLOTS(LG_CELL_MEMBER_POINTER)};
#undef LG_CELL_MEMBER_POINTER

#define LG_SLOT_NAME(name) #name,
constexpr std::array<std::string_view, kPhraseSlotCount> kSlotNames{LG_PHRASE_SLOTS(LG_SLOT_NAME)};
#undef LG_SLOT_NAME

constexpr int Index(PhraseSlot slot) {
    return static_cast<int>(slot);
}

// Each event word and its female form, in slot order.
constexpr std::pair<PhraseSlot, PhraseSlot> kFemaleForms[] = {
    {PhraseSlot::adopted, PhraseSlot::adoptedFemale},
    {PhraseSlot::legitimated, PhraseSlot::legitimatedFemale},
    {PhraseSlot::born, PhraseSlot::bornFemale},
    {PhraseSlot::buried, PhraseSlot::buriedFemale},
    {PhraseSlot::christened, PhraseSlot::christenedFemale},
    {PhraseSlot::cremated, PhraseSlot::crematedFemale},
    {PhraseSlot::died, PhraseSlot::diedFemale},
    {PhraseSlot::divorced, PhraseSlot::divorcedFemale},
    {PhraseSlot::separated, PhraseSlot::separatedFemale},
    {PhraseSlot::engaged, PhraseSlot::engagedFemale},
};

// The slots whose words open a sentence or a heading.
constexpr PhraseSlot kCapitalised[] = {
    PhraseSlot::married,           PhraseSlot::sheMarried,      PhraseSlot::heMarried,
    PhraseSlot::sheMarriedEarlier, PhraseSlot::sheRemarried,    PhraseSlot::unofficially,
    PhraseSlot::partnerUnknown,    PhraseSlot::generation,      PhraseSlot::also,
    PhraseSlot::pedigreeTitle,     PhraseSlot::outlineTitle,    PhraseSlot::outlineLink,
    PhraseSlot::detailsLink,       PhraseSlot::completeTableau, PhraseSlot::genealogyTitle,
    PhraseSlot::children,          PhraseSlot::clickHint,
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetterByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Replaces the first occurrence that begins a word. Inside a word ("ISLAND ",
// "PHOTO ") a keyword is part of free text and is left alone.
void ReplaceFirstWord(std::string& text, std::string_view word, std::string_view with) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        if (at == 0 || !IsLetterByte(text[at - 1])) {
            text.replace(at, word.size(), with);
            return;
        }
    }
}

void ReplaceFirst(std::string& text, std::string_view what, std::string_view with) {
    std::size_t at = text.find(what);
    if (at != std::string::npos) text.replace(at, what.size(), with);
}

bool OpensNumber(const std::string& text, std::size_t at) {
    return at == 0 || text[at - 1] == ' ' || text[at - 1] == '-' || text[at - 1] == '/';
}

// Removes the first zero of the text while it opens a number, so "05 JUN"
// loses its zero and "1900" keeps its.
void RemoveLeadingZeros(std::string& text) {
    for (std::size_t at = text.find('0'); at != std::string::npos && OpensNumber(text, at);
         at = text.find('0'))
        text.erase(at, 1);
}

// Removes the first dash of the text while it is glued to what follows
// ("-5 MAY", the opening dash of a numbered month). A dash that stands as a
// word of its own is kept: it may be the language's word for TO ("1850 -
// 1860" in Finnish).
void RemoveStrayDashes(std::string& text) {
    for (std::size_t at = text.find('-'); at != std::string::npos && OpensNumber(text, at);
         at = text.find('-')) {
        if (at + 1 < text.size() && text[at + 1] == ' ') return;
        text.erase(at, 1);
    }
}

// Lower case of one byte in code page 1252 or, for Polish, 1250: the
// accented capitals of the page become their small letters.
char LowerInCodePage(char c, bool centralEuropean) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<char>(byte + 0x20);
    if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<char>(byte + 0x10);
    if (!centralEuropean) return byte == 0x9F ? '\xFF' : c;
    switch (byte) {
        case 0x8D:
        case 0x8F:
            return static_cast<char>(byte + 0x10);
        case 0xA3:
            return '\xB3';
        case 0xA5:
            return '\xB9';
        case 0xAA:
            return '\xBA';
        case 0xAF:
            return '\xBF';
        case 0xBC:
            return '\xBE';
        default:
            return c;
    }
}

// Blanks and bell characters (code 7) that the date text may open with.
std::string_view TrimLeftBlanksAndBells(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\x07')) text.remove_prefix(1);
    return text;
}

// The number of up to four leading digits; 0 without digits. `digits`
// receives how many were read.
int LeadingNumber(std::string_view text, std::size_t& digits) {
    int n = 0;
    digits = 0;
    while (digits < text.size() && digits < 4 && IsDigit(text[digits]))
        n = n * 10 + (text[digits++] - '0');
    return n;
}

// The part of the list entry before the first slash.
std::string_view OwnName(const LanguageDefinition& definition) {
    std::string_view entry = definition.listEntry;
    return entry.substr(0, entry.find('/'));
}

// The end of the first word of the group that stands at the start of a word
// in the place; npos when none does. A word inside another word ("Overmere")
// is no word of uncertainty.
std::size_t UncertaintyWordEnd(std::string_view place,
                               std::initializer_list<std::string_view> group) {
    for (std::string_view word : group) {
        for (std::size_t at = place.find(word); at != std::string_view::npos;
             at = place.find(word, at + 1)) {
            if (at == 0 || !IsLetterByte(place[at - 1])) return at + word.size();
        }
    }
    return std::string_view::npos;
}

}  // namespace

std::string_view PhraseSlotName(PhraseSlot slot) {
    return kSlotNames[Index(slot)];
}

const PhraseCell& CellOf(const PhraseTable& table, PhraseSlot slot) {
    return table.*kCellMembers[Index(slot)];
}

Tlanguage::Tlanguage(const LanguageDefinition& definition)
    : rules_(definition.rules), name_(OwnName(definition)) {
    StoreCells(definition.phrases);
    SetFemaleForms(definition.phrases);
    FillDateDefaults();
    if (definition.rules.capitalise) CapitaliseSentenceWords();
    PrepareDateWords();
}

void Tlanguage::PrepareDateWords() {
    for (std::size_t i = 0; i < kDateQualifiers.size(); ++i) {
        qualifierKeys_[i] = std::string(kDateQualifiers[i].keyword) + " ";
        qualifierWords_[i] = ToUpperAscii(Slot(kDateQualifiers[i].slot)) + " ";
    }
    afterWord_ = ToUpperAscii(dateAfter) + " ";
    beforeWord_ = ToUpperAscii(dateBefore) + " ";
}

std::string& Tlanguage::Slot(PhraseSlot slot) {
    return this->*kSlotMembers[Index(slot)];
}

const std::string& Tlanguage::Slot(PhraseSlot slot) const {
    return this->*kSlotMembers[Index(slot)];
}

void Tlanguage::StoreCells(const PhraseTable& table) {
    for (int i = 0; i < kPhraseSlotCount; ++i) {
        const PhraseCell& cell = CellOf(table, static_cast<PhraseSlot>(i));
        if (cell.text != nullptr)
            this->*kSlotMembers[i] = cell.text;
        else if (cell.copyOf != PhraseSlot::Count_)
            this->*kSlotMembers[i] = Slot(cell.copyOf);
    }
}

// A language with its own female forms stores them in its table; every
// other female slot takes the male word.
void Tlanguage::SetFemaleForms(const PhraseTable& table) {
    for (auto [male, female] : kFemaleForms)
        if (!CellOf(table, female).Stored()) Slot(female) = Slot(male);
}

// The short and the rarer qualifiers read like the common ones, so that
// "EST 1850" reads as "about 1850".
void Tlanguage::FillDateDefaults() {
    dateBef = dateBefore;
    dateAft = dateAfter;
    dateAbt = dateAbout;
    dateBet = dateBetween;
    dateAnd = and_;
    dateEstimated = dateAbout;
    dateEst = dateAbout;
    dateCalculated = dateAbout;
    dateCal = dateAbout;
}

void Tlanguage::CapitaliseSentenceWords() {
    for (PhraseSlot slot : kCapitalised) {
        std::string& text = Slot(slot);
        if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
            text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
}

std::string Tlanguage::OfPhrase(std::string_view name) const {
    if (!rules_.elideOf) return of + " " + std::string(name);
    if (!name.empty()) {
        char first = ToLowerAscii(name.substr(0, 1))[0];
        if (std::string_view("aeiouy").find(first) != std::string_view::npos)
            return "d'" + std::string(name);
    }
    return "de " + std::string(name);
}

std::string Tlanguage::ChildOfPhrase(bool isSon, std::string_view name) const {
    if (rules_.parentsChildOf) return "vanhemmat - " + std::string(name);
    return SonOrDaughter(isSon) + " " + OfPhrase(name);
}

std::string Tlanguage::AndPhrase(std::string_view word) const {
    if (!rules_.eBeforeI) return and_ + " " + std::string(word);
    bool beforeI = !word.empty() && (word[0] == 'I' || word[0] == 'i');
    return (beforeI ? "e " : "y ") + std::string(word);
}

std::string Tlanguage::LowerCase(std::string_view text) const {
    bool centralEuropean = codePage == "1250";
    std::string result(text);
    for (char& c : result) c = LowerInCodePage(c, centralEuropean);
    return result;
}

std::string Tlanguage::TranslateDate(std::string_view gedcomDate) const {
    // Keywords are matched in an upper-case copy, whatever case the file
    // uses; the words put in are upper-cased too, so that lower-casing once
    // gives the whole date one case before the month names go in.
    std::string upper = ToUpperAscii(gedcomDate);
    for (std::size_t i = 0; i < kDateQualifiers.size(); ++i)
        ReplaceFirstWord(upper, qualifierKeys_[i], qualifierWords_[i]);
    ReplaceFirst(upper, ">=", afterWord_);
    ReplaceFirst(upper, ">", afterWord_);
    ReplaceFirst(upper, "<=", beforeWord_);
    ReplaceFirst(upper, "<", beforeWord_);
    std::string result = LowerCase(upper);

    // Only the first month keyword in calendar order that stands as a word
    // of its own (followed by a blank, a digit or the end) is translated.
    for (std::size_t m = 0; m < kMonthKeywords.size(); ++m) {
        std::size_t at = upper.find(kMonthKeywords[m]);
        if (at == std::string::npos) continue;
        std::size_t end = at + kMonthKeywords[m].size();
        bool digitFollows = end < upper.size() && IsDigit(upper[end]);
        if (end < upper.size() && upper[end] != ' ' && !digitFollows) continue;
        const std::string& month = Slot(static_cast<PhraseSlot>(Index(PhraseSlot::month1) + m));
        if (!month.empty() && month[0] >= '1' && month[0] <= '9') {
            // A numbered month makes a dashed date: "12-3-1850".
            std::string_view text(result);
            result = std::string(TrimRightBlanks(text.substr(0, at))) + "-" + month + "-" +
                     std::string(TrimLeftBlanks(text.substr(end)));
        } else {
            result.replace(at, end - at, digitFollows ? month + " " : month);
        }
        break;
    }
    RemoveLeadingZeros(result);
    RemoveStrayDashes(result);
    if (!dateArticle.empty()) AddFrenchArticle(result);
    return result;
}

// "le" before a date that opens with a day: a day number followed by a
// month name or by another number.
void Tlanguage::AddFrenchArticle(std::string& date) const {
    std::string lower = LowerCase(date);
    std::string_view text = TrimLeftBlanksAndBells(lower);
    if (text.size() < 4) return;
    std::size_t digits = 0;
    int day = LeadingNumber(text, digits);
    if (day < 1 || day > 31) return;
    std::string_view rest = TrimLeftBlanksAndBells(text.substr(std::min(digits + 1, text.size())));
    if (rest.size() < 4) return;
    for (int m = 0; m < 12; ++m) {
        const std::string& month = Slot(static_cast<PhraseSlot>(Index(PhraseSlot::month1) + m));
        if (!month.empty() && rest.starts_with(month)) {
            date = "le " + date;
            return;
        }
    }
    int next = LeadingNumber(rest, digits);
    if (next >= 1 && next <= 31) date = dateArticle + " " + date;
}

std::string Tlanguage::PlacePhrase(std::string_view place, bool placeNameBrackets) const {
    std::size_t wordEnd = UncertaintyWordEnd(place, {"waarschijnlijk", "waarschijnl", "waarsch"});
    if (wordEnd == std::string_view::npos)
        wordEnd = UncertaintyWordEnd(place, {"vermoedelijk", "vermoedel", "vermoed", "verm"});
    if (wordEnd != std::string_view::npos) {
        std::size_t split = place.find(' ', wordEnd);
        if (split == std::string_view::npos) split = place.size();
        // Only when a place name of a few letters follows the word.
        if (split + 3 <= place.size())
            return std::string(place.substr(0, split)) + " " + at +
                   std::string(place.substr(split));
    }
    if (placeNameBrackets) return std::string(place);
    return JoinWith(at, " ", place);
}

std::unique_ptr<Tlanguage> CreateLanguage(std::string_view name, Reporter& reporter) {
    for (const LanguageDefinition& definition : LanguageDefinitions())
        if (OwnName(definition) == name) return std::make_unique<Tlanguage>(definition);
    reporter.AddMessage("Language = \"" + std::string(name) + "\" is not supported.", true);
    return nullptr;
}

const std::vector<std::string>& LanguageNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> result;
        for (const LanguageDefinition& definition : LanguageDefinitions())
            result.emplace_back(OwnName(definition));
        return result;
    }();
    return names;
}

std::string_view Tlanguage::QualifierOf(std::string_view date) const {
    const std::string translated = TranslateDate(date);
    for (const DateQualifier& qualifier : kDateQualifiers) {
        const std::string& word = Slot(qualifier.slot);
        // An empty word would occur in every date.
        if (!word.empty() && translated.find(word) != std::string::npos) return qualifier.keyword;
    }
    return {};
}

}  // namespace lg
