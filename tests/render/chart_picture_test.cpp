#include "render/chart_picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QXmlStreamReader>
#include <cmath>
#include <deque>
#include <map>
#include <memory>

#include "support/test_support.h"

#include "render/hand_made_chart.h"

namespace lg::render {
namespace {

// A pedigree of a man, his parents and one box without a person, with
// boxes of 80 x 20 pixels a column every 100 and a row every 30 pixels.
struct PictureFixture : HandMadeChart {
    PictureFixture() : HandMadeChart(8) {
        // Bottom row first, as the chart assembly orders them.
        Box(1, 2, Person('F', "Lef\xE8vre"));
        Box(0, 1, Person('M', "Berg"));
        Box(1, 0, Person('M', "Achterberg-Vandenbroucke"));  // wider than its box
        Box(2, 0, nullptr);
        chart.nodes[1]->parents = {chart.nodes[2], chart.nodes[0]};
        painter = std::make_unique<ChartPainter>(settings, names, 2024);
        Relayout();
    }
    void Relayout() { layout = LayOutChart(chart, painter->Metrics()); }
    QString Write(const QString& name, PictureFormat format, double scale = 1.0) {
        return WriteChartPicture(*painter, layout, ChartShape::Tree, Path(name), format, scale);
    }
    QString Path(const QString& name) const {
        return QString::fromStdString((dir.Path() / name.toStdString()).string());
    }

    std::unique_ptr<ChartPainter> painter;
    ChartLayout layout;
    test::TempDir dir;
};

TEST(ChartPicture, SvgHoldsEachNameAsOneTextElement) {
    PictureFixture f;
    ASSERT_EQ(f.Write("chart.svg", PictureFormat::Svg), "");
    QFile file(f.Path("chart.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    std::map<QString, int> texts;
    QString viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"svg") viewBox = xml.attributes().value("viewBox").toString();
        if (xml.name() == u"text") ++texts[xml.readElementText()];
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(viewBox, QString("0 0 %1 %2").arg(f.layout.extent.x).arg(f.layout.extent.y));
    // One text per box with a person; the name too long for its box is cut
    // to the letters that fit, as the window's clipping shows it.
    ASSERT_EQ(texts.size(), 3u);
    for (const TlossPerson* node : {f.chart.nodes[0], f.chart.nodes[1]}) {
        const QString name = f.painter->BoxText(*node);
        EXPECT_EQ(texts[name], 1) << name.toStdString();
        texts.erase(name);
    }
    ASSERT_EQ(texts.size(), 1u);
    const auto& [cut, count] = *texts.begin();
    const QString longName = f.painter->BoxText(*f.chart.nodes[2]);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(longName.startsWith(cut) && cut.size() < longName.size() && cut.size() > 3)
        << cut.toStdString();
}

TEST(ChartPicture, PngIsTheWindowsDrawingAtTheScale) {
    PictureFixture f;
    // What the window paints on its canvas.
    QImage screen(f.layout.extent.x, f.layout.extent.y, QImage::Format_RGB32);
    {
        QPainter p(&screen);
        f.painter->Paint(p, f.layout, ChartShape::Tree, screen.rect(), {});
    }
    ASSERT_EQ(f.Write("one.png", PictureFormat::Png), "");
    QImage one(f.Path("one.png"));
    EXPECT_EQ(one.size(), QSize(f.layout.extent.x, f.layout.extent.y));
    EXPECT_EQ(one.convertToFormat(QImage::Format_RGB32), screen);

    for (double scale : {0.5, 1.5, 2.0}) {
        SCOPED_TRACE(scale);
        ASSERT_EQ(f.Write("scaled.png", PictureFormat::Png, scale), "");
        QImage scaled(f.Path("scaled.png"));
        EXPECT_EQ(scaled.width(), static_cast<int>(std::ceil(f.layout.extent.x * scale)));
        EXPECT_EQ(scaled.height(), static_cast<int>(std::ceil(f.layout.extent.y * scale)));
    }
    // At twice the size, the last written, a box's border lies at twice its place.
    const QImage two(f.Path("scaled.png"));
    const PixelPoint centre = f.layout.CentreOf(*f.chart.nodes[1]);
    const int left = centre.x - f.settings.boxwidth / 2;
    EXPECT_EQ(QColor(screen.pixel(left, centre.y)), QColor(106, 255, 255));
    EXPECT_EQ(QColor(two.pixel(2 * left, 2 * centre.y)), QColor(106, 255, 255));
    EXPECT_EQ(QColor(two.pixel(2 * left - 2, 2 * centre.y)), QColor(Qt::white));
}

TEST(ChartPicture, RefusesPngsTooLargeAndKeepsTheOldFile) {
    PictureFixture f;
    // A box 330 columns out makes the chart 33,000 pixels wide.
    f.Box(330, 2, f.Person('F', "Far"));
    f.Relayout();
    ASSERT_GT(f.layout.extent.x, kLargestPngSide);
    f.dir.Write("wide.png", "old");
    const QString refusal = f.Write("wide.png", PictureFormat::Png);
    EXPECT_TRUE(refusal.contains("32767") && refusal.contains("SVG")) << refusal.toStdString();
    EXPECT_EQ(test::ReadFile(f.dir.Path() / "wide.png"), "old");
    // Half the size fits, and the SVG of any size.
    EXPECT_EQ(f.Write("wide.png", PictureFormat::Png, 0.5), "");
    EXPECT_EQ(f.Write("wide.svg", PictureFormat::Svg), "");
    // A folder that does not exist is a message, not a crash.
    EXPECT_FALSE(f.Write("none/chart.svg", PictureFormat::Svg).isEmpty());
    EXPECT_FALSE(f.Write("bad.png", PictureFormat::Png, 0).isEmpty());

    EXPECT_EQ(PictureFormatOf("a/b.SVG"), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf("b.png"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf("b.svg.txt"), std::nullopt);
    EXPECT_EQ(PictureFormatOf("svg"), std::nullopt);
}

}  // namespace
}  // namespace lg::render
