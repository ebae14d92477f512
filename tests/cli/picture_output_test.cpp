#include "cli/picture_output.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <regex>
#include <sstream>

#include "app/batch.h"
#include "app/session.h"
#include "render/chart_picture.h"
#include "support/test_support.h"

namespace lg::cli {
namespace {

struct PictureRun {
    int status;
    std::string out;
    std::string err;
};

PictureRun CliWithPictures(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCommandLine(args, out, err, WriteRunPictures);
    return {status, out.str(), err.str()};
}

// The number of <text> elements and the view box's width, -1 when the
// file is no well-formed XML.
std::pair<int, int> SvgTextsAndWidth(const std::filesystem::path& svg) {
    QFile file(QString::fromStdString(svg.string()));
    if (!file.open(QIODevice::ReadOnly)) return {-1, -1};
    QXmlStreamReader xml(&file);
    int texts = 0, width = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"text") ++texts;
        if (xml.name() == u"svg")
            width = xml.attributes().value("viewBox").toString().split(' ').value(2).toInt();
    }
    if (xml.hasError()) return {-1, -1};
    return {texts, width};
}

// The boxes of the parameter file's chart that show a name.
int NamedBoxes(const std::filesystem::path& params) {
    test::FakeHost host;
    Session session(host);
    if (!MakeBatchChart(session, params).chartMade) return -1;
    const auto painter = render::PainterFor(session);
    int named = 0;
    for (const TlossPerson* node :
         session.Charts(session.settings.options.charttype).Current()->nodes)
        named += !painter->BoxText(*node).isEmpty();
    return named;
}

// Both chart types of the example family, as SVG and PNG in one run: a
// text per box with a name and the PNG twice the SVG's size at scale 2.
TEST(RunPictures, DrawsEveryChartTypeAsSvgAndPng) {
    test::TempDir dir;
    dir.CopyExampleFamily();
    const std::string params = test::ReadFile(dir.Path() / "family.params.txt");
    const std::string genealogy =
        std::regex_replace(params, std::regex(";ChartType *= pedigree"), ";ChartType = genealogy");
    ASSERT_NE(genealogy, params);
    for (const auto& [name, text] :
         {std::pair{"pedigree.txt", params}, {"genealogy.txt", genealogy}}) {
        SCOPED_TRACE(name);
        const auto svg = dir.Path() / "chart.svg", png = dir.Path() / "chart.png";
        PictureRun run = CliWithPictures({"run", dir.Write(name, text).string(), "--svg",
                                          svg.string(), "--png", png.string(), "--scale", "2"});
        ASSERT_EQ(run.status, kExitOk) << run.out << run.err;
        EXPECT_NE(run.out.find("Picture written: " + png.string()), std::string::npos);
        const auto [texts, width] = SvgTextsAndWidth(svg);
        EXPECT_EQ(texts, NamedBoxes(dir.Path() / name));
        EXPECT_EQ(QImage(QString::fromStdString(png.string())).width(), 2 * width);
        // The pages were not asked for.
        EXPECT_EQ(run.out.find("Pages written"), std::string::npos);
        std::filesystem::remove(svg);
        std::filesystem::remove(png);
    }
    // The printout: a PDF on the paper asked for, the wrong paper refused.
    const std::string pedigree = (dir.Path() / "pedigree.txt").string();
    const auto pdf = dir.Path() / "chart.pdf";
    PictureRun printed = CliWithPictures({"run", pedigree, "--pdf", pdf.string(), "--paper", "a3"});
    ASSERT_EQ(printed.status, kExitOk) << printed.err;
    EXPECT_NE(printed.out.find("Printout written: " + pdf.string()), std::string::npos);
    EXPECT_EQ(test::ReadFile(pdf).rfind("%PDF", 0), 0u);
    EXPECT_NE(test::ReadFile(pdf).find("MediaBox [0 0 842.000000 1191.000000]"),
              std::string::npos);  // A3 in points
    EXPECT_EQ(CliWithPictures({"run", pedigree, "--pdf", pdf.string(), "--paper", "a5"}).status,
              kExitUsage);
    EXPECT_EQ(CliWithPictures({"run", pedigree, "--paper", "a4"}).status, kExitUsage);
    // A file that cannot be written fails the run and is named.
    const std::string gone = (dir.Path() / "gone" / "x.svg").string();
    PictureRun failed = CliWithPictures({"run", pedigree, "--svg", gone});
    EXPECT_EQ(failed.status, kExitError);
    EXPECT_NE(failed.err.find("*** " + gone + ": "), std::string::npos) << failed.err;
}

}  // namespace
}  // namespace lg::cli
