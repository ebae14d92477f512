#include "app/make_chart.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "app/parameter_file.h"
#include "app/run_pipeline.h"
#include "app/settings.h"
#include "cli/commands.h"
#include "support/test_support.h"

namespace lg {
namespace {

// The example family and its parameter file copied into a fresh directory.
struct Example {
    Example() {
        dir.CopyExampleFamily();
        EXPECT_TRUE(LoadParameterFile(session, dir.Path() / "family.params.txt"));
    }
    // Make Chart with Ctrl held: no proband dialog; true when the chart opens.
    bool Go() {
        session.ctrlHeld = true;
        return GoButtonClick(session);
    }
    bool Make(ChartType type) {
        SelectChartType(session.settings, type, session.Db().persons);
        return Go();
    }
    test::TempDir dir;
    test::FakeHost host;
    Session session{host};
};

TEST(MakeChart, CtrlHeldRunsWithoutDialogAndPublishesTheFourPages) {
    Example e;
    EXPECT_TRUE(e.Go());  // the chart window opens at once
    EXPECT_EQ(e.host.probandDialogs, 0);
    EXPECT_EQ(e.host.messages.front(), "42 names in tree.") << e.host.AllMessages();
    EXPECT_TRUE(e.host.HasMessage("Automatic selection of proband, based on tree depth."));
    EXPECT_EQ(e.session.runCount, 1);
    EXPECT_EQ(e.host.statuses.back().text, "Run 1 completed" + std::string(21, ' '));
    EXPECT_TRUE(e.session.viewEnabled);
    EXPECT_TRUE(e.session.goEnabled);
    EXPECT_EQ(e.session.GetReporter().RunState(), kRunNormal);

    std::string page = PublishChart(e.session, ChartType::Pedigree);
    EXPECT_EQ(page, (e.dir.Path() / "lg.htm").string()) << e.host.AllMessages();
    EXPECT_EQ(e.host.statuses.back().text.rfind("Pages written: " + page, 0), 0u);
    for (const char* name : {"lignorama.htm", "lgoutline.htm", "lgtekst.htm", "lg.htm"})
        EXPECT_TRUE(std::filesystem::exists(e.dir.Path() / name)) << name;
    EXPECT_NE(
        test::ReadFile(e.dir.Path() / "lg.htm").find("<frame name=\"top\" src=\"lignorama.htm\">"),
        std::string::npos);
    EXPECT_EQ(e.session.GetReporter().ErrorCount(), 0) << e.host.AllMessages();

    // Pages that cannot be written are reported.
    e.session.workingDirectory = e.dir.Path() / "missing";
    EXPECT_EQ(PublishChart(e.session, ChartType::Pedigree), "");
    EXPECT_EQ(e.host.statuses.back().colour, StatusColour::Error);
    EXPECT_EQ(e.host.messages.back(),
              "*** Unable to write " + (e.dir.Path() / "missing" / "lignorama.htm").string() +
                  ": the folder does not exist. The pages were left as they were.");
}

TEST(MakeChart, WithoutCtrlTheHintComesFirstAndTheDialogDecides) {
    Example e;
    e.host.probandAnswer = ProbandChoice{false, e.session.Db().persons.Find("I1")};
    EXPECT_FALSE(GoButtonClick(e.session));
    EXPECT_EQ(e.host.probandDialogs, 1);
    EXPECT_EQ(e.host.messages.front(),
              "You can bypass the selection of probands by holding down the Ctrl key while "
              "pressing Make Chart");
    TinbredPerson* chart = e.session.Charts(ChartType::Pedigree).Current();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->proband->person->ID, "I1");
    EXPECT_EQ(e.host.statuses.back().text, "Run 1 completed" + std::string(21, ' '));
    const std::size_t boxes = chart->nodes.size();

    // Cancelling leaves no chart to view, and no error line; the last chart
    // stays as it was, and the earlier run's status does not stand for this one.
    e.host.probandAnswer = ProbandChoice{true, nullptr};
    int errors = e.session.GetReporter().ErrorCount();
    EXPECT_FALSE(GoButtonClick(e.session));
    EXPECT_EQ(e.host.probandDialogs, 2);
    EXPECT_FALSE(e.session.viewEnabled);
    EXPECT_EQ(e.session.GetReporter().ErrorCount(), errors);
    EXPECT_EQ(e.session.runCount, 1);
    EXPECT_EQ(e.session.GetReporter().RunState(), kRunNormal);
    EXPECT_EQ(e.host.statuses.back().text, std::string(21, ' '));
    ASSERT_EQ(e.session.Charts(ChartType::Pedigree).Current(), chart);
    EXPECT_EQ(chart->nodes.size(), boxes);
    EXPECT_FALSE(PublishChart(e.session, ChartType::Pedigree).empty()) << e.host.AllMessages();
}

TEST(MakeChart, RunsThatCannotMakeAChart) {
    Example e;
    // A chart type without computation in this version says so.
    e.session.settings.options.charttype = ChartType::Kinship;
    e.Go();
    EXPECT_TRUE(e.host.HasMessage("*** An error was reported.")) << e.host.AllMessages();
    EXPECT_FALSE(e.session.viewEnabled);
    EXPECT_EQ(AutoRunChart(e.session), "");  // batch mode: nothing to do for kinship

    // A proband without parents has a tableau of his box alone.
    e.session.settings.options.charttype = ChartType::Pedigree;
    e.session.settings.current.page.clear();
    e.session.settings.current.probands = {"I40"};
    auto* person = e.session.Db().persons.Find("I40");
    person->father = person->mother = nullptr;
    ASSERT_TRUE(e.Go());
    EXPECT_EQ(PublishChart(e.session, ChartType::Pedigree),
              (e.dir.Path() / "lignorama.htm").string());

    // Without a chart file name the run only says so, and nothing is viewed.
    e.session.settings.current.output.clear();
    ASSERT_TRUE(e.Go());
    EXPECT_EQ(e.host.messages.front(), "No output file specified.");
    EXPECT_EQ(PublishChart(e.session, ChartType::Pedigree), "");
    EXPECT_EQ(e.host.statuses.back().colour, StatusColour::Error);
    EXPECT_EQ(e.host.messages.back(), "*** No file to view") << e.host.AllMessages();

    // An empty GEDCOM stops before the build, with an empty status line;
    // the chart of the file loaded before is gone with its persons.
    e.dir.Write("family.ged", test::Gedcom({}));
    LoadGedcom(e.session, e.dir.Path() / "family.ged");
    EXPECT_EQ(e.session.Charts(ChartType::Pedigree).Current(), nullptr);
    EXPECT_EQ(e.session.Charts(ChartType::Pedigree).pool.Size(), 0u);
    int errors = e.session.GetReporter().ErrorCount();
    e.Go();
    EXPECT_TRUE(e.host.HasMessage("0 names in tree."));
    EXPECT_EQ(e.session.runCount, 0);
    EXPECT_EQ(e.host.statuses.back().text, std::string(21, ' '));
    EXPECT_EQ(e.session.GetReporter().ErrorCount(), errors) << e.host.AllMessages();
}

TEST(MakeChart, GenealogyPagesOfTheOldestAncestor) {
    Example e;
    SelectChartType(e.session.settings, ChartType::Genealogy, e.session.Db().persons);
    e.session.settings.current.probands = {"I1"};
    ASSERT_TRUE(e.Go()) << e.host.AllMessages();
    const TinbredPerson* chart = e.session.Charts(ChartType::Genealogy).Current();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->proband->person->ID, "I1");
    EXPECT_EQ(PublishChart(e.session, ChartType::Genealogy), (e.dir.Path() / "lgfam.htm").string())
        << e.host.AllMessages();
    for (const char* name : {"lgfamchart.htm", "lgfamview.htm", "lggenealogy.htm"})
        EXPECT_TRUE(std::filesystem::exists(e.dir.Path() / name)) << name;
    EXPECT_EQ(e.session.GetReporter().ErrorCount(), 0) << e.host.AllMessages();
}

TEST(MakeChart, EachTypeKeepsItsChartWhileOthersAreMade) {
    Example e;
    ASSERT_TRUE(e.Make(ChartType::Pedigree)) << e.host.AllMessages();
    const TinbredPerson* pedigree = e.session.Charts(ChartType::Pedigree).Current();
    ASSERT_NE(pedigree, nullptr);
    ASSERT_FALSE(PublishChart(e.session, ChartType::Pedigree).empty()) << e.host.AllMessages();
    const auto first = test::PagesIn(e.dir.Path());
    // Publishing leaves the chart as it was: the same pages again.
    ASSERT_FALSE(PublishChart(e.session, ChartType::Pedigree).empty());
    EXPECT_EQ(test::PagesIn(e.dir.Path()), first);

    // The genealogy is built while the pedigree's boxes stay where they are.
    ASSERT_TRUE(e.Make(ChartType::Genealogy)) << e.host.AllMessages();
    EXPECT_EQ(e.session.Charts(ChartType::Pedigree).Current(), pedigree);
    ASSERT_FALSE(PublishChart(e.session, ChartType::Genealogy).empty()) << e.host.AllMessages();
    const auto genealogy = test::PagesIn(e.dir.Path());

    // Back to the pedigree: its pages come out as before, byte for byte,
    // from boxes the genealogy run did not touch.
    SelectChartType(e.session.settings, ChartType::Pedigree, e.session.Db().persons);
    ASSERT_FALSE(PublishChart(e.session, ChartType::Pedigree).empty()) << e.host.AllMessages();
    for (const auto& [name, bytes] : first)
        EXPECT_EQ(test::PagesIn(e.dir.Path())[name], bytes) << name;

    // A new pedigree leaves the genealogy alone, whose pages stay the same.
    ASSERT_TRUE(e.Make(ChartType::Pedigree));
    SelectChartType(e.session.settings, ChartType::Genealogy, e.session.Db().persons);
    ASSERT_FALSE(PublishChart(e.session, ChartType::Genealogy).empty());
    for (const auto& [name, bytes] : genealogy) {
        if (!first.count(name)) {
            EXPECT_EQ(test::PagesIn(e.dir.Path())[name], bytes) << name;
        }
    }
    EXPECT_EQ(e.session.GetReporter().ErrorCount(), 0) << e.host.AllMessages();
}

TEST(MakeChart, OffspringFanWritesItsPageOverItsPicture) {
    Example e;
    ASSERT_TRUE(e.Make(ChartType::Offspring)) << e.host.AllMessages();
    const TinbredPerson* chart = e.session.Charts(ChartType::Offspring).Current();
    ASSERT_NE(chart, nullptr);
    EXPECT_GT(chart->nodes.size(), 1u);
    // Where nothing can paint, the page is written and the picture is missing.
    EXPECT_EQ(PublishChart(e.session, ChartType::Offspring),
              (e.dir.Path() / "lgfamtree.htm").string());
    EXPECT_TRUE(
        e.host.HasMessage("*** The picture lgfamtree.jpg was not made: this build cannot draw."));
    EXPECT_FALSE(std::filesystem::exists(e.dir.Path() / "lgfamtree.jpg"));
    e.session.chartImage = [](const TinbredPerson&, const PageContext&) {
        return ChartImage{"picture", {}};
    };
    EXPECT_FALSE(PublishChart(e.session, ChartType::Offspring).empty());
    EXPECT_EQ(test::ReadFile(e.dir.Path() / "lgfamtree.jpg"), "picture");
    EXPECT_NE(test::ReadFile(e.dir.Path() / "lgfamtree.htm").find("src=lgfamtree.jpg>"),
              std::string::npos);
}

TEST(MakeChart, FindingsOfTheChecksAreNoErrorOfABatchRun) {
    test::TempDir dir;
    dir.Write("f.ged", test::Gedcom({"0 @I1@ INDI", "1 NAME Jan /Berg/", "1 FAMC @F1@",
                                     "0 @I2@ INDI", "1 FAMS @F1@", "0 @F1@ FAM"}));
    Settings settings;
    settings.options.gedcom = "f.ged";
    auto params = dir.Write("p.txt", FormatParameterFile(settings));
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCommandLine({"run", params.string()}, out, err), 0) << out.str();
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "GedcomErrors.htm")) << out.str();
}

}  // namespace
}  // namespace lg
