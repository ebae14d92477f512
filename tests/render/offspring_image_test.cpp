#include "render/offspring_image.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>

#include "charts/offspring.h"
#include "html/offspring_page.h"
#include "render/chart_painter.h"
#include "render/hand_made_chart.h"
#include "support/page_setup.h"

namespace lg::render {
namespace {

const QColor kRootBrown(139, 103, 54);
const QColor kGrey(128, 128, 128);

// A fan made by hand: the root with the children A and B; B's child is
// beyond the chart, so B gets a spoke.
struct HandFan : HandMadeChart {
    HandFan() : HandMadeChart(0) {
        root = &FanBox(2, 3, nullptr);
        chart.proband = root;
        a = &FanBox(0, 0, root);
        b = &FanBox(4, 0, root);
        hidden.generation = 3;
        hidden.index = 99;
        b->children.push_back(&hidden);
    }
    TlossPerson& FanBox(long double column, long double row, TlossPerson* parent) {
        TlossPerson& node = Box(column, row, Person('M'));
        node.generation = parent ? parent->generation + 1 : 1;
        node.sosa = 1;
        if (parent) Link(node, *parent);
        return node;
    }
    QImage Paint(const ChartPainter::Parts& parts, DoubleLink link = {}) {
        layout = LayOutChart(chart, ChartMetrics::Of(settings), ChartShape::Fan);
        QImage image(layout.extent.x, layout.extent.y, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        painter = std::make_unique<ChartPainter>(settings, names, 2024);
        QPainter p(&image);
        painter->Paint(p, layout, ChartShape::Fan, image.rect(), link, parts);
        return image;
    }
    QPoint Centre(const TlossPerson& node) const {
        const PixelPoint c = layout.CentreOf(node);
        return {c.x, c.y};
    }
    // Whether a pixel of the colour lies within one pixel of the point.
    static bool Near(const QImage& image, QPoint point, const QColor& colour) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.pixelColor(point + QPoint(dx, dy)) == colour) return true;
        return false;
    }
    static int Count(const QImage& image, const QColor& colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
        return count;
    }

    TlossPerson* root = nullptr;
    TlossPerson* a = nullptr;
    TlossPerson* b = nullptr;
    TlossPerson hidden;
    ChartLayout layout;
    std::unique_ptr<ChartPainter> painter;
};

TEST(OffspringDrawing, EllipsesBranchesSpokesAndBoxes) {
    HandFan f;
    const QImage image = f.Paint({}, DoubleLink{f.a, &f.hidden});
    const QPoint root = f.Centre(*f.root);
    // Below the root only its own ellipse: 5 x 80 by 15 x 20 pixels.
    EXPECT_EQ(image.pixelColor(root + QPoint(0, 290)), kRootBrown);
    EXPECT_EQ(image.pixelColor(root + QPoint(390, 0)), kRootBrown);
    EXPECT_EQ(image.height(), root.y() + 301);
    // The children's ellipses, half as large, lie over it in the colour
    // half way to green.
    EXPECT_EQ(image.pixelColor(f.Centre(*f.a) + QPoint(0, -140)), QColor(154, 166, 94));
    // A black branch from each child to the root, one pixel wide at the rim.
    const QPoint middle = (root + f.Centre(*f.a)) / 2;
    EXPECT_TRUE(HandFan::Near(image, middle, Qt::black));
    // B's child is not shown: a grey spoke points away from the root.
    const QPoint bCentre = f.Centre(*f.b);
    const double angle = std::atan2(bCentre.y() - root.y(), bCentre.x() - root.x());
    const QPoint spoke = bCentre + QPoint(static_cast<int>(std::lround(55 * std::cos(angle))),
                                          static_cast<int>(std::lround(55 * std::sin(angle))));
    EXPECT_TRUE(HandFan::Near(image, spoke, kGrey));
    // The boxes cover the lines' ends; the link to a box not in the chart
    // is not drawn.
    EXPECT_EQ(image.pixelColor(root + QPoint(-30, 5)), QColor(Qt::white));
    EXPECT_EQ(HandFan::Count(image, Qt::red), 0);

    // The page's picture: its ground, no boxes.
    ChartPainter::Parts picture;
    picture.ground = Qt::blue;
    picture.boxes = false;
    const QImage bare = f.Paint(picture);
    EXPECT_EQ(bare.pixelColor(root + QPoint(-30, 5)), kRootBrown);
    EXPECT_EQ(bare.pixelColor(bare.width() - 1, 0), QColor(Qt::blue));
}

TEST(OffspringDrawing, OneGenerationIsTheRootsEllipseAndItsSpokes) {
    HandFan f;
    f.FanBox(6, 0, f.root);
    // Only the root is in the chart; its three children are beyond it.
    f.chart.nodes.resize(1);
    f.chart.coords.resize(1);
    for (TlossPerson* child : f.root->children) child->index = 99;
    const QImage image = f.Paint({});
    EXPECT_EQ(HandFan::Count(image, Qt::black), 0);
    // The middle spoke points straight up.
    EXPECT_TRUE(HandFan::Near(image, f.Centre(*f.root) + QPoint(0, -50), kGrey));
    EXPECT_EQ(image.pixelColor(f.Centre(*f.root) + QPoint(0, 50)), kRootBrown);
}

TEST(OffspringDrawing, TheJpegHasTheDrawingsSizeAndTheMark) {
    HandFan f;
    test::PageSetup setup(f.settings);
    setup.settings.bgcolor = "#0000FF";
    const ChartImage made = MakeOffspringImage(f.chart, setup.Context());
    ASSERT_FALSE(made.bytes.empty()) << made.error;
    EXPECT_NE(made.bytes.find(kOffspringImageMark), std::string::npos);
    const QImage image = QImage::fromData(
        QByteArray(made.bytes.data(), static_cast<qsizetype>(made.bytes.size())), "JPG");
    ASSERT_FALSE(image.isNull());
    const ChartLayout layout = LayOutChart(f.chart, ChartMetrics::Of(f.settings), ChartShape::Fan);
    EXPECT_EQ(image.width(), layout.extent.x);
    EXPECT_EQ(image.height(), layout.extent.y);
    const QColor corner = image.pixelColor(image.width() - 2, 1);
    EXPECT_LT(corner.red() + corner.green(), 40);
    EXPECT_GT(corner.blue(), 215);

    std::string error;
    EXPECT_TRUE(EncodeJpeg(QImage(), "x", error).empty());
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace lg::render
