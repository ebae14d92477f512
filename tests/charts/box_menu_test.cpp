#include "charts/box_menu.h"

#include <gtest/gtest.h>

#include "charts/node_names.h"

namespace lg {
namespace {

Tindividual Person(const std::string& id, const std::string& name, char sex) {
    Tindividual p;
    p.ID = id;
    p.fullName = name;
    p.sex = sex;
    SplitName(p);
    return p;
}

TEST(BoxMenu, ANameFormOtherThanTheSchemesIsKeptAndTheSchemesRemovesIt) {
    Tindividual jan = Person("I1", "Jan Pieter /Berg/", 'M');
    TlossPerson node;
    node.person = &jan;
    Tvariables settings;
    settings.namingscheme = "z1";  // the surname for everybody
    bool changed = false;
    ChooseNameCode(node, '4', settings, changed, 2000);
    EXPECT_TRUE(changed);
    EXPECT_EQ(jan.nameCode, '4');
    EXPECT_EQ(NameCodeOf(settings.namecodes, "I1"), '4');
    EXPECT_EQ(NameForNode(node, settings.namingscheme, {}, 2000), "Jan Berg");
    ChooseNameCode(node, '1', settings, changed, 2000);
    EXPECT_EQ(jan.nameCode, 0);
    EXPECT_TRUE(settings.namecodes.empty());
    EXPECT_EQ(NameForNode(node, settings.namingscheme, {}, 2000), "Berg");
    ChooseNameCode(node, '0', settings, changed, 2000);  // "<blank>": no name
    EXPECT_EQ(NameForNode(node, settings.namingscheme, {}, 2000), "");
}

TEST(BoxMenu, TheBranchItemFollowsTheFamilyLine) {
    // Piet Berg on the line; his daughter Anna Berg off it (a highlight
    // switched off earlier), with a son Kees Berg and a daughter Lies Vos;
    // Lies's son Tom.
    Tindividual piet = Person("I1", "Piet /Berg/", 'M'), anna = Person("I2", "Anna /Berg/", 'F'),
                kees = Person("I3", "Kees /Berg/", 'M'), lies = Person("I4", "Lies /Vos/", 'F'),
                tom = Person("I5", "Tom /Dam/", 'M');
    TlossPerson p, a, k, l, t;
    for (auto [node, person] :
         {std::pair{&p, &piet}, {&a, &anna}, {&k, &kees}, {&l, &lies}, {&t, &tom}})
        node->person = person;
    for (auto [parent, child] : {std::pair{&p, &a}, {&a, &k}, {&a, &l}, {&l, &t}}) {
        parent->children.push_back(child);
        child->parents.push_back(parent);
    }
    p.lineFlag = true;
    EXPECT_EQ(BranchItemOf(p), BranchItem::Off);
    EXPECT_EQ(BranchItemOf(a), BranchItem::On);
    EXPECT_EQ(BranchItemOf(k), BranchItem::NotAnOption);
    EXPECT_EQ(BranchItemCaption(BranchItemOf(a)), "@ branch ON");

    Tvariables settings;
    bool changed = false;
    ToggleBranch(k, settings, true, changed);  // not an option: nothing happens
    EXPECT_FALSE(changed);
    ToggleBranch(a, settings, true, changed);
    EXPECT_TRUE(changed);
    // A woman's line goes on through the children with her name only.
    EXPECT_TRUE(a.lineFlag && k.lineFlag);
    EXPECT_FALSE(l.lineFlag || t.lineFlag);
    EXPECT_EQ(settings.highlights, SortedStrings{"I2"});
    ToggleBranch(a, settings, true, changed);
    EXPECT_FALSE(a.lineFlag || k.lineFlag);
    EXPECT_TRUE(settings.highlights.empty());
}

}  // namespace
}  // namespace lg
