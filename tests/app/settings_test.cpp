#include "app/settings.h"

#include <gtest/gtest.h>

#include "base/help_texts.h"
#include "support/test_support.h"

namespace lg {
namespace {

void AddPerson(TindividualList& persons, std::string id) {
    auto person = std::make_unique<Tindividual>();
    person->ID = std::move(id);
    persons.Add(std::move(person));
}

TEST(Settings, StartUpRecordsComeFromTheFactoryDefaults) {
    Settings settings;
    for (int i = 0; i < kSavedChartTypeCount; ++i)
        EXPECT_EQ(settings.records[i], FactoryDefaults(static_cast<ChartType>(i))) << i;
    // The timeline is the pedigree's record but for its own page name.
    Tvariables timeline = settings.Record(ChartType::Timeline);
    timeline.output = FactoryDefaults(ChartType::Pedigree).output;
    EXPECT_EQ(timeline, FactoryDefaults(ChartType::Pedigree));
    EXPECT_EQ(settings.current, settings.Record(ChartType::Pedigree));
    // Each chart type keeps its own help pages.
    const Tvariables& kinship = settings.Record(ChartType::Kinship);
    EXPECT_EQ(kinship.helpTitle1, "Kinship theory");
    EXPECT_EQ(kinship.helpText1, KinshipHelp());
    EXPECT_EQ(kinship.helpText2, KinshipOutputHelp());
    EXPECT_EQ(settings.Record(ChartType::Genealogy).helpText1, GenealogyHelp());
}

TEST(Settings, LoadCurrentMarksEveryPersonFromTheLists) {
    TindividualList persons;
    for (const char* id : {"I3", "I1", "I2", "I20"}) AddPerson(persons, id);
    persons.SortByID();
    persons[0].nameCode = '4';  // I1: stale mark from an earlier record
    persons[0].highlighted = true;

    Settings settings;
    Tvariables record = settings.Record(ChartType::Genealogy);
    record.namecodes = {"I2/0", "I20/3", "I9/1"};
    record.highlights = {"I20", "I3"};
    LoadCurrent(settings, record, persons);
    EXPECT_EQ(settings.current, record);
    std::string codes, marks;
    for (const auto& p : persons) {
        codes += p->nameCode ? p->nameCode : '-';
        marks += p->highlighted ? 'h' : '-';
    }
    EXPECT_EQ(codes, "-03-");  // I1 I2 I20 I3
    EXPECT_EQ(marks, "--hh");
}

TEST(Settings, StoreCurrentFlagsOnlyRealChanges) {
    TindividualList persons;
    Settings settings;
    Tvariables& pedigree = settings.Record(ChartType::Pedigree);
    StoreCurrent(settings, pedigree);
    EXPECT_FALSE(pedigree.modified);

    settings.current.boxwidth = 99;
    settings.current.namecodes = {"I1/0"};
    StoreCurrent(settings, pedigree);
    EXPECT_TRUE(pedigree.modified);
    EXPECT_EQ(pedigree.boxwidth, 99);
    EXPECT_EQ(pedigree.namecodes, SortedStrings{"I1/0"});
    // Storing the same values again keeps the flag: the file is still unsaved.
    StoreCurrent(settings, pedigree);
    EXPECT_TRUE(pedigree.modified);

    // Switching types keeps each type's values apart.
    SelectChartType(settings, ChartType::Offspring, persons);
    EXPECT_EQ(settings.options.charttype, ChartType::Offspring);
    EXPECT_EQ(settings.current.namingscheme, "z3");
    EXPECT_TRUE(settings.current.namecodes.empty());
    settings.current.yspace = 5;
    SelectChartType(settings, ChartType::Pedigree, persons);
    EXPECT_EQ(settings.current.boxwidth, 99);
    EXPECT_EQ(settings.Record(ChartType::Offspring).yspace, 5);
    EXPECT_TRUE(settings.Record(ChartType::Offspring).modified);
    EXPECT_TRUE(settings.changed);
}

TEST(Settings, DefaultsCommandRestoresTheCurrentTypeOnly) {
    TindividualList persons;
    AddPerson(persons, "I1");
    persons.SortByID();
    Settings settings;
    SelectChartType(settings, ChartType::Genealogy, persons);
    settings.current.boxheight = 1;
    settings.current.namecodes = {"I1/0"};
    LoadCurrent(settings, settings.current, persons);
    EXPECT_EQ(persons[0].nameCode, '0');
    settings.Record(ChartType::Pedigree).boxheight = 2;
    settings.changed = false;

    ResetToDefaults(settings, persons);
    EXPECT_EQ(settings.current, FactoryDefaults(ChartType::Genealogy));
    EXPECT_EQ(persons[0].nameCode, 0);
    EXPECT_TRUE(settings.changed);
    EXPECT_EQ(settings.Record(ChartType::Pedigree).boxheight, 2);

    settings.options.charttype = ChartType::Timeline;
    ResetToDefaults(settings, persons);
    EXPECT_EQ(settings.current, FactoryDefaults(ChartType::Timeline));
}

TEST(Settings, ReadNumberEditAcceptsOnlyNumbersInRange) {
    struct Case {
        const char* text;
        bool valid;
        int32_t stored;
    };
    const Case cases[] = {
        {"12", true, 12},     {" 7 ", true, 7},           {"+8", true, 8},     {"0", true, 0},
        {"9999", true, 9999}, {"50", true, 50},           {"-3", false, 50},   {"abc", false, 50},
        {"", false, 50},      {"1 2", false, 50},         {"12px", false, 50}, {"+-4", false, 50},
        {"10000", false, 50}, {"99999999999", false, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        test::FakeHost host;
        int32_t field = 50;
        bool changed = false;
        EXPECT_EQ(ReadNumberEdit(c.text, field, changed, host), c.valid);
        EXPECT_EQ(field, c.stored);
        EXPECT_EQ(changed, c.stored != 50);
        if (c.valid) {
            EXPECT_TRUE(host.boxes.empty());
        } else {
            EXPECT_EQ(host.boxes,
                      std::vector<std::string>{std::string(c.text) + " is not a valid number."});
        }
    }
}

}  // namespace
}  // namespace lg
