// The pedigree and genealogy pages of the real-world GEDCOM files kept
// beside the repository (when this checkout has them), made as the batch
// mode makes them from a parameter file with factory settings: every link
// must lead somewhere and every character reference must be one HTML knows.
// One test per file and chart type, so a failure names the file.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

#include "app/batch.h"
#include "app/parameter_file.h"
#include "app/session.h"
#include "app/settings.h"
#include "support/page_check.h"
#include "support/test_support.h"

namespace lg {
namespace {

struct PageRun {
    std::string gedcom;  // file name in the real-world folder; empty: no folder
    ChartType type = ChartType::Pedigree;
    std::string TypeName() const { return type == ChartType::Genealogy ? "genealogy" : "pedigree"; }
};

std::vector<PageRun> AllRuns() {
    std::vector<std::string> files;
    if (const std::filesystem::path dir = test::RealWorldDataDir(); !dir.empty()) {
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            std::string extension = entry.path().extension().string();
            for (char& c : extension)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (entry.is_regular_file() && extension == ".ged")
                files.push_back(entry.path().filename().string());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<PageRun> runs;
    for (const std::string& file : files)
        for (ChartType type : {ChartType::Pedigree, ChartType::Genealogy})
            runs.push_back({file, type});
    if (runs.empty()) runs.push_back({});  // a test that says why it is skipped
    return runs;
}

// Failure lines name the run, not the bytes of the parameter.
void PrintTo(const PageRun& run, std::ostream* out) {
    *out << run.gedcom << " " << run.TypeName();
}

std::string RunName(const testing::TestParamInfo<PageRun>& info) {
    if (info.param.gedcom.empty()) return "NoFiles";
    std::string name;
    for (char c : std::filesystem::path(info.param.gedcom).stem().string())
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name + "_" + info.param.TypeName();
}

class RealWorldPages : public testing::TestWithParam<PageRun> {};

TEST_P(RealWorldPages, LinksAndReferencesHold) {
    const PageRun& run = GetParam();
    if (run.gedcom.empty()) GTEST_SKIP() << "no real-world GEDCOM files beside this checkout";

    // What `lignorama-cli params FILE.ged` writes, with the chart type
    // set, run as `lignorama-cli run` runs it: the proband is chosen by
    // tree depth and the pages go beside the parameter file.
    test::TempDir out;
    Settings settings;
    settings.options.gedcom = GedcomNameFor(test::RealWorldDataDir() / run.gedcom, out.Path());
    settings.options.charttype = run.type;
    const std::filesystem::path parameters =
        out.Write("pages.params.txt", FormatParameterFile(settings));
    test::FakeHost host;
    Session session(host);
    const BatchResult result = RunBatch(session, parameters);
    // A file without persons has no chart, and saying so is all it can do.
    if (session.Db().persons.Count() == 0)
        GTEST_SKIP() << run.gedcom << " holds no person, so there are no pages:\n"
                     << host.AllMessages();

    const auto pages = test::PagesIn(out.Path());
    std::string proband = "none";
    if (const TinbredPerson* chart = session.Charts(run.type).Current())
        proband = chart->proband->person->ID;
    const std::string about = run.gedcom + ", " + run.TypeName() + " of " + proband + ", " +
                              std::to_string(pages.size()) + " pages written";
    SCOPED_TRACE(about);

    const std::vector<test::PageProblem> links = test::CheckLinks(out.Path());
    EXPECT_TRUE(links.empty()) << links.size() << " links lead nowhere:\n"
                               << test::DescribeProblems(links);

    std::vector<test::PageProblem> references;
    for (const auto& [name, bytes] : pages) {
        std::vector<test::PageProblem> found = test::CheckReferences(name, bytes);
        references.insert(references.end(), found.begin(), found.end());
    }
    EXPECT_TRUE(references.empty()) << references.size() << " references HTML does not define:\n"
                                    << test::DescribeProblems(references);

    // Checks of pages that were never written would prove nothing.
    EXPECT_FALSE(result.failed) << "the run reported an error:\n" << host.AllMessages();
    EXPECT_FALSE(pages.empty()) << host.AllMessages();
}

INSTANTIATE_TEST_SUITE_P(AllFiles, RealWorldPages, testing::ValuesIn(AllRuns()), RunName);

}  // namespace
}  // namespace lg
