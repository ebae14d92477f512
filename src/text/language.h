#pragma once
// The output languages: every word the program writes into charts, pages and
// on-screen chart texts, one phrase table per language, together with the
// few grammar rules that differ between languages, the translation of
// GEDCOM dates and the place phrase. The tables themselves are data
// (language_tables.cpp); one Tlanguage object is built from one table.

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/date_checks.h"

namespace lg {

class Reporter;

// The phrase slots in their declared order. "and" is a C++ operator word, so
// that slot is called and_.
// clang-format off
#define LG_PHRASE_SLOTS(X)                                                                      \
    X(adopted)            /* adopted (male form) */                                             \
    X(adoptedFemale)      /* ... and each event word's female form */                           \
    X(legitimated)                                                                              \
    X(legitimatedFemale)                                                                        \
    X(born)                                                                                     \
    X(bornFemale)                                                                               \
    X(buried)                                                                                   \
    X(buriedFemale)                                                                             \
    X(christened)                                                                               \
    X(christenedFemale)                                                                         \
    X(cremated)                                                                                 \
    X(crematedFemale)                                                                           \
    X(died)                                                                                     \
    X(diedFemale)                                                                               \
    X(divorced)                                                                                 \
    X(divorcedFemale)                                                                           \
    X(separated)          /* every language uses its divorced word */                           \
    X(separatedFemale)                                                                          \
    X(engaged)                                                                                  \
    X(engagedFemale)                                                                            \
    X(married)            /* sentence opening for a marriage when the sex is not used */        \
    X(sheMarried)         /* sentence opening for a woman's marriage */                         \
    X(heMarried)          /* ... and for a man's */                                             \
    X(sheMarriedEarlier)  /* opening for an earlier marriage of the wife */                     \
    X(sheRemarried)       /* opening for a later marriage of the wife */                        \
    X(unofficially)       /* marks a union that is not an official marriage */                  \
    X(partnerUnknown)     /* sentence for a marriage without known partner */                   \
    X(generation)         /* headings and numbering */                                          \
    X(also)               /* introduces a further appearance of a person */                     \
    X(at)                 /* preposition before a place */                                      \
    X(with)               /* preposition before a partner */                                    \
    X(of)                 /* of the "son of" phrase */                                          \
    X(and_)               /* conjunction */                                                     \
    X(after)              /* before the date of marriage banns or licence */                    \
    X(dateArticle)        /* article before a full date; only French has one */                 \
    X(pedigreeTitle)                                                                            \
    X(outlineTitle)                                                                             \
    X(outlineLink)        /* link to the outline view */                                        \
    X(detailsLink)        /* link to the complete tableau */                                    \
    X(completeTableau)    /* tool tip of that link */                                           \
    X(genealogyTitle)                                                                           \
    X(maleLine)           /* a genealogy that follows sons only */                              \
    X(sameNamesOnly)      /* a genealogy limited to the proband's surname */                    \
    X(man)                /* noun */                                                            \
    X(woman)              /* noun */                                                            \
    X(male)               /* adjective */                                                       \
    X(female)             /* adjective */                                                       \
    X(son)                                                                                      \
    X(daughter)                                                                                 \
    X(children)           /* heading of a list of children */                                   \
    X(seeHusband)         /* cross-reference from a wife to her husband's entry */              \
    X(pedigreeLoss)       /* label of the pedigree-loss figure */                               \
    X(clickHint)          /* hint under a chart */                                              \
    X(aboutPage)                                                                                \
    X(gotoProband)                                                                              \
    X(start)                                                                                    \
    X(home)                                                                                     \
    X(tableau)                                                                                  \
    X(codePage)           /* Windows code page as decimal text: "1252", Polish "1250" */        \
    X(month1)                                                                                   \
    X(month2)                                                                                   \
    X(month3)                                                                                   \
    X(month4)                                                                                   \
    X(month5)                                                                                   \
    X(month6)                                                                                   \
    X(month7)                                                                                   \
    X(month8)                                                                                   \
    X(month9)                                                                                   \
    X(month10)                                                                                  \
    X(month11)                                                                                  \
    X(month12)                                                                                  \
    X(dateBefore)         /* the words for the GEDCOM date qualifiers ... */                    \
    X(dateBef)                                                                                  \
    X(dateAfter)                                                                                \
    X(dateAft)                                                                                  \
    X(dateAbout)                                                                                \
    X(dateAbt)                                                                                  \
    X(dateBetween)                                                                              \
    X(dateBet)                                                                                  \
    X(dateAnd)                                                                                  \
    X(dateFrom)                                                                                 \
    X(dateTo)                                                                                   \
    X(dateEstimated)                                                                            \
    X(dateEst)                                                                                  \
    X(dateCalculated)                                                                           \
    X(dateCal)            /* ... up to here, in the order of kDateQualifiers */

enum class PhraseSlot : int {
#define LG_SLOT_ENUMERATOR(name) name,
    LG_PHRASE_SLOTS(LG_SLOT_ENUMERATOR)
#undef LG_SLOT_ENUMERATOR
    Count_
};
// clang-format on
inline constexpr int kPhraseSlotCount = static_cast<int>(PhraseSlot::Count_);

// The slot's name as declared ("born", "and_"), for diagnostics.
std::string_view PhraseSlotName(PhraseSlot slot);

// What a language's table stores into one slot: a text, a copy of an
// earlier slot, or nothing (the slot stays empty unless a default rule of
// the construction fills it).
struct PhraseCell {
    constexpr PhraseCell() = default;
    // Implicit, so that a table writes a plain text for its cell.
    constexpr PhraseCell(const char* storedText) : text(storedText) {}  // NOLINT
    const char* text = nullptr;
    PhraseSlot copyOf = PhraseSlot::Count_;  // Count_: no copy
    bool Stored() const { return text != nullptr || copyOf != PhraseSlot::Count_; }
};
// A cell that copies the slot's value as stored so far.
constexpr PhraseCell Same(PhraseSlot slot) {
    PhraseCell cell;
    cell.copyOf = slot;
    return cell;
}

// One cell per slot; language tables name the cells they store.
struct PhraseTable {
#define LG_SLOT_CELL(name) PhraseCell name{};
    LG_PHRASE_SLOTS(LG_SLOT_CELL)
#undef LG_SLOT_CELL
};

// The table's cell for the slot.
const PhraseCell& CellOf(const PhraseTable& table, PhraseSlot slot);

// The grammar rules in which a language departs from the common ones.
struct GrammarRules {
    bool elideOf = false;         // French: "d'" before a vowel, else "de "
    bool parentsChildOf = false;  // Finnish: "vanhemmat - " for son and daughter alike
    bool eBeforeI = false;        // Spanish: "e" instead of "y" before I
    bool capitalise = true;       // Icelandic keeps every word as stored
};

// One output language as data.
struct LanguageDefinition {
    // The language's own name, then other accepted names after slashes
    // ("nederlands/dutch"); code page 1252.
    std::string_view listEntry;
    GrammarRules rules;
    PhraseTable phrases;
};

// The fifteen languages in the order the main window lists them.
std::span<const LanguageDefinition> LanguageDefinitions();

// GEDCOM date qualifiers in the order the date translation replaces them,
// each with the slot that translates it.
struct DateQualifier {
    std::string_view keyword;
    PhraseSlot slot;
};
inline constexpr std::array<DateQualifier, 15> kDateQualifiers{{
    {"BEFORE", PhraseSlot::dateBefore},
    {"BEF", PhraseSlot::dateBef},
    {"AFTER", PhraseSlot::dateAfter},
    {"AFT", PhraseSlot::dateAft},
    {"ABOUT", PhraseSlot::dateAbout},
    {"ABT", PhraseSlot::dateAbt},
    {"BETWEEN", PhraseSlot::dateBetween},
    {"BET", PhraseSlot::dateBet},
    {"AND", PhraseSlot::dateAnd},
    {"FROM", PhraseSlot::dateFrom},
    {"TO", PhraseSlot::dateTo},
    {"ESTIMATED", PhraseSlot::dateEstimated},
    {"EST", PhraseSlot::dateEst},
    {"CALCULATED", PhraseSlot::dateCalculated},
    {"CAL", PhraseSlot::dateCal},
}};
inline constexpr std::array<std::string_view, 12> kMonthKeywords{
    "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// The texts of a language, one member per slot, each 8-bit in the
// language's code page.
struct PhraseTexts {
    // clang-format off
#define LG_SLOT_MEMBER(name) std::string name;
    LG_PHRASE_SLOTS(LG_SLOT_MEMBER)
#undef LG_SLOT_MEMBER
    // clang-format on
};

// The phrase table and language-specific operations of one output language.
// Built once from its definition; afterwards only read.
class Tlanguage : public PhraseTexts, public DateQualifiers {
  public:
    // Stores the table's cells in slot order, then fills the female forms,
    // the date defaults and capitalises the words that open sentences.
    explicit Tlanguage(const LanguageDefinition& definition);

    std::string& Slot(PhraseSlot slot);
    const std::string& Slot(PhraseSlot slot) const;

    // The name the language setting uses for this language ("nederlands").
    const std::string& Name() const { return name_; }
    // The charset the pages declare: "windows-" + codePage.
    std::string Charset() const { return "windows-" + codePage; }

    // Sex-dependent words: the male slot when isMale, else the female one.
    const std::string& Adopted(bool isMale) const { return isMale ? adopted : adoptedFemale; }
    const std::string& Legitimated(bool isMale) const {
        return isMale ? legitimated : legitimatedFemale;
    }
    const std::string& Born(bool isMale) const { return isMale ? born : bornFemale; }
    const std::string& Buried(bool isMale) const { return isMale ? buried : buriedFemale; }
    const std::string& Christened(bool isMale) const {
        return isMale ? christened : christenedFemale;
    }
    const std::string& Cremated(bool isMale) const { return isMale ? cremated : crematedFemale; }
    const std::string& Died(bool isMale) const { return isMale ? died : diedFemale; }
    const std::string& Divorced(bool isMale) const { return isMale ? divorced : divorcedFemale; }
    const std::string& Separated(bool isMale) const { return isMale ? separated : separatedFemale; }
    const std::string& Engaged(bool isMale) const { return isMale ? engaged : engagedFemale; }
    const std::string& Married(bool isMale) const { return isMale ? heMarried : sheMarried; }
    const std::string& SonOrDaughter(bool isMale) const { return isMale ? son : daughter; }

    // The word for "of" followed by the name ("of Jan", French "d'Anne").
    std::string OfPhrase(std::string_view name) const;
    // "son of"/"daughter of" the parent ("fille de Jean").
    std::string ChildOfPhrase(bool isSon, std::string_view name) const;
    // The word for "and" followed by the word ("and Mary", Spanish "e Isabel").
    std::string AndPhrase(std::string_view word) const;

    // A GEDCOM date value in the output language ("ABT 12 MAR 1850" gives
    // "about 12 March 1850"): the first occurrence of each qualifier that
    // begins a word and the first month keyword in calendar order are
    // translated, the rest is lower-cased, leading zeros and dashes glued to
    // a number are dropped, and French puts "le" before a day. Never fails:
    // text that is no GEDCOM date comes back in lower case.
    std::string TranslateDate(std::string_view gedcomDate) const;
    // The keyword of the first qualifier slot, in slot order, whose
    // (non-empty) text occurs in the translated date; empty when none.
    std::string_view QualifierOf(std::string_view date) const override;

    // The place of an event introduced by the preposition `at`, or the place
    // alone when placeNameBrackets (the caller puts it in brackets). A Dutch
    // word of uncertainty ("waarschijnlijk Leiden") takes the preposition
    // after it, with or without brackets, when a place name of at least two
    // characters follows it.
    std::string PlacePhrase(std::string_view place, bool placeNameBrackets) const;

  private:
    void StoreCells(const PhraseTable& table);
    void SetFemaleForms(const PhraseTable& table);
    void FillDateDefaults();
    void CapitaliseSentenceWords();
    std::string LowerCase(std::string_view text) const;
    void AddFrenchArticle(std::string& date) const;

    // The date qualifiers' keywords and words as TranslateDate replaces
    // them, made once: dates are translated for every box of a chart.
    void PrepareDateWords();
    std::array<std::string, kDateQualifiers.size()> qualifierKeys_;   // "ABT "
    std::array<std::string, kDateQualifiers.size()> qualifierWords_;  // "ABOUT "
    std::string afterWord_;
    std::string beforeWord_;

    GrammarRules rules_;
    std::string name_;
};

// Builds the language the setting names, compared exactly with the names of
// LanguageNames(). An unknown name is reported as an error line and gives
// null.
std::unique_ptr<Tlanguage> CreateLanguage(std::string_view name, Reporter& reporter);

// The languages' own names in list order ("nederlands", "english", ...),
// code page 1252: what the main window offers and CreateLanguage accepts.
const std::vector<std::string>& LanguageNames();

}  // namespace lg
