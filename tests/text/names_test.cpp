#include "text/names.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lg {
namespace {

Tindividual Person(std::string_view givenNames, std::string_view surname,
                   std::string_view patronym = "") {
    Tindividual p;
    p.givenNames = givenNames;
    p.surname = surname;
    p.patronym = patronym;
    return p;
}

TEST(Names, PhoneticKeys) {
    const std::pair<const char*, const char*> cases[] = {
        {"Bakker", "Bakar"},  // doubled letters count once; capitals stay
        {"Backer", "Bakar"},  // "ck" as "kk"
        {"Dijk", "Dak"},      // "ij" as "yy", then vowels alike
        {"Dyk", "Dak"},
        {"Schmidt", "Sgnat"},  // "ch" as "gg"
        {"quast", "kvast"},    // "qu" as "kw"
        {"Hoeck", "Hak"},
        {"Smith", "Snat"},  // "h" vanishes
        {"baaab", "paap"},  // a third equal letter in a row comes back
        {"hahb", "ap"},     // blanks drop and reset the collapse
        {"", ""},
    };
    for (const auto& [surname, key] : cases) EXPECT_EQ(PhoneticKey(surname), key) << surname;
}

TEST(Names, StripParticlesAndSameSurname) {
    const std::pair<const char*, const char*> stripped[] = {
        {"van der Berg", "Berg"},
        {"van Berg Jansen", "Jansen"},  // one more word goes when two are left
        {"Berg", "Berg"},
        {"van", "van"},
        {"'t Hart", "Hart"},
        {"de(n) Bosch", "Bosch"},
    };
    for (const auto& [surname, core] : stripped)
        EXPECT_EQ(StripParticles(surname), core) << surname;

    for (auto [a, b] : {std::pair{"Bakker", "Backer"},
                        {"van Dijk", "Dyk"},
                        {"Jansen", "Janssen"},
                        {"Smit", "Smith"},
                        {"", ""}})
        EXPECT_TRUE(SameSurname(a, b)) << a << " " << b;
    // "bakker": the capital is not mapped.
    for (auto [a, b] : {std::pair{"Berg", "Bergen"}, {"Bakker", "bakker"}, {"Dijk", ""}})
        EXPECT_FALSE(SameSurname(a, b)) << a << " " << b;
}

TEST(Names, DisplayNameFormsWithAndWithoutSurnameOrGivenNames) {
    const NameOptions roomy{100, true};
    const Tindividual jan = Person("Jan Pieter 'Piet' Klaas", "Berg");
    const std::pair<char, const char*> forms[] = {
        {'0', ""},         {'1', "Berg"}, {'2', "J  Berg"}, {'3', "Jan P  K "},
        {'4', "Jan Berg"}, {'5', ""},     {'9', ""},        {'\0', ""},
    };
    for (const auto& [digit, name] : forms)
        EXPECT_EQ(DisplayName(jan, digit, roomy), name) << digit;

    EXPECT_EQ(DisplayName(Person("Anna (Annie) Maria", "Wit"), '3', roomy), "Anna M ");
    EXPECT_EQ(DisplayName(Person("(Anna) Maria", "Wit"), '2', roomy), "A  Wit");

    const Tindividual noSurname = Person("Jan Pieter", "", "Jansz");
    EXPECT_EQ(DisplayName(noSurname, '1', {100, false}), "Jan");
    const std::pair<char, const char*> patronymForms[] = {
        {'1', "Jansz"}, {'2', "Jan Pieter"}, {'3', "Jan P "}, {'4', "Jan"}};
    for (const auto& [digit, name] : patronymForms)
        EXPECT_EQ(DisplayName(noSurname, digit, roomy), name) << digit;
    EXPECT_EQ(DisplayName(Person("Jan", ""), '1', roomy), "Jan");  // no patronym to use

    const Tindividual noGivenNames = Person("", "van der Berg");
    for (char digit : {'1', '2', '3', '4'})
        EXPECT_EQ(DisplayName(noGivenNames, digit, roomy), "van der Berg") << digit;
    EXPECT_EQ(DisplayName(Person("", ""), '3', roomy), "");

    // Shortened to the name length.
    EXPECT_EQ(DisplayName(Person("Jan", "van der Berg"), '2', {12, true}), "J  vd Berg");
}

// Letters the code page lacks are carried as references; each counts as one
// letter, both for initials and for the name length.
constexpr std::string_view kL = "&#321;";  // capital L with stroke
constexpr std::string_view kIvan = "&#1048;&#1074;&#1072;&#1085;";
constexpr std::string_view kPetrov = "&#1055;&#1077;&#1090;&#1088;&#1086;&#1074;";

std::string Cat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts) text += part;
    return text;
}

TEST(Names, InitialsOfLettersWrittenAsReferences) {
    const NameOptions roomy{100, true};
    const std::string lukasz = Cat({kL, "ukasz"});
    EXPECT_EQ(DisplayName(Person(lukasz, "Kowalski"), '2', roomy), Cat({kL, "  Kowalski"}));
    EXPECT_EQ(DisplayName(Person("&Eacute;mile", "Zola"), '2', roomy), "&Eacute;  Zola");
    EXPECT_EQ(DisplayName(Person(kIvan, kPetrov), '2', roomy), Cat({"&#1048;  ", kPetrov}));

    // Form 3: the later given names give their first letter, reference or not,
    // with the same blanks as plain initials ("Jan P  K ").
    EXPECT_EQ(DisplayName(Person(Cat({"Jan ", lukasz, " Klaas"}), "Berg"), '3', roomy),
              Cat({"Jan ", kL, "  K "}));
    EXPECT_EQ(DisplayName(Person(Cat({"Jan &Eacute;mile 'Mil' ", lukasz}), "Berg"), '3', roomy),
              Cat({"Jan &Eacute;  ", kL, " "}));
    EXPECT_EQ(DisplayName(Person(Cat({lukasz, " &Eacute;mile"}), "Berg"), '3', roomy),
              Cat({lukasz, " &Eacute; "}));
}

TEST(Names, ShortenName) {
    const std::string lukasz = Cat({kL, "ukasz"});         // six letters, eleven bytes
    const std::string kowal = Cat({"Jan Ko", kL, "ski"});  // ten letters
    const std::string ivanPetrov = Cat({kIvan, " ", kPetrov});
    struct Case {
        int32_t length;
        std::string name;
        std::string shortened;
    };
    const Case cases[] = {
        {16, "Jan van der Berg", "Jan van der Berg"},  // fits: untouched
        {12, "Jan van der Berg", "Jan vd Berg"},       // particles shrink and pair up
        {10, "Jan van der Berg", "Jan vd Be.."},       // then cut to length - 1 and ".."
        {8, "Jan Van Berg", "Jan v B.."},              // particles in any case
        {10, "Jan de(n) Berg", "Jan d Berg"},          // bracketed letter ignored
        {10, "Piet 't Hart", "Piet t Ha.."},           // letter after the apostrophe
        {5, "A B C Dijk", "AB C.."},                   // pairs, not runs, are joined
        {8, "J  van Berg", "J  v Be.."},               // two blanks: an empty word
        {8, "Jan P  K ", "Jan P  K"},                  // trailing blanks go
        {14, "(Johannes Berg)", "Johannes Berg"},      // brackets around everything
        {12, "(Jan) Berg Jansen", " Berg Jansen"},     // leading bracketed part
        {10, "Jan (Piet) Berg", "Jan   Berg"},         // inner bracketed part
        {10, "Jan (Pieter Berg", "Jan (Piet.."},       // unclosed: nothing dropped
        {2, "Berg", ".."},
        {0, "Berg", ".."},
        {INT32_MIN, "Berg", ".."},
        // Letters the code page lacks count as one and are never cut.
        {5, "&Eacute;mile Zola", "&Eacute;mil.."},
        {6, lukasz, lukasz},  // fits by letters though not by bytes
        {5, lukasz, Cat({kL, "uka.."})},
        {8, kowal, Cat({"Jan Ko", kL, ".."})},  // the reference is the last letter kept
        {7, kowal, "Jan Ko.."},                 // the cut falls before it, not inside
        {8, ivanPetrov, Cat({kIvan, " &#1055;&#1077;.."})},
        {5, ivanPetrov, Cat({kIvan, ".."})},
        // A reference with a long name is one character too, as the page
        // shows it; cutting by a shorter rule left "O&Dia.." in the box.
        {8, "Jan O&DiacriticalAcute;Brien", "Jan O&DiacriticalAcute;B.."},
        {11, "Jan O&DiacriticalAcute;Brien", "Jan O&DiacriticalAcute;Brien"},  // eleven letters
        // One-letter words pair up whatever their letter is written as.
        {12, Cat({"Jan ", kL, " van Berg"}), Cat({"Jan ", kL, "v Berg"})},
        // Brackets go by letters too: the name fits once they are gone.
        {13, Cat({kIvan, " (", kIvan, ") ", kPetrov}), Cat({kIvan, "   ", kPetrov})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortenName(c.name, c.length), c.shortened) << c.name << " / " << c.length;
}

}  // namespace
}  // namespace lg
