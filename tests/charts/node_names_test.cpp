#include "charts/node_names.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace lg {
namespace {

constexpr int kThisYear = 2024;
const NameOptions kRoomy{100, true};

// Persons and boxes of one small chart; the boxes point at the persons.
struct Chart {
    Tindividual& AddPerson(std::string_view given, std::string_view surname, char sex = ' ') {
        persons.push_back(std::make_unique<Tindividual>());
        Tindividual& p = *persons.back();
        p.givenNames = given;
        p.surname = surname;
        p.sex = sex;
        return p;
    }
    TlossPerson& AddNode(Tindividual* person, int32_t generation = 1) {
        nodes.push_back(std::make_unique<TlossPerson>());
        TlossPerson& n = *nodes.back();
        n.person = person;
        n.generation = generation;
        return n;
    }
    static void Link(TlossPerson& child, TlossPerson& parent) {
        child.parents.push_back(&parent);
        parent.children.push_back(&child);
    }
    std::vector<std::unique_ptr<Tindividual>> persons;
    std::vector<std::unique_ptr<TlossPerson>> nodes;
};

void SetDate(std::unique_ptr<TEventRecord>& event, std::string_view date) {
    event = std::make_unique<TEventRecord>();
    event->date = date;
}

std::string Name(const TlossPerson& node, std::string_view scheme) {
    return NameForNode(node, scheme, kRoomy, kThisYear);
}

TEST(NodeNames, FamilyNameLineScheme) {
    Chart chart;
    TlossPerson& onLine = chart.AddNode(&chart.AddPerson("Jan Pieter", "Berg"));
    onLine.lineFlag = true;
    TlossPerson& other = chart.AddNode(&chart.AddPerson("Jan Pieter", "Berg"));
    EXPECT_EQ(Name(onLine, "n2z1"), "J  Berg");
    EXPECT_EQ(Name(other, "n2z1"), "Berg");
    EXPECT_EQ(SelectNameCode(onLine, "n2z1", kThisYear), 0u);
    EXPECT_EQ(SelectNameCode(other, "n2z1", kThisYear), 2u);
}

TEST(NodeNames, AliveByOwnBirthYear) {
    struct Case {
        const char* birth;
        const char* christening;
        int32_t deathYear;
        bool hidden;
    };
    const Case cases[] = {
        {"1994", "", 0, true},      // born 30 years ago
        {"1925", "", 0, true},      // 99 years ago: may still be alive
        {"1924", "", 0, false},     // 100 years ago: taken as dead
        {"1994", "", 2000, false},  // has died
        {"", "", 0, false},         // no year at all
        {"", "", 2000, false},
        {"", "1990", 0, true},            // the christening stands in
        {"ABT 19", "BEF 1990", 0, true},  // a birth date without year, too
        {"1900", "1990", 0, false},       // but only then
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.birth) + " / " + c.christening);
        Chart chart;
        Tindividual& p = chart.AddPerson("Jan", "Berg");
        if (*c.birth) SetDate(p.birth, c.birth);
        if (*c.christening) SetDate(p.christening, c.christening);
        p.deathYear = c.deathYear;
        EXPECT_EQ(Name(chart.AddNode(&p), "a0n3z2@"), c.hidden ? "" : "J  Berg");
    }
}

TEST(NodeNames, AliveThroughAParent) {
    Chart chart;
    Tindividual& father = chart.AddPerson("Piet", "Berg");
    SetDate(father.birth, "12 MAR 1964");
    Tindividual& mother = chart.AddPerson("Anna", "Wit");
    SetDate(mother.birth, "1900");
    Tindividual& child = chart.AddPerson("Jan", "Berg");
    TlossPerson& childNode = chart.AddNode(&child, 1);
    TlossPerson& fatherNode = chart.AddNode(&father, 2);
    TlossPerson& motherNode = chart.AddNode(&mother, 2);
    Chart::Link(childNode, fatherNode);
    Chart::Link(childNode, motherNode);

    EXPECT_EQ(Name(childNode, "a0n3z2@"), "");
    EXPECT_EQ(Name(fatherNode, "a0n3z2@"), "");
    EXPECT_EQ(Name(motherNode, "a0n3z2@"), "A  Wit");

    // A child who died still counts, for the living parent's sake.
    child.deathYear = 1990;
    EXPECT_EQ(Name(childNode, "a0n3z2@"), "");

    fatherNode.generation = -1;  // outside the chart: no longer a parent box
    EXPECT_EQ(Name(childNode, "a0n3z2@"), "J  Berg");
    fatherNode.generation = 2;
    father.deathYear = 2020;
    EXPECT_EQ(Name(childNode, "a0n3z2@"), "J  Berg");

    childNode.parents.insert(childNode.parents.begin(), nullptr);  // absent links are passed over
    EXPECT_EQ(Name(childNode, "a0n3z2@"), "J  Berg");
}

TEST(NodeNames, SexOffspringAndParentSurnameConditions) {
    Chart chart;
    TlossPerson& woman = chart.AddNode(&chart.AddPerson("Anna", "Wit", 'F'));
    TlossPerson& man = chart.AddNode(&chart.AddPerson("Jan", "Berg", 'M'));
    TlossPerson& unknown = chart.AddNode(&chart.AddPerson("Kim", "Smit", '?'));
    EXPECT_EQ(Name(woman, "f1m3z0"), "Wit");
    EXPECT_EQ(Name(man, "f1m3z0"), "Jan");
    EXPECT_EQ(Name(unknown, "f1m3z0"), "");

    // o: no child box in the chart.
    TlossPerson& child = chart.AddNode(&chart.AddPerson("Piet", "Backer"));
    EXPECT_EQ(Name(man, "o1z3"), "Berg");
    Chart::Link(child, man);
    EXPECT_EQ(Name(man, "o1z3"), "Jan");
    child.generation = -1;
    EXPECT_EQ(Name(man, "o1z3"), "Berg");
    child.generation = 1;

    // p: the surname sounds like that of the first or the second parent box.
    TlossPerson& father = chart.AddNode(&chart.AddPerson("Klaas", "Bakker"), 2);
    EXPECT_EQ(Name(child, "p3z1"), "Backer");
    Chart::Link(child, father);  // second parent after "man"
    EXPECT_EQ(Name(child, "p3z1"), "Piet");
    father.generation = -1;
    EXPECT_EQ(Name(child, "p3z1"), "Backer");
    father.generation = 2;
    TlossPerson& third = chart.AddNode(&chart.AddPerson("Kees", "Backer"), 2);
    child.parents = {&man, &woman, &third};  // only the first two count
    EXPECT_EQ(Name(child, "p3z1"), "Backer");
}

TEST(NodeNames, NameCodeOverridesTheScheme) {
    Chart chart;
    Tindividual& p = chart.AddPerson("Jan", "van der Berg");
    TlossPerson& node = chart.AddNode(&p);
    EXPECT_EQ(NameForNode(node, "z4", NameOptions{10, true}, kThisYear), "Jan vd Be..");
    p.nameCode = '0';
    EXPECT_EQ(Name(node, "z1"), "");
    p.nameCode = '4';
    EXPECT_EQ(Name(node, "z1"), "Jan van der Berg");
}

TEST(NodeNames, AnEmptyBoxSaysWhyItIsEmpty) {
    Chart chart;
    Tindividual& living = chart.AddPerson("Anna", "Berg", 'F');
    SetDate(living.birth, "12 MAR 1990");
    TlossPerson& box = chart.AddNode(&living);
    auto reason = [&](std::string_view scheme) {
        return NoNameReason(box, scheme, kRoomy, kThisYear);
    };
    EXPECT_EQ(reason("a0n3z2@"),
              "No name is shown: the naming scheme \"a0n3z2@\" gives the condition \"alive\" "
              "(a0) no name. Change the Naming Scheme in the main window, or choose a name form "
              "for this box with the right mouse button.");
    EXPECT_NE(reason("f5z1").find("\"female\" (f5)"), std::string::npos);
    // A scheme that ends before any pair holds shows nobody.
    EXPECT_NE(reason("m1").find("\"everybody\""), std::string::npos);
    EXPECT_EQ(reason("a3z2"), "");  // named: nothing to explain

    // The user's own <blank> is named as the cause, whatever the scheme.
    living.nameCode = '0';
    EXPECT_EQ(reason("z1").rfind("No name is shown: <blank> was chosen", 0), 0u);
    living.nameCode = 0;
    // A person without the name parts the form needs is not hidden by anyone.
    TlossPerson& nameless = chart.AddNode(&chart.AddPerson("", ""));
    EXPECT_EQ(NoNameReason(nameless, "z1", kRoomy, kThisYear), "");
    EXPECT_EQ(NoNameReason(chart.AddNode(nullptr), "z0", kRoomy, kThisYear), "");
}

TEST(NodeNames, SchemesOutsideTheNormalForm) {
    Chart chart;
    TlossPerson& node = chart.AddNode(&chart.AddPerson("Jan", "Berg"));
    // A letter without a condition, or outside a..p, is chosen at once.
    EXPECT_EQ(SelectNameCode(node, "b3z1", kThisYear), 0u);
    EXPECT_EQ(Name(node, "N3z1"), "Jan");
    // Running off the end gives no name rather than reading past it.
    EXPECT_EQ(SelectNameCode(node, "n2z", kThisYear), 2u);
    EXPECT_EQ(Name(node, "n2z"), "");
    EXPECT_EQ(Name(node, ""), "");

    TlossPerson& empty = chart.AddNode(nullptr);
    EXPECT_EQ(Name(empty, "z1"), "");
    EXPECT_EQ(SelectNameCode(empty, "a0f0m0p0o3z1", kThisYear), 8u);  // only o holds
}

}  // namespace
}  // namespace lg
