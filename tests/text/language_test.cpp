#include "text/language.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

#include "base/reporter.h"
#include "support/test_support.h"

namespace lg {
namespace {

// Languages by the name the setting uses, built once for the whole file.
const Tlanguage& Lang(std::string_view name) {
    static std::map<std::string, std::unique_ptr<Tlanguage>, std::less<>> built;
    auto found = built.find(name);
    if (found != built.end()) return *found->second;
    test::FakeHost host;
    Reporter reporter(host);
    auto language = CreateLanguage(name, reporter);
    if (!language) throw std::runtime_error("no language " + std::string(name));
    return *built.emplace(std::string(name), std::move(language)).first->second;
}

// clang-format off
constexpr const char* kFrench = "fran\xE7" "ais";
constexpr const char* kSpanish = "espa\xF1" "ol";
constexpr const char* kIcelandic = "\xED" "slenska";
constexpr const char* kBokmal = "norsk bokm\xE5l";
// clang-format on

struct DateCase {
    const char* language;
    const char* gedcom;
    const char* expected;
};

TEST(TranslateDate, QualifiersMonthsNumbersAndArticles) {
    const DateCase cases[] = {
        {"english", "abt 12 mar 1850", "about 12 March 1850"},  // keywords in any case
        {"english", "EST 1700", "about 1700"},
        {"english", "CAL 1700", "about 1700"},
        {"english", "ESTIMATED 1700", "about 1700"},
        {"english", "BEFORE 1800", "before 1800"},
        {"english", ">=1900", "after 1900"},  // ">=" before ">", or "=" would stay
        {"english", "<=1900", "before 1900"},
        {"english", "<1900", "before 1900"},
        {"english", "1850 MAY", "1850 May"},
        {"english", "12MAR1850", "12March 1850"},  // a digit right after the month
        // Only the first month keyword in calendar order is translated.
        {"english", "FROM 1 JAN 1900 TO 1 FEB 1901", "from 1 Jan 1900 to 1 feb 1901"},
        {"english", "FROM 1 FEB 1900 TO 1 JAN 1901", "from 1 feb 1900 to 1 Jan 1901"},
        // A keyword inside a word is passed over; the next month still counts.
        {"english", "12 JANUARY 1850", "12 january 1850"},
        {"english", "JANUARY 5 MAR 1850", "january 5 March 1850"},
        {"nederlands", "BEF 3 JAN 1800", "voor 3 jan 1800"},
        {"nederlands", "FROM 1900 TO 1910", "van 1900 tot 1910"},
        {"deutsch", "12 MAR 1850", "12 M\xE4rz 1850"},
        {kSpanish, "AFT 1850", "despu\xE9s 1850"},  // accented words survive the case changes
        {kSpanish, "ABT DEC 1850", "cerca de dic 1850"},
        {"suomi", "12 MAR 1850", "12 maaliskuuta 1850"},
        // Finnish has no word for FROM, and its word for TO is a dash.
        {"suomi", "FROM 1850 TO 1860", " 1850 - 1860"},
        {"suomi", "TO 1860", "- 1860"},
        // Keywords inside words belong to free text.
        {"nederlands", "(PHOTO 1900)", "(photo 1900)"},
        {"nederlands", "ISLAND 1850", "island 1850"},
        {"polski", "ABT 1850", "oko\xB3o 1850"},
        {"polski", "12 OCT 1850", "12 Pa\x9F 1850"},
        // Leading zeros, stray dashes and free text.
        {"english", "05 JUN 1901", "5 June 1901"},
        {"english", "0 1850", " 1850"},
        {"english", "1900", "1900"},  // the first zero follows a digit
        {"english", "1/05/1850", "1/5/1850"},
        {"english", "1-05-1850", "1-5-1850"},
        {"english", "00 1850", " 1850"},
        {"english", "-5 MAY 1900", "5 May 1900"},
        {"english", "--1900", "1900"},
        {"english", "1850 - 1860", "1850 - 1860"},  // a dash between blanks is a word
        {"english", "", ""},
        {"english", "(Unknown)", "(unknown)"},
        {"english", "\xC9T\xC9 1850", "\xE9t\xE9 1850"},  // accented capitals in code page 1252
        // clang-format off
        {"polski", "\xA3" "ATO 1850", "\xB3" "ato 1850"},  // ... and in code page 1250
        // clang-format on
        // The French article only before a day.
        {kFrench, "1 MAY 1900", "le 1 mai 1900"},
        {kFrench, "01 AUG 1850", "le 1 aout 1850"},
        {kFrench, "1 2 1900", "le 1 2 1900"},  // a day before another number
        {kFrench, "MAY 1900", "mai 1900"},
        {kFrench, "1850", "1850"},
        {kFrench, "32 MAY 1900", "32 mai 1900"},
        {kFrench, "1 ABCD", "1 abcd"},
        {kFrench, "ABT 1 MAY 1900", "env. 1 mai 1900"},
        {kFrench, "BET 1850 AND 1860", "entre 1850 et 1860"},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(Lang(c.language).TranslateDate(c.gedcom), c.expected)
            << c.language << ": " << c.gedcom;
}

TEST(TranslateDate, NumberedMonthsMakeDashedDates) {
    Tlanguage numbered = Lang("english");
    numbered.month3 = "3";
    EXPECT_EQ(numbered.TranslateDate("12 MAR 1850"), "12-3-1850");
    EXPECT_EQ(numbered.TranslateDate("MAR 1850"), "3-1850");  // the opening dash is stray
    EXPECT_EQ(numbered.TranslateDate("12 MAY 1850"), "12 May 1850");
}

TEST(Language, FemaleFormsAndSexDependentWords) {
    const Tlanguage& english = Lang("english");
    EXPECT_EQ(english.Married(false), "She married");
    EXPECT_EQ(english.Married(true), "He married");
    EXPECT_EQ(english.SonOrDaughter(false), "daughter");
    // clang-format off
    EXPECT_EQ(Lang(kFrench).Died(false), "d\xE9" "c\xE9" "d\xE9" "e");
    EXPECT_EQ(Lang(kFrench).Separated(false), "divorc\xE9" "e");
    EXPECT_EQ(Lang(kFrench).Separated(true), "divorc\xE9");
    EXPECT_EQ(Lang(kIcelandic).Separated(false), "skilinn");  // the male word
    EXPECT_EQ(Lang(kIcelandic).Divorced(false), "skilin");
    EXPECT_EQ(Lang("polski").Married(false), "O\xBF" "eni\xB3" "a si\xEA");
    // clang-format on

    const std::set<std::string_view> ownFemaleForms = {kFrench, "italiano", "furlan", kIcelandic,
                                                       "polski"};
    for (const std::string& name : LanguageNames()) {
        const Tlanguage& l = Lang(name);
        EXPECT_EQ(l.Separated(true), l.Divorced(true)) << name;
        if (ownFemaleForms.contains(name)) {
            EXPECT_NE(l.Born(false), l.Born(true)) << name;
            continue;
        }
        for (auto getter :
             {&Tlanguage::Adopted, &Tlanguage::Legitimated, &Tlanguage::Born, &Tlanguage::Buried,
              &Tlanguage::Christened, &Tlanguage::Cremated, &Tlanguage::Died, &Tlanguage::Divorced,
              &Tlanguage::Separated, &Tlanguage::Engaged}) {
            EXPECT_EQ((l.*getter)(false), (l.*getter)(true)) << name;
            EXPECT_FALSE((l.*getter)(false).empty()) << name;
        }
    }
}

TEST(Language, DefaultDateWordsAndSentenceCapitals) {
    // Date words a table leaves out are the common ones.
    EXPECT_EQ(Lang("english").dateCal, "about");
    EXPECT_EQ(Lang(kIcelandic).dateEst, "um");
    // Only the words that open sentences get a capital.
    EXPECT_EQ(Lang(kBokmal).generation, "Generasjon");
    EXPECT_EQ(Lang("english").at, "at");
    EXPECT_EQ(Lang("suomi").clickHint, "Klikkaa nimilaatikkoa linkkin\xE4 tekstiin");
}

TEST(Language, GrammarOperationsAndTheirLanguageRules) {
    const Tlanguage& french = Lang(kFrench);
    EXPECT_EQ(french.OfPhrase("Anne"), "d'Anne");
    EXPECT_EQ(french.OfPhrase("Yves"), "d'Yves");
    EXPECT_EQ(french.OfPhrase("anne"), "d'anne");
    EXPECT_EQ(french.OfPhrase("Henri"), "de Henri");  // h is no vowel here
    EXPECT_EQ(french.OfPhrase(""), "de ");
    EXPECT_EQ(french.ChildOfPhrase(false, "Jean"), "fille de Jean");
    EXPECT_EQ(french.ChildOfPhrase(true, "Anne"), "fils d'Anne");
    EXPECT_EQ(Lang("italiano").OfPhrase("Anna"), "di Anna");  // no elision outside French
    EXPECT_EQ(Lang("nederlands").ChildOfPhrase(false, "Piet"), "dochter van Piet");
    EXPECT_EQ(Lang("suomi").ChildOfPhrase(false, "Matti"), "vanhemmat - Matti");

    const Tlanguage& spanish = Lang(kSpanish);
    EXPECT_EQ(spanish.AndPhrase("Isabel"), "e Isabel");
    EXPECT_EQ(spanish.AndPhrase("isabel"), "e isabel");
    EXPECT_EQ(spanish.AndPhrase("Juan"), "y Juan");
    EXPECT_EQ(spanish.AndPhrase("Hilda"), "y Hilda");
    EXPECT_EQ(spanish.AndPhrase(""), "y ");
    EXPECT_EQ(Lang("italiano").AndPhrase("Ida"), "e Ida");
}

TEST(Language, PlacePhrase) {
    const Tlanguage& dutch = Lang("nederlands");
    struct Case {
        const char* place;
        bool brackets;
        const char* expected;
    };
    const Case cases[] = {
        {"Leiden", false, "te Leiden"},
        {"Leiden", true, "Leiden"},
        {"", false, "te"},
        {"waarschijnlijk Leiden", false, "waarschijnlijk te Leiden"},
        {"waarschijnlijk Leiden", true, "waarschijnlijk te Leiden"},
        {"waarschijnl. Leiden", false, "waarschijnl. te Leiden"},
        {"Leiden of waarsch. Delft", false, "Leiden of waarsch. te Delft"},
        {"vermoedelijk Delft", false, "vermoedelijk te Delft"},
        {"verm. Delft", false, "verm. te Delft"},
        {"waarsch. Ee", false, "waarsch. te Ee"},
        {"waarsch. E", false, "te waarsch. E"},  // too little place after the word
        {"waarschijnlijk", false, "te waarschijnlijk"},
        {"Overmere, Belgie", false, "te Overmere, Belgie"},  // "verm" inside a name
        {"Waarschijnlijk Leiden", false, "te Waarschijnlijk Leiden"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dutch.PlacePhrase(c.place, c.brackets), c.expected) << c.place;
    EXPECT_EQ(Lang("english").PlacePhrase("London", false), "at London");
    EXPECT_EQ(Lang("suomi").PlacePhrase("Turku", false), "Turku");
}

TEST(CreateLanguage, AcceptsTheListedNamesExactly) {
    const std::vector<std::string>& names = LanguageNames();
    ASSERT_EQ(names.size(), 15u);
    EXPECT_EQ(names.front(), "nederlands");

    test::FakeHost host;
    Reporter reporter(host);
    for (const std::string& name : names) {
        auto language = CreateLanguage(name, reporter);
        ASSERT_NE(language, nullptr) << name;
        EXPECT_EQ(language->Name(), name);
    }
    EXPECT_TRUE(host.messages.empty()) << host.AllMessages();
    EXPECT_EQ(reporter.RunState(), kRunNormal);

    for (const char* other : {"latin", "English", "english ", ""}) {
        EXPECT_EQ(CreateLanguage(other, reporter), nullptr) << other;
        EXPECT_EQ(host.messages.back(),
                  "*** Language = \"" + std::string(other) + "\" is not supported.");
    }
    EXPECT_EQ(reporter.RunState(), kRunError);
}

// One pass over every table: what the construction keeps, copies and leaves empty.
TEST(LanguageTables, TextsAreStoredSingleByteAndFilledWhereTheLanguageHasAWord) {
    // The slots each language leaves empty on purpose; the others only dateArticle.
    const std::map<std::string_view, std::set<std::string_view>> empty = {
        {"english", {"with", "dateArticle"}},
        {kFrench, {"partnerUnknown"}},
        {"suomi", {"at", "with", "dateArticle", "dateBetween", "dateBet", "dateFrom"}},
        {"furlan", {"with", "dateArticle"}},
        {kIcelandic, {"with", "dateArticle", "sameNamesOnly"}},
    };
    for (const LanguageDefinition& definition : LanguageDefinitions()) {
        Tlanguage l(definition);
        SCOPED_TRACE(l.Name());
        const auto listed = empty.find(l.Name());
        const std::set<std::string_view> wanted =
            listed != empty.end() ? listed->second : std::set<std::string_view>{"dateArticle"};
        std::set<std::string_view> found;
        for (int i = 0; i < kPhraseSlotCount; ++i) {
            const auto slot = static_cast<PhraseSlot>(i);
            const PhraseCell& cell = CellOf(definition.phrases, slot);
            const std::string& text = l.Slot(slot);
            if (text.empty()) found.insert(PhraseSlotName(slot));
            // A copy of a later slot would copy an empty text.
            if (cell.copyOf != PhraseSlot::Count_) {
                EXPECT_LT(static_cast<int>(cell.copyOf), i) << PhraseSlotName(slot);
            }
            // A stored text stays as written, but for the capital of a sentence opening.
            if (cell.text != nullptr) {
                std::string capital = cell.text;
                if (!capital.empty() && capital[0] >= 'a' && capital[0] <= 'z')
                    capital[0] = static_cast<char>(capital[0] - 'a' + 'A');
                EXPECT_TRUE(text == cell.text || (definition.rules.capitalise && text == capital))
                    << PhraseSlotName(slot) << ": " << text;
            }
            // A UTF-8 lead byte followed by a continuation byte means the
            // source file's encoding leaked into the table.
            for (std::size_t k = 0; k + 1 < text.size(); ++k) {
                auto lead = static_cast<unsigned char>(text[k]);
                auto next = static_cast<unsigned char>(text[k + 1]);
                EXPECT_FALSE(lead >= 0xC3 && lead <= 0xC5 && next >= 0x80 && next <= 0xBF)
                    << PhraseSlotName(slot);
            }
        }
        EXPECT_EQ(found, wanted);
        EXPECT_EQ(l.Charset(), l.Name() == "polski" ? "windows-1250" : "windows-1252");
    }
}

}  // namespace
}  // namespace lg
