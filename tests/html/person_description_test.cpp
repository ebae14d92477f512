#include "html/person_description.h"

#include <gtest/gtest.h>

#include "database/gedcom_reader.h"
#include "support/test_support.h"

namespace lg {
namespace {

// An event only when some part of it is given.
std::unique_ptr<TEventRecord> Event(std::string_view tag, std::string_view date,
                                    std::string_view place) {
    if (date.empty() && place.empty()) return nullptr;
    auto event = std::make_unique<TEventRecord>();
    event->tag = MakeTag(tag);
    event->date = date;
    event->place = place;
    return event;
}

class PersonDescriptionTest : public ::testing::Test {
  protected:
    PersonDescriptionTest() {
        context.language = english.get();
        context.reporter = &reporter;
    }
    void Load(const std::vector<std::string>& records) {
        ASSERT_TRUE(ReadGedcom(dir.Write("t.ged", test::Gedcom(records)), db, reporter));
    }
    Tindividual& Person(std::string_view id) { return *db.persons.Find(id); }

    test::FakeHost host;
    Reporter reporter{host};
    std::unique_ptr<Tlanguage> english = CreateLanguage("english", reporter);
    DescriptionContext context;
    test::TempDir dir;
    Database db;
};

TEST_F(PersonDescriptionTest, EventTextByTagAndPlaceSettings) {
    struct Case {
        const char* tag;
        bool male;
        const char* date;
        const char* place;
        EventParts parts;
        int levels;
        bool brackets;
        const char* expected;
    };
    const auto all = EventParts::DateAndPlace;
    const Case cases[] = {
        {"BIRT", 1, "12 MAR 1850", "Leiden, ZH", all, 0, 0, "born 12 March 1850 at Leiden, ZH"},
        {"BIRT", 1, "12 MAR 1850", "Leiden, ZH", all, 1, 0, "born 12 March 1850 at Leiden"},
        {"BIRT", 1, "12 MAR 1850", "Leiden, ZH", all, 0, 1, "born (Leiden, ZH) 12 March 1850"},
        {"BIRT", 1, "1850", "Leiden, ", all, 0, 0, "born 1850 at Leiden"},
        {"BIRT", 1, "1850", "Leiden", EventParts::PlaceOnly, 0, 0, "born at Leiden"},
        {"BAPM", 0, "1850", "Leiden", EventParts::DateOnly, 0, 0, "christened 1850"},
        {"MARR", 1, "NOT MARRIED", "", all, 0, 0, "Married (unofficially)"},
        {"MARR", 0, "1900", "", all, 0, 0, "She married 1900"},
        {"EVEN", 1, "1900", "", all, 0, 0, "1900"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " " + c.date + " " + c.place);
        context.placeLevels = c.levels;
        context.placeNameBrackets = c.brackets;
        EXPECT_EQ(EventText(*Event(c.tag, c.date, c.place), c.male, c.parts, context), c.expected);
    }
}

TEST_F(PersonDescriptionTest, BirthAndDeathPartsByWhatIsRecorded) {
    struct Case {
        bool death;
        const char *date1, *place1, *date2, *place2, *expected;
    };
    const Case cases[] = {
        {0, "1850", "", "", "", "born 1850"},
        {0, "", "", "2 MAY 1850", "Delft", "christened 2 May 1850 at Delft"},
        {0, "", "Leiden", "1850", "", "born at Leiden, christened 1850"},
        {0, "", "Leiden", "", "Leiden", "born at Leiden"},
        {0, "1850", "Leiden", "", "Delft", "born 1850 at Leiden, christened at Delft"},
        {0, "", "Leiden", "1850", "Leiden", "christened 1850 at Leiden"},
        // Both dates: the more precise one leads, the birth when equal.
        {0, "1850?", "", "1850", "", "christened 1850"},
        {0, "MAY 1850", "", "2 MAY 1850", "", "christened 2 May 1850"},
        {0, "MAY 1850", "", "MAY 1850", "", "born May 1850"},
        {0, "ABT 1850", "Leiden", "2 MAY 1850", "", "born at Leiden, christened 2 May 1850"},
        {0, "1 MAY 1850", "", "2 MAY 1850", "Delft", "born 1 May 1850, christened at Delft"},
        {0, "1850", "Leiden", "2 MAY 1850", "Delft",
         "born at Leiden, christened 2 May 1850 at Delft"},
        {0, "1 MAY 1850", "Leiden", "1850", "Leiden", "born 1 May 1850 at Leiden"},
        {1, "", "Leiden", "", "Delft", "died at Leiden"},
        {1, "", "Leiden", "1900", "Delft", "buried 1900 at Delft"},
        {1, "1900", "Leiden", "3 MAY 1900", "Delft", "buried 3 May 1900 at Delft"},
        {1, "1900", "Leiden", "3 MAY 1900", "", "died at Leiden, buried 3 May 1900"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.date1) + "|" + c.place1 + "|" + c.date2 + "|" + c.place2);
        Tindividual p;
        (c.death ? p.death : p.birth) = Event(c.death ? "DEAT" : "BIRT", c.date1, c.place1);
        (c.death ? p.burial : p.christening) = Event(c.death ? "BURI" : "CHR", c.date2, c.place2);
        EXPECT_EQ(c.death ? DeathPart(p, context) : BirthPart(p, context), c.expected);
    }
}

TEST_F(PersonDescriptionTest, FullDataSettingsAndOtherLanguages) {
    Tindividual p;
    p.birth = Event("BIRT", "12 MAR 1850", "");
    p.christening = Event("CHR", "1850", "Delft");
    p.death = Event("DEAT", "1900", "");
    context.fullBaptiseData = true;
    EXPECT_EQ(BirthPart(p, context), "born 12 March 1850, christened 1850 at Delft");

    // The Italian "a" (to) is no qualifier inside "marzo": the day-precise
    // birth date keeps the lead.
    std::unique_ptr<Tlanguage> italian = CreateLanguage("italiano", reporter);
    context.language = italian.get();
    context.fullBaptiseData = false;
    EXPECT_EQ(BirthPart(p, context),
              EventText(*p.birth, false, EventParts::DateAndPlace, context) + ", " +
                  EventText(*p.christening, false, EventParts::PlaceOnly, context));
    // Octal escapes: the Latin-1 letters are followed by hex digits.
    std::unique_ptr<Tlanguage> french = CreateLanguage("fran\347ais", reporter);
    context.language = french.get();
    EXPECT_EQ(DeathPart(p, context), "d\351c\351d\351e 1900");
}

TEST_F(PersonDescriptionTest, DescriptionAndMarriageTexts) {
    Load({"0 @I1@ INDI", "1 NAME Jan van /Berg/ jr", "1 _ALI Johnny", "1 OCCU baker", "1 DEAT",
          "2 DATE 1900", "0 @I2@ INDI"});
    EXPECT_EQ(PersonDescription(Person("I1"), true, context),
              "<b>Jan van Berg jr (alias Johnny)</b>; baker, died 1900.");
    context.nameStyle = NameStyle::Formal;
    EXPECT_EQ(NameWithAlias(Person("I1"), context), "VAN BERG, Jan jr (alias Johnny)");
    EXPECT_EQ(PersonDescription(Person("I2"), false, context), ".");

    struct Case {
        const char *tag, *type, *date, *divorce, *expected;
    };
    const Case cases[] = {
        {"MARR", "", "1850", "", "1850 at Leiden"},
        {"MARB", "", "1850", "", "after 1850 at Leiden"},
        {"MARC", "", "1850", "", ""},
        {"MARR", "Partners", "1850", "", "(unofficially) 1850 at Leiden"},
        {"MARR", "", "1850", "1860", "1850 at Leiden, divorced 1860"},
        {"", "", "", "1860", "divorced 1860"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " " + c.date);
        Tfamily f;
        if (*c.tag) f.marriage = Event(c.tag, c.date, "Leiden");
        if (*c.type) f.marriage->eventType = c.type;
        f.divorce = Event("DIV", c.divorce, "");
        EXPECT_EQ(MarriageText(f, context), c.expected);
    }
}

TEST_F(PersonDescriptionTest, MarriagesNumberedWithTheChartMarriageLast) {
    // clang-format off
    Load({"0 @I1@ INDI", "1 NAME Kees /Smit/", "1 SEX M", "1 FAMS @F1@", "1 FAMS @F2@",
          "1 FAMS @F3@",
          "0 @I2@ INDI", "1 NAME Marie /Vos/", "1 FAMS @F1@",
          "0 @I3@ INDI", "1 NAME Anna /Dam/", "1 FAMS @F2@",
          "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 MARR", "2 DATE 1850",
          "0 @F2@ FAM", "1 HUSB @I1@", "1 WIFE @I3@",
          "0 @F3@ FAM", "1 HUSB @I1@", "1 MARR", "2 DATE 1870"});
    // clang-format on
    Tindividual& kees = Person("I1");
    MarriageVerb verb{"He married", "She married"};
    // The wife-less family does not make him his own spouse.
    EXPECT_EQ(MarriagesText(kees, verb, context),
              "He married (1) 1850 Marie Vos.<br>\r\nHe married (2) Anna Dam.<br>\r\n"
              "He married (3) 1870.");
    EXPECT_EQ(MarriagesText(Person("I3"), verb, context), "She married Kees Smit.");
    kees.chartPartnerID = "I2";
    EXPECT_EQ(MarriagesText(kees, verb, context),
              "He married (2) Anna Dam.<br>\r\nHe married (3) 1870.<br>\r\nHe married (1) 1850");
    EXPECT_EQ(host.AllMessages().find("twice"), std::string::npos);

    kees.famsList[1].family = kees.famsList[0].family;
    EXPECT_EQ(MarriagesText(kees, verb, context),
              "He married (3) 1870.<br>\r\nHe married (1) 1850<br>\r\nHe married (2) 1850");
    EXPECT_TRUE(host.HasMessage(
        "Kees Smit (gedcom ID=I1) and Marie Vos (gedcom ID=I2) seem to have married twice."))
        << host.AllMessages();
}

TEST_F(PersonDescriptionTest, WomanOtherMarriagesAroundTheChartMarriage) {
    Load({"0 @I1@ INDI", "1 NAME Marie /Vos/", "1 SEX F",     "1 FAMS @F1@",
          "1 FAMS @F2@", "1 FAMS @F3@",        "0 @I2@ INDI", "1 NAME Piet /Berg/",
          "0 @I3@ INDI", "1 NAME Jan /Smit/",  "0 @I4@ INDI", "1 NAME Wim /Dam/",
          "0 @I5@ INDI", "0 @F1@ FAM",         "1 HUSB @I2@", "1 WIFE @I1@",
          "1 MARR",      "2 DATE 1890",        "0 @F2@ FAM",  "1 HUSB @I3@",
          "1 WIFE @I1@", "0 @F3@ FAM",         "1 HUSB @I4@", "1 WIFE @I1@"});
    Tindividual& marie = Person("I1");
    EXPECT_EQ(OtherMarriagesText(marie, context),
              "She married 1890 Piet Berg.<br>\r\nShe married Jan Smit.<br>\r\n"
              "She married Wim Dam.<br>\r\n");
    marie.chartPartnerID = "I3";
    EXPECT_EQ(OtherMarriagesText(marie, context),
              "She married earlier 1890 Piet Berg.<br>\r\nShe remarried Wim Dam.<br>\r\n");
    marie.famsList.resize(2);
    EXPECT_EQ(OtherMarriagesText(marie, context), "She married earlier 1890 Piet Berg.<br>\r\n");
    marie.famsList.erase(marie.famsList.begin());
    EXPECT_EQ(OtherMarriagesText(marie, context), "");
    EXPECT_EQ(OtherMarriagesText(Person("I5"), context), "");
    // A proband without a birth family is described alone.
    EXPECT_EQ(SiblingsParagraph(Person("I2"), context), "<b>Piet Berg</b>.");
}

}  // namespace
}  // namespace lg
