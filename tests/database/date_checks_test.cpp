#include "database/date_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>

#include "support/test_support.h"
#include "text/language.h"

namespace lg {
namespace {

const Tlanguage& Language(std::string_view name) {
    static std::vector<std::unique_ptr<Tlanguage>> built;
    for (const auto& language : built)
        if (language->Name() == name) return *language;
    for (const LanguageDefinition& definition : LanguageDefinitions())
        if (definition.listEntry.substr(0, definition.listEntry.find('/')) == name)
            return *built.emplace_back(std::make_unique<Tlanguage>(definition));
    throw std::runtime_error("no such language");
}
const Tlanguage& English() {
    return Language("english");
}

std::unique_ptr<TEventRecord> Event(std::string_view tag, std::string_view date) {
    auto event = std::make_unique<TEventRecord>();
    event->tag = MakeTag(tag);
    event->date = date;
    return event;
}

// A small database built in code; links are set in both directions.
class Tree {
  public:
    Tindividual& Person(std::string id, char sex, std::string_view birth = "",
                        std::string_view death = "") {
        auto person = std::make_unique<Tindividual>();
        person->ID = id;
        person->fullName = "Name /" + id + "/";
        SplitName(*person);
        person->sex = sex;
        if (!birth.empty()) person->birth = Event("BIRT", birth);
        if (!death.empty()) person->death = Event("DEAT", death);
        person->ComputeYears();
        return db.persons.Add(std::move(person));
    }
    Tfamily& Family(std::string id, Tindividual* husband, Tindividual* wife,
                    std::string_view marriage = "", std::string_view divorce = "") {
        auto family = std::make_unique<Tfamily>();
        family->ID = id;
        family->husband = husband;
        family->wife = wife;
        if (husband) family->husbandID = husband->ID;
        if (wife) family->wifeID = wife->ID;
        if (!marriage.empty()) family->marriage = Event("MARR", marriage);
        if (!divorce.empty()) family->divorce = Event("DIV", divorce);
        Tfamily& added = db.families.Add(std::move(family));
        if (husband) husband->famsList.push_back({id, &added});
        if (wife) wife->famsList.push_back({id, &added});
        return added;
    }
    static void AddChild(Tfamily& family, Tindividual& child) {
        family.children.push_back({child.ID, &child});
        child.famcList.push_back({family.ID, &family, MakeTag("BIRT")});
    }
    int Run(int level = 1, bool hidden = false) {
        lines.clear();
        DateCheckOptions options;
        options.checkLevel = level;
        options.hidden = hidden;
        return RunDateChecks(db, &English(), options,
                             [this](std::string_view line) { lines.emplace_back(line); });
    }
    std::string Report() const {
        std::string all;
        for (const std::string& line : lines) all += line + "\n";
        return all;
    }
    bool Contains(std::string_view text) const { return Report().find(text) != std::string::npos; }

    Database db;
    std::vector<std::string> lines;
};

const std::string kHeading =
    "<b>Dubious or inconsistent dates</b><br><table border=0 cellpadding=0><col><col><col "
    "style=\"color:maroon\"><col><col style=\"color:maroon\"><col><col style=\"color:maroon\" "
    "align=right>";

TEST(DateChecks, MinimumAgeAndQualifiers) {
    const std::pair<int, int> ages[] = {{0, 13},    {1700, 13}, {1701, 15},
                                        {1811, 15}, {1812, 16}, {1990, 16}};
    for (auto [year, age] : ages) EXPECT_EQ(MinimumAge(year), age) << year;
    for (auto [date, qualifier] : {std::pair{"BEF 1849", "BEFORE"},
                                   {"AFT 1849", "AFTER"},
                                   {"ABT 12 MAR 1850", "ABOUT"},
                                   {"12 MAR 1850", ""}})
        EXPECT_EQ(English().QualifierOf(date), qualifier) << date;
    EXPECT_EQ(Language("nederlands").QualifierOf("AFT 1849"), "AFTER");
}

TEST(DateChecks, DatesPlausible) {
    // Level 1 judges by qualifiers only; level 2 ignores them and tolerates one year.
    const std::tuple<const char*, const char*, int, bool> cases[] = {
        {"1850", "1849", 1, true},         {"AFT 1850", "1849", 1, false},
        {"AFTER 1850", "1849", 1, false},  {"ABT 1850", "BEF 1849", 1, false},
        {"1850", "BEFORE 1849", 1, false}, {"BEF 1850", "AFT 1849", 1, true},
        {"ABT 1850", "EST 1849", 1, true}, {"1850", "1849", 2, true},
        {"1850", "1848", 2, false},        {"AFT 1850", "1849", 2, true},
        {"1850", "BEF 1849", 2, true}};
    for (auto [first, second, level, plausible] : cases)
        EXPECT_EQ(DatesPlausible(first, second, &English(), level), plausible)
            << first << " / " << second << " level " << level;
    EXPECT_TRUE(DatesPlausible("AFT 1850", "1849", nullptr, 1));
    EXPECT_FALSE(DatesPlausible("1850", "1848", nullptr, 2));
    EXPECT_FALSE(DatesPlausible("AFT 1850", "1849", &Language("deutsch"), 1));
}

TEST(DateChecks, OwnEventsOfAPerson) {
    // birth, death, christening, burial, married, level, findings. A married person may reach
    // 112 years; a burial the year after death only after a December death.
    const std::tuple<const char*, const char*, const char*, const char*, bool, int, int> cases[] = {
        {"1850", "1849", "", "", false, 1, 0},
        {"1850", "1849", "", "", false, 2, 0},
        {"1850", "1848", "", "", false, 2, 1},
        {"AFT 1850", "1849", "", "", false, 1, 1},
        {"", "1849", "", "", false, 1, 0},
        {"1800", "1900", "", "", false, 1, 0},
        {"1800", "1911", "", "", false, 1, 1},
        {"1800", "1912", "", "", true, 1, 0},
        {"1800", "1913", "", "", true, 1, 1},
        {"1850", "", "1849", "", false, 1, 0},
        {"1850", "", "BEF 1849", "", false, 1, 1},
        {"1850", "", "1848", "", false, 2, 1},
        {"1850", "1860", "1861", "", false, 1, 0},
        {"1850", "BEF 1860", "1861", "", false, 1, 1},
        {"1850", "1860", "1862", "", false, 2, 1},
        {"1850", "", "1900", "", false, 1, 0},
        {"", "12 DEC 1850", "", "3 JAN 1851", false, 1, 0},
        {"", "12 NOV 1850", "", "1851", false, 1, 1},
        {"", "DEC 1850", "", "1852", false, 1, 1},
        {"", "1850", "", "1850", false, 1, 0},
        {"", "1850", "", "1849", false, 1, 0},
        {"", "1850", "", "BEF 1849", false, 1, 1},
        {"", "", "", "1849", false, 1, 0},
        {"AFT 1850", "1849", "1900", "BEF 1800", false, 1, 2}};
    for (auto [birth, death, christening, burial, married, level, findings] : cases) {
        Tree tree;
        Tindividual& p = tree.Person("I1", 'M', birth, death);
        if (*christening) p.christening = Event("CHR", christening);
        if (*burial) p.burial = Event("BURI", burial);
        if (married) tree.Family("F1", &p, nullptr);
        EXPECT_EQ(tree.Run(level), findings) << birth << " | " << death << " | " << christening
                                             << " | " << burial << " | level " << level << "\n"
                                             << tree.Report();
    }
}

TEST(DateChecks, FindingRowsAndTheTableClosedBeforeGroupTwo) {
    Tree tree;
    tree.Person("I1", 'M', "AFT 1850", "1849");
    tree.Person("I2", 'F', "1800", "1901");
    Tfamily& family = tree.Family("F1", nullptr, &tree.Person("I3", 'F'));
    Tree::AddChild(family, tree.Person("C1", 'M', "1860"));
    Tree::AddChild(family, tree.Person("C2", 'M', "1855"));
    ASSERT_EQ(tree.Run(1), 3);
    const std::vector<std::string> groupOne = {
        kHeading,
        "<tr><td>I1</td><td>Name I1</td><td>born</td><td>AFT 1850</td><td>died</td>"
        "<td>1849</td><td>-1 years</td></tr>",
        "<tr><td>I2</td><td>Name I2</td><td>born</td><td>1800</td><td>died</td>"
        "<td>1901</td><td>101 years</td></tr>",
        "</table><br>",
        "<font color=maroon>Children out of order</font>",
    };
    ASSERT_GT(tree.lines.size(), groupOne.size());
    EXPECT_EQ(std::vector(tree.lines.begin(), tree.lines.begin() + groupOne.size()), groupOne);
    EXPECT_EQ(std::count(tree.lines.begin(), tree.lines.end(), kHeading), 1);
    EXPECT_EQ(tree.lines.back(), "</table><br><br>");
}

TEST(DateChecks, NothingAtLevelZeroOrWhenHidden) {
    Tree tree;
    tree.Person("I1", 'M', "AFT 1850", "1849");
    tree.Person("I2", 'M', "1850", "1848");  // found at level 2 only
    for (auto [level, hidden] : {std::pair{0, false}, {2, true}, {-3, false}}) {
        EXPECT_EQ(tree.Run(level, hidden), 0) << level;  // -3 is clamped to 0
        EXPECT_TRUE(tree.lines.empty()) << level;
    }
    EXPECT_EQ(tree.Run(1), 1);
    EXPECT_EQ(tree.Run(9), 1);  // clamped to 2: the finding of I2, not of I1
    EXPECT_TRUE(tree.Contains("<td>I2</td>") && !tree.Contains("<td>I1</td>")) << tree.Report();
}

TEST(DateChecks, MarriageAges) {
    // Husband's birth and death, marriage, divorce, and the finding's row ("": none).
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"1790", "", "1804", "", "<td>born</td><td>1790</td><td>married</td><td>1804</td><td>14"},
        {"1790", "", "1805", "", ""},
        {"1700", "", "1713", "", ""},
        {"1700", "", "1712", "", "<td>12 years"},
        {"1812", "", "1827", "", "<td>15 years"},
        {"", "", "0012", "", ""},
        {"1800", "1850", "1840", "1851", "<td>died</td><td>1850</td><td>separated</td><td>1851"},
        {"1800", "1850", "1851", "", ""},
        {"1800", "BEF 1850", "1851", "", "<td>married</td><td>1851</td><td>died</td><td>BEF 1850"},
        {"1800", "", "", "1799", "<td>born</td><td>1800</td><td>separated</td><td>1799</td><td>-1"},
        {"1790", "1795", "1796", "1797", "<td>married</td><td>1796</td>"},  // first rule only
    };
    for (auto [birth, death, marriage, divorce, row] : cases) {
        Tree tree;
        Tindividual& husband = tree.Person("I1", 'M', birth, death);
        tree.Family("F1", &husband, &tree.Person("I2", 'F'), marriage, divorce);
        EXPECT_EQ(tree.Run(1), *row ? 1 : 0) << birth << " " << marriage << "\n" << tree.Report();
        EXPECT_TRUE(!*row || tree.Contains(row)) << tree.Report();
    }
    Tree both;
    Tindividual& husband = both.Person("I1", 'M', "1795");
    both.Family("F1", &husband, &both.Person("I2", 'F', "1790"), "1804");
    EXPECT_EQ(both.Run(1), 2);
    EXPECT_LT(both.Report().find("<td>I1</td>"), both.Report().find("<td>I2</td>"));
}

TEST(DateChecks, Remarriage) {
    const std::tuple<const char*, const char*, int, int> cases[] = {
        {"1850", "1851", 1, 0}, {"1850", "1849", 1, 0},     {"BEF 1850", "1849", 1, 0},
        {"", "1848", 1, 0},     {"1850", "BEF 1849", 1, 1}, {"1850", "1849", 2, 0},
        {"1850", "1848", 2, 1}};
    for (auto [divorce, marriage, level, findings] : cases) {
        Tree tree;
        Tindividual& man = tree.Person("I1", 'M');
        tree.Family("F1", &man, nullptr, "", divorce);
        tree.Family("F2", &man, nullptr, marriage);
        EXPECT_EQ(tree.Run(level), findings) << divorce << " / " << marriage << tree.Report();
    }
    // The divorce compared is always the one of the family before.
    Tree tree;
    Tindividual& man = tree.Person("I1", 'M');
    tree.Family("F1", &man, nullptr, "", "1900");
    tree.Family("F2", &man, nullptr, "1901");
    tree.Family("F3", &man, nullptr, "1850");
    tree.Run(2);
    EXPECT_FALSE(tree.Contains("remarried")) << tree.Report();
}

TEST(DateChecks, ParentsAge) {
    for (auto [childBirth, findings] : {std::pair{"1813", 0}, {"1812", 1}, {"1790", 1}, {"", 0}}) {
        Tree tree;
        Tindividual& father = tree.Person("I1", 'M', "1800");
        Tree::AddChild(tree.Family("F1", &father, nullptr), tree.Person("I3", 'M', childBirth));
        EXPECT_EQ(tree.Run(1), findings) << childBirth << tree.Report();
        EXPECT_TRUE(!findings ||
                    tree.Contains("<td>I1</td><td>Name I1</td><td>born</td><td>1800</td>"
                                  "<td>child</td><td>" +
                                  std::string(childBirth) + "</td>"));
    }
}

TEST(DateChecks, BirthAfterAParentsDeath) {
    // A father may die up to nine months before a birth (compared at once when both months are
    // known); a mother's death is compared like any date pair.
    const std::tuple<bool, const char*, const char*, int, int> cases[] = {
        {true, "MAR 1850", "DEC 1850", 1, 0},  {true, "MAR 1850", "JAN 1851", 1, 1},
        {true, "MAR 1850", "1851", 1, 0},      {true, "1850", "1852", 1, 1},
        {true, "MAR 1850", "1849", 1, 0},      {false, "MAR 1850", "APR 1850", 1, 1},
        {false, "MAR 1850", "MAR 1850", 1, 0}, {false, "1850", "1851", 1, 0},
        {false, "BEF 1850", "1851", 1, 1},     {false, "1850", "1851", 2, 0},
        {false, "1850", "1852", 2, 1}};
    for (auto [father, death, birth, level, findings] : cases) {
        Tree tree;
        Tindividual& parent = tree.Person("I1", father ? 'M' : 'F', "", death);
        Tindividual& child = tree.Person("I3", 'M', birth);
        Tree::AddChild(
            father ? tree.Family("F1", &parent, nullptr) : tree.Family("F1", nullptr, &parent),
            child);
        EXPECT_EQ(tree.Run(level), findings)
            << (father ? "father " : "mother ") << death << " / " << birth << " level " << level;
        EXPECT_TRUE(!findings || tree.Contains("<td>I1</td><td>Name I1</td><td>child</td><td>" +
                                               std::string(birth) + "</td><td>died</td>"));
    }
}

TEST(DateChecks, MarriagesOutOfOrder) {
    Tree tree;
    Tindividual& man = tree.Person("I1", 'M');
    tree.Family("F1", &man, nullptr, "1860");
    tree.Family("F2", &man, nullptr, "1859");                          // one year back is tolerated
    tree.Family("F3", &man, &tree.Person("I2", 'F', "1830", "1900"));  // dated by her death
    ASSERT_EQ(tree.Run(1), 0) << tree.Report();

    Tree reversed;
    Tindividual& m = reversed.Person("I1", 'M');
    reversed.Family("F1", &m, nullptr, "1860");
    reversed.Family("F2", &m, &reversed.Person("I2", 'F', "1830", "1858"));
    reversed.Family("F3", &m, nullptr, "1859");
    ASSERT_EQ(reversed.Run(1), 1) << reversed.Report();  // one finding per person
    const std::vector<std::string> expected = {
        kHeading,
        "<font color=maroon>Marriages out of order ?</font>",
        "<table border=0 cellpadding=0><tr><td>INDI</td><td>I1</td><td>Name I1</td></tr>",
        "<tr><td>FAM</td><td>F1</td><td "
        "colspan=3><table><tr><td>MARR</td><td>1860</td><td></td></tr>"
        "</table></td></tr>",
        "<tr><td>FAM</td><td>F2</td><td colspan=3><table><tr><td>WIFE</td><td>I2</td><td>Name "
        "I2</td></tr><tr><td>DEAT</td><td>1858</td><td></td></tr></table></td></tr>",
        "<tr><td>FAM</td><td>F3</td><td "
        "colspan=3><table><tr><td>MARR</td><td>1859</td><td></td></tr>"
        "</table></td></tr>",
        "</table><br>",
        "</table><br><br>",
    };
    EXPECT_EQ(reversed.lines, expected);
}

TEST(DateChecks, EnoughOverlapForMarriage) {
    // Husband's and wife's birth and death, marriage, findings: 16 years together are needed.
    const std::tuple<const char*, const char*, const char*, const char*, const char*, int> cases[] =
        {{"1800", "1900", "1830", "1845", "", 1},     {"1800", "1900", "1830", "1846", "", 0},
         {"1800", "1900", "1830", "1845", "1846", 0}, {"1800", "", "1830", "1845", "", 0},
         {"1850", "1900", "1830", "1849", "", 1},     {"", "1900", "1830", "1845", "", 1}};
    for (auto [hb, hd, wb, wd, marriage, findings] : cases) {
        Tree tree;
        Tindividual& husband = tree.Person("I1", 'M', hb, hd);
        tree.Family("F1", &husband, &tree.Person("I2", 'F', wb, wd), marriage);
        ASSERT_EQ(tree.Run(1), findings) << hb << "-" << hd << " " << wb << "-" << wd;
        if (*hb) continue;
        EXPECT_EQ(tree.lines[1], "<font color=maroon>Enough overlap for marriage?</font>");
        EXPECT_EQ(tree.lines[2],
                  "<table border=0 cellpadding=0><tr><td>FAM</td><td>F1</td></tr>"
                  "<tr><td>HUSB</td><td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;? - 1900</td><td>I1</td>"
                  "<td>Name I1</td></tr><tr><td>WIFE</td><td>1830 - 1845</td><td>I2</td>"
                  "<td>Name I2</td></tr></table>");
        EXPECT_EQ(tree.lines[3], "<br>");
    }
}

TEST(DateChecks, ChildrenOutOfOrder) {
    Tree tree;
    Tindividual& father = tree.Person("I1", 'M', "1800");
    Tfamily& family = tree.Family("F1", &father, &tree.Person("I2", 'F', "1805"));
    for (const char* birth : {"1830", "", "1835", "1832", "1836", "1836"})
        Tree::AddChild(family,
                       tree.Person("C" + std::to_string(family.children.size()), 'M', birth));
    ASSERT_EQ(tree.Run(1), 1) << tree.Report();  // equal years are in order
    EXPECT_TRUE(
        tree.Contains("<font color=maroon>Children out of order</font>\n"
                      "<table border=0 cellpadding=0><tr><td>FAM</td><td>F1</td></tr>"
                      "<tr><td>WIFE</td><td>I2</td><td>Name I2</td></tr>"
                      "<tr><td>HUSB</td><td>I1</td><td>Name I1</td></tr>\n"))
        << tree.Report();
    EXPECT_TRUE(tree.Contains("<tr><td>CHIL</td><td>1835</td><td>C2</td>"));
    EXPECT_TRUE(tree.Contains(
        "<tr><td>CHIL</td><td><font color=red>1832</font></td><td>C3</td><td>Name C3</td></tr>"));
    EXPECT_TRUE(tree.Contains("<tr><td>CHIL</td><td>1836</td><td>C5</td>"));
}

TEST(DateChecks, ChildrenBornCloseTogether) {
    // Twins within a month; otherwise 9 months apart, or 7 after a stillborn. A year without
    // month counts as January.
    const std::tuple<const char*, const char*, bool, int> cases[] = {
        {"JAN 1850", "FEB 1850", false, 0}, {"JAN 1850", "MAR 1850", false, 1},
        {"JAN 1850", "SEP 1850", false, 1}, {"JAN 1850", "OCT 1850", false, 0},
        {"JAN 1850", "JUN 1850", true, 1},  {"JAN 1850", "JUL 1850", true, 0},
        {"DEC 1849", "MAY 1850", false, 1}, {"1850", "FEB 1850", false, 0},
        {"1850", "MAR 1850", false, 1},     {"JUL 1850", "JAN 1850", false, 0}};
    for (auto [first, second, stillborn, findings] : cases) {
        Tree tree;
        Tfamily& family = tree.Family("F1", nullptr, &tree.Person("I2", 'F'));
        Tree::AddChild(family, tree.Person("C1", 'M', first));
        Tindividual& child = tree.Person("C2", 'F', second);
        if (stillborn) child.birth->eventType = "stillborn";
        Tree::AddChild(family, child);
        EXPECT_EQ(tree.Run(1), findings) << first << " / " << second << "\n" << tree.Report();
    }
}

TEST(DateChecks, CloseChildrenAcrossFamiliesOfOneWoman) {
    Tree tree;
    Tindividual& mother = tree.Person("I2", 'F');
    Tree::AddChild(tree.Family("F1", &tree.Person("I1", 'M'), &mother),
                   tree.Person("C1", 'M', "JAN 1850"));
    Tree::AddChild(tree.Family("F2", nullptr, &mother), tree.Person("C2", 'M', "MAY 1850"));
    ASSERT_EQ(tree.Run(1), 1) << tree.Report();  // the woman, not the man
    EXPECT_TRUE(
        tree.Contains("<font color=maroon>2 children born within 9 months</font>\n"
                      "<table border=0 cellpadding=0><tr><td>WIFE</td><td>I2</td>"));
    EXPECT_TRUE(tree.Contains("<tr><td>CHIL</td><td>JAN 1850</td><td>C1</td>"));
    EXPECT_TRUE(
        tree.Contains("<tr><td>CHIL</td><td><font color=red>MAY 1850</font></td><td>C2</td>"));
    EXPECT_EQ(tree.lines.front(), kHeading);  // a block as first finding gets the heading
    EXPECT_EQ(tree.lines.back(), "</table><br><br>");
}

// Children born two years apart from 1850, each baptised the given number of years after birth
// (-1: not baptised), dying in 1900 except the one at index living.
int BaptismFindings(const std::vector<int>& delays, int level, Tree& tree,
                    std::size_t living = 99) {
    Tfamily& family = tree.Family("F1", &tree.Person("I1", 'M'), nullptr);
    for (std::size_t i = 0; i < delays.size(); ++i) {
        const int birth = 1850 + 2 * static_cast<int>(i);
        Tindividual& child = tree.Person("C" + std::to_string(i + 1), 'M', std::to_string(birth),
                                         i == living ? "" : "1900");
        if (delays[i] != -1) child.christening = Event("CHR", std::to_string(birth + delays[i]));
        Tree::AddChild(family, child);
    }
    return tree.Run(level);
}

TEST(DateChecks, BaptismPractice) {
    Tree tree;  // every child baptised: one baptised after the next child's birth stands out
    EXPECT_EQ(BaptismFindings({0, 0, 0, 5, 0}, 2, tree), 1) << tree.Report();
    EXPECT_EQ(tree.lines.front(),
              "<font color=maroon>Baptise inconsistent within family practice</font>")
        << "no heading before a baptism block";
    EXPECT_TRUE(
        tree.Contains("<table border=0 cellpadding=0><tr><td>FAM</td><td>F1</td></tr>\n"
                      "<tr><td>CHIL</td><td>1850</td><td>1850</td><td>C1</td>"));
    EXPECT_TRUE(tree.Contains(
        "<tr><td>CHIL</td><td>1856</td><td><font color=red>1861</font></td><td>C4</td>"));
    EXPECT_EQ(tree.lines.back(), "</table><br><br>");

    const std::tuple<std::vector<int>, int, int, std::size_t> cases[] = {
        {{0, 0, 0, 5, 0}, 1, 0, 99},               // level 2 only
        {{0, 0, 0, 1, 0}, 2, 0, 99},               // 1856 + 1 < 1858
        {{0, 0, 0, 5, 0, -1}, 2, 1, 99},           // limit 2*5/5+1 = 3
        {{0, 0, 0, 5, 0, -1}, 2, 0, 0},            // one living child ends the check
        {{0, 0, 0, 2, 0, -1}, 2, 0, 99},           // 1858: baptised with the next child
        {{0, 0, 0, 3, 0, -1}, 2, 1, 99},           // limit 2*3/5+1 = 2
        {{0, 0, 0, 3, 0, 0, 0, 0, -1}, 2, 1, 99},  // limit 2*3/8+1 = 1
        {{0, 0, 5, 0, 0, 5, 0, 0, -1}, 2, 0, 99},  // two late children cancel the report
        {{0, 0, 0, 0, 0, 2, 0, 0, -1}, 2, 0, 99},  // 1862: baptised with the next child
        {{0, 6, -1, -1, -1, -1}, 2, 0, 99},        // too few baptised
        {{0, 0, 0, 6, -1, -1, -1}, 2, 1, 99},      // 7 - 3 > 4 is false
        {{0, 0, 0, 6, -1, -1, -1, -1}, 2, 0, 99},  // 8 - 3 > 4
        {{0, -3, 0, 6, 0, -1}, 2, 1, 99},          // baptised before birth: that finding only
    };
    for (const auto& [delays, level, findings, living] : cases) {
        Tree t;
        EXPECT_EQ(BaptismFindings(delays, level, t, living), findings) << t.Report();
        EXPECT_FALSE(delays[1] == -3 && t.Contains("Baptise")) << t.Report();
    }
}

TEST(DateChecks, OddDataDoesNotBreakTheChecks) {
    Tree tree;  // a person who is his own father, dangling child and family links
    Tindividual& loop = tree.Person("I1", 'M', "1900", "1850");
    Tfamily& family = tree.Family("F1", &loop, nullptr, "1800");
    Tree::AddChild(family, loop);
    family.children.push_back({"I404", nullptr});
    loop.famsList.push_back({"F404", nullptr});
    loop.famsList.push_back({"F1", &family});
    tree.Person("I2", 'F', "1800").famsList.push_back({"F405", nullptr});
    EXPECT_GT(tree.Run(2), 0);
    EXPECT_EQ(tree.lines.back(), "</table><br><br>");
}

TEST(DateChecks, HugeFamiliesAreChecked) {
    Tree tree;
    Tindividual& man = tree.Person("I0", 'M', "1800", "1900");
    for (int i = 0; i < 1200; ++i)
        tree.Family("FM" + std::to_string(i), &man, nullptr, std::to_string(1900 - i % 100));
    Tfamily& big = tree.Family("FB", &man, &tree.Person("I1", 'F', "1800", "1900"), "1820");
    for (int i = 0; i < 1200; ++i) {
        Tindividual& child = tree.Person("C" + std::to_string(i), 'M',
                                         "JAN " + std::to_string(1830 + i % 40), "1900");
        child.christening = Event("CHR", std::to_string(1830 + i % 40));
        Tree::AddChild(big, child);
    }
    EXPECT_GT(tree.Run(2), 0);
}

TEST(DateChecks, CheckDatesWritesTheReportAndTheSummary) {
    test::TempDir dir;
    test::FakeHost host;
    Reporter reporter(host);
    Tree tree;
    tree.Person("I1", 'M', "AFT 1850", "1849");
    ErrorReport off(ReportContext{dir.Path(), "family.ged", 0, nullptr});
    CheckDates(tree.db, English(), off, reporter);  // at level 0 only the status
    EXPECT_FALSE(off.IsOpen());
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(host.statuses.size(), 1u);
    EXPECT_TRUE(host.statuses.back().text.starts_with("Ready to calculate"));
    EXPECT_FALSE(std::filesystem::exists(off.Path()));

    ErrorReport report(ReportContext{dir.Path(), "family.ged", 1, nullptr});
    CheckDates(tree.db, English(), report, reporter);
    report.Close();
    EXPECT_TRUE(host.HasMessage("---- Dubious or inconsistent dates  (1x)")) << host.AllMessages();
    EXPECT_TRUE(host.statuses.back().text.starts_with("Ready to calculate"));
    EXPECT_EQ(host.statuses.back().colour, StatusColour::Normal);
    const std::string content = test::ReadFile(report.Path());
    EXPECT_NE(content.find(kHeading + "\r\n<tr><td>I1</td>"), std::string::npos);
    EXPECT_NE(content.find("</table><br>\r\n</table><br><br>\r\n"), std::string::npos);
}

}  // namespace
}  // namespace lg
