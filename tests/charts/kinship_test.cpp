#include "charts/kinship.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "support/loaded_family.h"

namespace lg {
namespace {

// I1 and I2 are full siblings (children of I3 and I4); I5 is I1's
// half-brother by I6; I7 is no relative.
// clang-format off
const std::vector<std::string> kFamily = {
    "0 @I1@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 FAMC @F1@",
    "0 @I2@ INDI", "1 NAME Anna /Berg/", "1 SEX F", "1 FAMC @F1@",
    "0 @I3@ INDI", "1 NAME Kees /Berg/", "1 SEX M", "1 FAMS @F1@", "1 FAMS @F2@",
    "0 @I4@ INDI", "1 NAME Mien /Vos/", "1 SEX F", "1 FAMS @F1@",
    "0 @I5@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMC @F2@",
    "0 @I6@ INDI", "1 NAME Trijn /Dijk/", "1 SEX F", "1 FAMS @F2@",
    "0 @I7@ INDI", "1 NAME Lies /Smit/", "1 SEX F",
    "0 @F1@ FAM", "1 HUSB @I3@", "1 WIFE @I4@", "1 CHIL @I1@", "1 CHIL @I2@",
    "0 @F2@ FAM", "1 HUSB @I3@", "1 WIFE @I6@", "1 CHIL @I5@",
};
// clang-format on

struct KinshipRun : test::LoadedFamily {
    KinshipRun() : LoadedFamily(kFamily) {}
    const Tindividual& P(const char* id) { return *db.persons.Find(id); }
    void Run(std::vector<std::string> ids, bool large = false) {
        probands = std::move(ids);
        KinshipFileDialog save = [this] { return file; };
        KinshipRequest request;
        request.probands = &probands;
        request.largeKinship = large;
        request.saveFile = &save;
        request.chartDepth = 3;
        AnalyseKinship(db, charts, reporter, request);
    }
    ChartList charts;
    std::string file;
};

TEST(Kinship, SiblingsHalfSiblingsAndStrangersInBothMatrices) {
    KinshipRun k;
    k.Run({"I1", "I2", "I5", "I7"});
    ASSERT_EQ(k.reporter.RunState(), kRunNormal) << k.host.AllMessages();
    // Rows in the order of the person list: A = I1, B = I2, C = I5, D = I7;
    // the percentages, the generation distances, the common ancestors.
    for (const std::string& line : std::vector<std::string>{
             "    A : Berg; Jan", "  B :   25.000          *",
             "  C :   12.500      12.500          *",
             "  D :     0.000        0.000        0.000          *", "  B :     1.000          *",
             "  C :     2.000        2.000          *",
             "  D :       ?               ?               ?               *",
             std::string(16 * 4 + 6, '-'), "    Berg; Kees", "    Vos; Mien"})
        EXPECT_TRUE(k.host.HasMessage(line)) << line << "\n" << k.host.AllMessages();
    // The chart: the chosen persons who descend from a common ancestor and
    // the two parents; the ancestors grey and in the drop-down.
    ASSERT_EQ(k.charts.charts.size(), 1u);
    const TinbredPerson& chart = *k.charts.charts[0];
    EXPECT_EQ(chart.nodes.size(), 5u);
    EXPECT_EQ(k.charts.selection.size(), 2u);
    for (const TlossPerson* box : chart.nodes) {
        const bool parent = box->person->ID == "I3" || box->person->ID == "I4";
        EXPECT_EQ(box->shade, parent ? 220 : 255);
        EXPECT_EQ(box->visited, !parent);
        EXPECT_EQ(box->completeness, 1);
    }
}

TEST(Kinship, TooFewPersonsOrNoCommonAncestor) {
    {
        KinshipRun k;
        k.Run({"I1"});
        EXPECT_TRUE(k.host.HasMessage("*** No kinship to show (less than 2 persons specified)."));
        EXPECT_EQ(k.reporter.RunState(), kRunError);
    }
    {
        KinshipRun k;
        k.Run({"I1", "I7"});
        EXPECT_TRUE(k.host.HasMessage("No common ancestors"));
        EXPECT_EQ(k.reporter.RunState(), kRunCancelled);
        EXPECT_TRUE(k.charts.charts.empty());
    }
}

TEST(Kinship, LargeKinshipWritesTheFileRowByRow) {
    KinshipRun k;
    k.file = (k.dir.Path() / "kinship.txt").string();
    k.Run({"I1", "I2", "I3", "I4", "I5", "I6", "I7"}, true);
    const std::string content = test::ReadFile(k.file);
    EXPECT_EQ(content.rfind("Persons:\r\nJan Berg\r\nAnna Berg\r\n", 0), 0u) << content;
    const std::size_t table = content.find("Kinship coefficients:\r\n");
    ASSERT_NE(table, std::string::npos);
    std::istringstream rows(content.substr(table + 23));
    std::string row;
    std::size_t i = 0;
    while (std::getline(rows, row)) {
        ++i;
        EXPECT_EQ(static_cast<std::size_t>(std::count(row.begin(), row.end(), ';')), i);
        EXPECT_EQ(row.size(), 24 * i + 1);  // 23 characters and ";" each, then CR
    }
    EXPECT_EQ(i, 7u);
    EXPECT_NE(content.find(" 2.50000000000000E-0001;"), std::string::npos);
    EXPECT_TRUE(k.host.HasMessage("Coefficients written in ;-separated format"));
    EXPECT_TRUE(k.charts.charts.empty());
}

TEST(Kinship, NumberForms) {
    EXPECT_EQ(KinshipFileNumber(0.25L), " 2.50000000000000E-0001");
    EXPECT_EQ(KinshipFileNumber(0), " 0.00000000000000E+0000");
    EXPECT_EQ(KinshipFileNumber(-1.5L), "-1.50000000000000E+0000");
    EXPECT_EQ(PersonLetter(0), "A");
    EXPECT_EQ(PersonLetter(25), "Z");
    EXPECT_EQ(PersonLetter(26), "AA");
    // A value a hair below a whole carries into it; three digits take no lead.
    Tindividual x;
    const std::vector<const Tindividual*> two = {&x, &x};
    auto rows = [&](long double v) { return KinshipReportLines(two, {{1, 0}, {v, 1}}); };
    EXPECT_EQ(rows(0.249996L)[9], "  B :   25.000          *");
    EXPECT_EQ(rows(1)[9], "  B : 100.000          *");
    // Closer than a person to himself: a negative distance.
    EXPECT_EQ(rows(0.75L)[15], "  B :    -0.585          *");
    EXPECT_EQ(GenerationDistance(0.5L).value(), 0);
    EXPECT_FALSE(GenerationDistance(0).has_value());
}

// Generations of a few persons each, parents drawn at random from the
// generation above (sometimes only one known).
struct Entangled {
    explicit Entangled(unsigned seed) {
        std::mt19937 random(seed);
        std::vector<Tindividual*> above;
        for (int g = 0; g < 8; ++g) {
            std::vector<Tindividual*> level;
            for (int i = 0; i < 4; ++i) {
                auto& person = db.persons.Add(std::make_unique<Tindividual>());
                person.ID = "I" + std::to_string(db.persons.Count());
                generation[&person] = g;
                level.push_back(&person);
                if (above.empty()) continue;
                const std::size_t m = random() % above.size();
                if (random() % 5) person.mother = above[m];
                if (random() % 5) person.father = above[(m + 1 + random() % 3) % above.size()];
            }
            above = level;
        }
    }
    // Lange's recursion: the younger person's parents, one after the other.
    long double Lange(const Tindividual* a, const Tindividual* b) {
        if (!a || !b) return 0;
        if (generation[a] < generation[b]) std::swap(a, b);
        auto key = std::make_pair(a, b);
        if (auto found = memo.find(key); found != memo.end()) return found->second;
        long double value = a == b ? (1 + Lange(a->mother, a->father)) / 2
                                   : (Lange(a->mother, b) + Lange(a->father, b)) / 2;
        return memo[key] = value;
    }
    Database db;
    std::map<const Tindividual*, int> generation;
    std::map<std::pair<const Tindividual*, const Tindividual*>, long double> memo;
};

TEST(Kinship, EqualsLangesRecursionOnEntangledPedigrees) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        Entangled family(seed);
        KinshipEngine engine;
        for (const auto& a : family.db.persons)
            for (const auto& b : family.db.persons)
                ASSERT_NEAR(static_cast<double>(engine.Kinship(*a, *b)),
                            static_cast<double>(family.Lange(a.get(), b.get())), 1e-12)
                    << a->ID << " " << b->ID << " seed " << seed;
    }
}

TEST(Kinship, AChainOfAHundredThousandGenerations) {
    Database db;
    std::vector<Tindividual*> chain;
    for (int i = 0; i <= 100000; ++i) {
        chain.push_back(&db.persons.Add(std::make_unique<Tindividual>()));
        if (i > 0) chain[i - 1]->father = chain[i];
    }
    Tindividual& cousin = db.persons.Add(std::make_unique<Tindividual>());
    cousin.father = chain.back();
    KinshipEngine engine;
    EXPECT_NEAR(static_cast<double>(engine.Kinship(*chain.front(), cousin)), 0, 1e-300);
    EXPECT_NEAR(static_cast<double>(engine.Kinship(*chain[1], *chain.front())), 0.25, 1e-15);
}

}  // namespace
}  // namespace lg
