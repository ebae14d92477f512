#include "database/records.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lg {
namespace {

Tindividual Named(std::string_view fullName) {
    Tindividual p;
    p.fullName = fullName;
    SplitName(p);
    return p;
}

// Adds a record of the identifier that stood at the line of the file.
template <typename Record>
Record& Add(TrecordList<Record>& list, std::string id, int line = 0) {
    auto record = std::make_unique<Record>();
    record->ID = std::move(id);
    record->line = line;
    return list.Add(std::move(record));
}

TEST(Records, NameSplitting) {
    struct Case {
        const char* full;
        const char* given;
        const char* surname;
        const char* suffix;
    };
    const Case cases[] = {
        {"Jan van der /Berg/ jr", "Jan", "van der Berg", "jr"},
        {"Jan Willem", "Jan Willem", "", ""},
        {"Anna /Smit", "Anna", "Smit", ""},
        {"  /Dijk/  ", "", "Dijk", ""},
        {"Van /Dijk/", "Van", "Dijk", ""},        // one word: no blank before it
        {"Piet De /Wit/", "Piet", "De Wit", ""},  // tested in lower case here
        {"Anna Maria /Wit/", "Anna Maria", "Wit", ""},
        {"Jan 't /Hart/", "Jan", "'t Hart", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.full);
        Tindividual p = Named(c.full);
        EXPECT_EQ(p.givenNames, c.given);
        EXPECT_EQ(p.surname, c.surname);
        EXPECT_EQ(p.nameSuffix, c.suffix);
    }
}

TEST(Records, ListingAndNameAccessors) {
    Tindividual p = Named("Jan van der /Berg/ jr");
    p.ID = "I7";
    p.christening = std::make_unique<TEventRecord>();
    p.christening->date = "ABT 1850/51";
    EXPECT_EQ(p.IndexName(), "Berg jr, van der; Jan");
    EXPECT_EQ(p.ListingText(), "Berg jr, van der; Jan [1850]");
    EXPECT_EQ(p.FullName(NameStyle::Proper), "Jan van der Berg");
    EXPECT_EQ(p.FullName(NameStyle::Formal), "VAN DER BERG, Jan");
    EXPECT_EQ(p.IDAndName(NameStyle::Gedcom), "(I7) Jan van der Berg");
    EXPECT_EQ(p.InitialAndSurname(), "J  van der Berg");
    EXPECT_EQ(p.BirthYearText(), "1850");

    Tindividual noSurname = Named("Jan Pieter");
    noSurname.patronym = "Jansz";
    EXPECT_EQ(noSurname.FamilyName(true), "Jansz");
    EXPECT_EQ(noSurname.FamilyName(false), "Jan");
    EXPECT_EQ(noSurname.IndexName(), "Jansz; Jan Pieter");
    EXPECT_EQ(noSurname.SurnameOrPatronym(), "Jansz");
    EXPECT_EQ(noSurname.InitialAndSurname(), "Jan Pieter");
    EXPECT_EQ(noSurname.BirthYearSuffix(), "");

    EXPECT_EQ(Initial("('t"), "t ");
    EXPECT_EQ(Initial("''"), "' ");
    EXPECT_EQ(Initial(""), "");
}

TEST(Records, InitialOfALetterWrittenAsReference) {
    // A letter the code page lacks is carried as a reference; the initial is
    // the whole reference, never its "&".
    const std::pair<const char*, const char*> initials[] = {
        {"&#321;ukasz", "&#321; "},      {"&#x141;ukasz", "&#x141; "},
        {"&Eacute;mile", "&Eacute; "},   {"&#1048;&#1074;&#1072;&#1085;", "&#1048; "},
        {"(&#321;ukasz)", "&#321; "},                            // the bracket is skipped as before
        {"'&Eacute;mile'", "&Eacute; "}, {"&#321;", "&#321; "},  // a name of one letter
        {"&amp; Co", "&amp; "},          {"&eacute", "& "},  // no ";": no reference, so a plain "&"
    };
    for (const auto& [word, initial] : initials) EXPECT_EQ(Initial(word), initial) << word;

    const Tindividual lukasz =
        Named("&#321;ukasz Jan /&#1055;&#1077;&#1090;&#1088;&#1086;&#1074;/");
    EXPECT_EQ(lukasz.InitialAndSurname(), "&#321;  &#1055;&#1077;&#1090;&#1088;&#1086;&#1074;");
}

TEST(Records, StillbornAndYears) {
    Tindividual p;
    EXPECT_TRUE(p.IsStillborn());  // no dates at all count as equal
    p.birth = std::make_unique<TEventRecord>();
    p.birth->date = "1 JAN 1900";
    EXPECT_FALSE(p.IsStillborn());
    p.birth->eventType = "Stillborn child";
    EXPECT_TRUE(p.IsStillborn());
    p.death = std::make_unique<TEventRecord>();
    p.death->date = "BET 1950 AND 1960";
    p.ComputeYears();
    EXPECT_EQ(p.birthYear, 1900);
    EXPECT_EQ(p.deathYear, 1960);
}

TEST(Records, SortAndFindAreOrdinal) {
    TindividualList list;
    EXPECT_EQ(list.Find("I1"), nullptr);
    for (const char* id : {"I9", "I10", "i1", "I2", "I100"}) Add(list, id);
    list.SortByID();
    std::string order;
    for (const auto& p : list) order += p->ID + " ";
    EXPECT_EQ(order, "I10 I100 I2 I9 i1 ");
    for (const char* id : {"I9", "I10", "i1", "I2", "I100"}) EXPECT_EQ(list.Find(id)->ID, id);
    EXPECT_EQ(list.Find("I3"), nullptr);
    EXPECT_EQ(list.Find("z"), nullptr);  // beyond the last: no search
    EXPECT_EQ(list.Find("A"), nullptr);
}

TEST(Records, SharedIdentifiersResolveToTheFirstRecordInTheFile) {
    // The tag says where each record stood in the file. Checked with the
    // index SortByID builds over a shuffled list, and with the plain
    // bisection of a list that was filled in order.
    for (bool indexed : {true, false}) {
        SCOPED_TRACE(indexed);
        using Record = std::pair<const char*, const char*>;
        const std::vector<Record> shuffled = {{"D", "d1"}, {"B", "b1"}, {"A", "a"}, {"B", "b2"},
                                              {"C", "c"},  {"D", "d2"}, {"B", "b3"}};
        const std::vector<Record> ordered = {{"A", "a"}, {"B", "b1"}, {"B", "b2"}, {"B", "b3"},
                                             {"C", "c"}, {"D", "d1"}, {"D", "d2"}};
        TfamilyList list;
        for (const auto& [id, tag] : indexed ? shuffled : ordered) Add(list, id).husbandID = tag;
        if (indexed) list.SortByID();
        for (const auto& [id, tag] :
             {Record{"A", "a"}, Record{"B", "b1"}, Record{"C", "c"}, Record{"D", "d1"}}) {
            ASSERT_NE(list.Find(id), nullptr) << id;
            EXPECT_EQ(list.Find(id)->husbandID, tag);
        }
        EXPECT_EQ(list.Find("BB"), nullptr);
        EXPECT_EQ(list.Find("E"), nullptr);
        EXPECT_EQ(list.Find(""), nullptr);
        const auto runs = list.SharedIdentifiers();
        ASSERT_EQ(runs.size(), 2u);
        EXPECT_EQ(list[runs[0].first].husbandID, "b1");
        EXPECT_EQ(runs[0].count, 3u);
        EXPECT_EQ(list[runs[1].first].husbandID, "d1");
        EXPECT_EQ(runs[1].count, 2u);
    }
}

// The sort finds the runs from the identifiers' first eight bytes and looks
// further only where those agree; a record added afterwards makes the list
// find them again.
TEST(Records, SharedRunsLookPastTheFirstEightBytesAndFollowLaterRecords) {
    TfamilyList list;
    for (const char* id :
         {"FAMILY0001B", "", "FAMILY0001A", "FAMILY0001", "FAMILY0001B", "", "FAMILY0001A"})
        Add(list, id);
    list.SortByID();
    auto runs = [&list] {
        std::string text;
        for (const auto& run : list.SharedIdentifiers())
            text += list[run.first].ID + " x" + std::to_string(run.count) + " ";
        return text;
    };
    EXPECT_EQ(runs(), "FAMILY0001A x2 FAMILY0001B x2 ");
    Add(list, "FAMILY0001B");
    EXPECT_EQ(runs(), "FAMILY0001A x2 FAMILY0001B x3 ");
}

TEST(Records, TheIndexServesBeforeAndAfterTheSort) {
    // Enough records for the hash table to probe past collisions; the file
    // order is neither sorted nor reversed, and two records share "I7".
    TindividualList list;
    std::vector<std::string> ids;
    for (int i = 0; i < 3000; ++i) ids.push_back("I" + std::to_string(i * 7919 % 3000));
    ids.push_back("I7");
    for (std::size_t i = 0; i < ids.size(); ++i) Add(list, ids[i], static_cast<int>(i + 1));
    const Tindividual* lastInFile = &list[2999];
    const auto firstI7 =
        static_cast<int32_t>(std::find(ids.begin(), ids.end(), "I7") - ids.begin() + 1);
    for (bool sorted : {false, true}) {
        SCOPED_TRACE(sorted);
        if (sorted)
            list.SortByID();
        else
            list.IndexByID();
        for (int i = 0; i < 3000; i += 37) {
            const std::string id = "I" + std::to_string(i);
            ASSERT_NE(list.Find(id), nullptr) << id;
            EXPECT_EQ(list.Find(id)->ID, id);
        }
        // The first of the two records, not the one appended at the end.
        EXPECT_EQ(list.Find("I7")->line, firstI7);
        EXPECT_EQ(list.Find(lastInFile->ID), lastInFile);
        EXPECT_EQ(list.Find("I999")->ID, "I999");  // the last in sorted order
        EXPECT_EQ(list.Find("I3000"), nullptr);
        EXPECT_EQ(list.Find("I"), nullptr);
        EXPECT_EQ(list.Find(""), nullptr);
    }
    EXPECT_EQ(&list.Last(), list.Find("I999"));
}

TEST(Records, BatchedLookupsAgreeWithSingleOnes) {
    // Identifiers long enough to live outside the record, a shared one, and
    // lookups that find nothing, over several batches, in file order and
    // sorted.
    for (bool sorted : {false, true}) {
        SCOPED_TRACE(sorted);
        TindividualList list;
        for (int i = 0; i < 300; ++i)
            Add(list, (i % 3 ? "I" : "PERSON-WITH-A-LONG-ID-") + std::to_string(1000 + i), i + 1);
        Add(list, "I1001");
        if (sorted)
            list.SortByID();
        else
            list.IndexByID();
        std::vector<std::string> ids = {"", "I1001", "nobody", "I1299"};
        for (int i = 0; i < 700; ++i)
            ids.push_back(i % 5 ? list[static_cast<std::size_t>(i * 37 % 300)].ID
                                : "I" + std::to_string(5000 + i));
        std::vector<Tindividual*> found(ids.size(), &list[0]);
        std::vector<TindividualList::Lookup> lookups;
        for (std::size_t i = 0; i < ids.size(); ++i) lookups.push_back({ids[i], &found[i]});
        list.FindAll(lookups);
        for (std::size_t i = 0; i < ids.size(); ++i)
            EXPECT_EQ(found[i], list.Find(ids[i])) << ids[i];
        ASSERT_NE(found[1], nullptr);
        EXPECT_EQ(found[1]->line, 2);  // the first record of "I1001"
        EXPECT_EQ(found[2], nullptr);
        ASSERT_NE(found[3], nullptr);
        EXPECT_EQ(found[3]->line, 300);
    }
}

TEST(Records, LinkingResolvesEveryReferenceAndClearsStaleOnes) {
    // More families and persons than one batch of lookups holds.
    Database db;
    constexpr int kFamilies = 150;
    const auto id = [](int i) { return "I" + std::to_string(i); };
    for (int i = 0; i < 3 * kFamilies; ++i) Add(db.persons, id(i));
    const auto person = [&db](int i) -> Tindividual& {
        return db.persons[static_cast<std::size_t>(i)];
    };
    for (int f = 0; f < kFamilies; ++f) {
        Tfamily& family = Add(db.families, "F" + std::to_string(f));
        family.husbandID = id(3 * f);
        family.wifeID = f % 10 == 0 ? "" : id(3 * f + 1);
        family.children = {{id(3 * f + 2), nullptr}, {"I-missing", nullptr}};
        person(3 * f).famsList.push_back({family.ID, nullptr});
        person(3 * f + 2).famcList.push_back({family.ID, nullptr, {}});
    }
    db.persons[5].famcList.front().familyID = "F-missing";
    db.persons.IndexByID();
    db.families.IndexByID();
    LinkFamilies(db.families, db.persons);
    LinkIndividuals(db.persons, db.families);
    SetAllParents(db.persons);
    for (int f = 0; f < kFamilies; ++f) {
        const Tfamily& family = db.families[static_cast<std::size_t>(f)];
        EXPECT_EQ(family.husband, &person(3 * f));
        EXPECT_EQ(family.wife, f % 10 ? &person(3 * f + 1) : nullptr);
        EXPECT_EQ(family.children[0].person, &person(3 * f + 2));
        EXPECT_EQ(family.children[1].person, nullptr);
        const Tindividual& child = person(3 * f + 2);
        EXPECT_EQ(child.famcList.front().family, f == 1 ? nullptr : &family);
        EXPECT_EQ(child.father, f == 1 ? nullptr : family.husband);
        EXPECT_EQ(child.mother, f == 1 ? nullptr : family.wife);
        EXPECT_EQ(person(3 * f).famsList.front().family, &family);
    }
    // Relinking after an edit drops the link to a partner no longer named.
    db.families[3].husbandID.clear();
    LinkFamilies(db.families, db.persons);
    EXPECT_EQ(db.families[3].husband, nullptr);
}

TEST(Records, DetailTablesForTheReport) {
    Tfamily family;
    family.ID = "F1";
    Tindividual husband = Named("Jan /Berg/");
    husband.ID = "I1";
    husband.sex = 'M';
    husband.famsList.push_back({"F1", &family});
    family.husbandID = "I1";
    family.husband = &husband;
    family.children.push_back({"I5", nullptr});
    EXPECT_EQ(family.FamilyDetails(NameStyle::Proper),
              "<table border=0 cellpadding=0><tr><td>FAM</td><td>F1</td></tr>"
              "<tr><td>HUSB</td><td>I1</td><td>Jan Berg</td></tr>"
              "<tr><td>WIFE</td><td></td></tr><tr><td>CHIL</td><td>I5</td></tr></table>");
    EXPECT_EQ(husband.RecordDetails(NameStyle::Proper),
              "<table border=0 cellpadding=0><tr><td>INDI</td><td>I1</td><td>Jan Berg</td></tr>"
              "<tr><td>SEX</td><td>M</td></tr><tr><td>FAMS</td><td>F1</td></tr></table>");
}

}  // namespace
}  // namespace lg
