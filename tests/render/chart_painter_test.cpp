#include "render/chart_painter.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "render/hand_made_chart.h"

namespace lg::render {
namespace {

const QColor kSentinel(10, 200, 30);  // a colour the painter never uses
const QColor kWhite(Qt::white);
const QColor kBlack(Qt::black);

// The hand-made chart, painted onto an image of its size.
struct ChartFixture : HandMadeChart {
    ChartFixture() : HandMadeChart(0) {}

    QImage Paint(ChartShape shape, QRect exposed = {}, DoubleLink link = {}) {
        layout = LayOutChart(chart, ChartMetrics::Of(settings));
        QImage image(layout.extent.x + settings.xoffset, layout.extent.y + settings.yoffset,
                     QImage::Format_RGB32);
        image.fill(kSentinel);
        if (exposed.isNull()) exposed = image.rect();
        painter = std::make_unique<ChartPainter>(settings, names, 2024);
        QPainter p(&image);
        painter->Paint(p, layout, shape, exposed, link);
        return image;
    }
    QPoint Centre(const TlossPerson& node) const {
        // Worked out here too, so a box can be found before the first paint.
        const PixelPoint centre = BoxCentre(chart.coords[static_cast<std::size_t>(node.index)],
                                            ChartMetrics::Of(settings));
        return {centre.x, centre.y};
    }
    QRect BoxRect(const TlossPerson& node) const {
        const QPoint c = Centre(node);
        return {c.x() - settings.boxwidth / 2, c.y() - settings.boxheight / 2, settings.boxwidth,
                settings.boxheight};
    }

    ChartLayout layout;
    std::unique_ptr<ChartPainter> painter;
};

// Pixels of the rectangle that fail the test, for counting.
template <typename Test>
int CountPixels(const QImage& image, QRect area, Test test) {
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixelColor(x, y));
    return count;
}

// The four sides of the box in the colour, one pixel just outside it white.
void ExpectBorder(const QImage& image, QRect box, const QColor& colour, const char* what) {
    SCOPED_TRACE(what);
    const QPoint c = box.center();
    EXPECT_EQ(image.pixelColor(box.left(), c.y()), colour);
    EXPECT_EQ(image.pixelColor(box.right(), c.y()), colour);
    EXPECT_EQ(image.pixelColor(c.x(), box.top()), colour);
    EXPECT_EQ(image.pixelColor(c.x(), box.bottom()), colour);
    EXPECT_EQ(image.pixelColor(box.left() - 1, c.y()), kWhite);
    EXPECT_EQ(image.pixelColor(box.right() + 1, c.y()), kWhite);
    EXPECT_EQ(image.pixelColor(c.x(), box.bottom() + 1), kWhite);
}

QColor Halved(const QColor& colour) {
    return QColor(colour.red() / 2, colour.green() / 2, colour.blue() / 2);
}

TEST(ChartPainter, BoxesAreColouredBySexHighlightShadeAndMark) {
    // The dark set is the light one at half strength.
    const QColor male = LightMaleColour(), female = LightFemaleColour(), grey(128, 128, 128);
    EXPECT_NE(male, female);
    struct Case {
        const char* what;
        char sex;  // 0: a box without a person
        bool highlight;
        int shade;
        bool visited;
        QColor border, fill;
    };
    const Case cases[] = {
        {"man", 'M', false, 255, false, male, kWhite},
        {"woman", 'F', false, 255, false, female, kWhite},
        {"no person", 0, false, 255, false, grey, kWhite},
        {"highlighted man", 'M', true, 255, false, Halved(male), kWhite},
        {"highlighted woman", 'F', true, 255, false, Halved(female), kWhite},
        {"double", 'F', false, 220, false, female, QColor(220, 220, 220)},
        {"marked", 'F', false, 255, true, kBlack, female},
    };
    ChartFixture f;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        TlossPerson& node =
            f.Box(static_cast<long double>(i), 0, c.sex ? f.Person(c.sex) : nullptr);
        node.highlight = c.highlight;
        node.shade = c.shade;
        node.visited = c.visited;
    }
    const QImage image = f.Paint(ChartShape::Tree);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const QRect box = f.BoxRect(*f.chart.nodes[i]);
        ExpectBorder(image, box, cases[i].border, cases[i].what);
        // Everything within the border is the fill, with no text at font size 0.
        const auto notFill = [&](QColor c) { return c != cases[i].fill; };
        EXPECT_EQ(CountPixels(image, box.adjusted(1, 1, -1, -1), notFill), 0) << cases[i].what;
    }

    TlossPerson nobody;
    nobody.visited = true;
    EXPECT_EQ(SetBoxColors(nobody).fill, grey);
    EXPECT_EQ(SetBoxColors(nobody).pen, kBlack);
}

TEST(ChartPainter, TheTextContrastsWithEveryFill) {
    EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(kWhite, kWhite), 1.0, 1e-9);
    EXPECT_EQ(TextColourOn(kWhite), kBlack);
    EXPECT_EQ(TextColourOn(kBlack), kWhite);
    ChartFixture f;
    Tindividual* persons[] = {f.Person('M'), f.Person('F'), f.Person('U'), nullptr};
    TlossPerson node;
    for (Tindividual* person : persons)
        for (bool highlight : {false, true})
            for (bool visited : {false, true})
                for (int shade = 0; shade <= 255; shade += visited ? 256 : 5) {
                    node.person = person;
                    node.highlight = highlight;
                    node.visited = visited;
                    node.shade = shade;
                    const BoxColours colours = SetBoxColors(node);
                    EXPECT_GE(ContrastRatio(colours.text, colours.fill), 4.5)
                        << (person ? person->sex : '-') << highlight << visited << shade;
                }
    // On the dark mark black falls just short of 4.5 (4.49): white it is.
    node = TlossPerson();
    node.person = persons[0];
    node.highlight = node.visited = true;
    EXPECT_EQ(SetBoxColors(node).text, kWhite);
}

TEST(ChartPainter, AMarkedBoxShowsDarkTextOnItsLightFill) {
    ChartFixture f;
    f.settings.fontsize = 9;
    TlossPerson& marked = f.Box(0, 0, f.Person('M', "Berg"));
    marked.visited = true;
    const QImage image = f.Paint(ChartShape::Tree);
    const QColor fill = LightMaleColour();
    const QRect inside = f.BoxRect(marked).adjusted(1, 1, -1, -1);
    ASSERT_EQ(image.pixelColor(inside.topLeft()), fill);
    // Text pixels blend the text colour into the fill: dark ones are there,
    // and none is lighter than the fill, as white text would make them.
    EXPECT_GT(CountPixels(image, inside, [](QColor c) { return c.lightness() < 60; }), 10);
    EXPECT_EQ(CountPixels(image, inside, [&](QColor c) { return c.red() > fill.red(); }), 0);
}

TEST(ChartPainter, PedigreeLinesRunFromTheChildToEachParentThroughTheGap) {
    ChartFixture f;
    TlossPerson& father = f.Box(1, 0, f.Person('M'));
    TlossPerson& child = f.Box(0, 0.5, f.Person('M'));
    TlossPerson& mother = f.Box(1, 1, f.Person('F'));
    ChartFixture::Link(child, father);
    ChartFixture::Link(child, mother);
    const QImage image = f.Paint(ChartShape::Tree);

    const QRect c = f.BoxRect(child), fa = f.BoxRect(father), mo = f.BoxRect(mother);
    const int middle = c.right() + 1 + f.settings.xspace / 2;
    const int childRow = f.Centre(child).y();
    const int fatherRow = f.Centre(father).y(), motherRow = f.Centre(mother).y();
    ASSERT_LT(fatherRow, childRow);
    ASSERT_LT(childRow, motherRow);
    // The line leaves the child's box right at its border...
    EXPECT_EQ(image.pixelColor(c.right() + 1, childRow), kBlack);
    EXPECT_EQ(image.pixelColor(c.right(), childRow), LightMaleColour());
    // ...bends in the middle of the gap and goes up to the father and down to the mother...
    EXPECT_EQ(image.pixelColor(middle, childRow), kBlack);
    EXPECT_EQ(image.pixelColor(middle + 1, childRow), kWhite);
    EXPECT_EQ(CountPixels(image, QRect(QPoint(middle, fatherRow), QPoint(middle, motherRow)),
                          [](QColor p) { return p != kBlack; }),
              0);
    EXPECT_EQ(image.pixelColor(middle, fatherRow - 1), kWhite);
    EXPECT_EQ(image.pixelColor(middle, motherRow + 1), kWhite);
    EXPECT_EQ(image.pixelColor(middle - 1, fatherRow), kWhite);
    EXPECT_EQ(image.pixelColor(middle - 1, motherRow), kWhite);
    // ...and meets each parent's box at its left border.
    EXPECT_EQ(image.pixelColor(fa.left() - 1, fatherRow), kBlack);
    EXPECT_EQ(image.pixelColor(fa.left(), fatherRow), LightMaleColour());
    EXPECT_EQ(image.pixelColor(fa.left() + 1, fatherRow), kWhite);
    EXPECT_EQ(image.pixelColor(mo.left() - 1, motherRow), kBlack);
    EXPECT_EQ(image.pixelColor(mo.left(), motherRow), LightFemaleColour());
    EXPECT_EQ(image.pixelColor(mo.left() + 1, motherRow), kWhite);

    // The line's rectangle spans all three columns, the middle one too when it
    // lies outside the ends, so culling never drops a visible bend.
    const auto bounds = [](const ChartPainter::Line& l) {
        return std::array{l.left, l.top, l.right, l.bottom};
    };
    const ChartPainter::Line line = ChartPainter::MakeLine({90, 35}, 100, {110, 20}, kBlack);
    ASSERT_EQ(line.count, 4);
    EXPECT_EQ(std::vector<QPoint>(line.points, line.points + 4),
              (std::vector<QPoint>{{90, 35}, {100, 35}, {100, 20}, {110, 20}}));
    EXPECT_EQ(bounds(line), (std::array{90, 20, 110, 35}));
    EXPECT_EQ(bounds(ChartPainter::MakeLine({50, 10}, 5, {30, 60}, kBlack)),
              (std::array{5, 10, 50, 60}));
}

TEST(ChartPainter, DescendantLinesOffTheFamilyLineAreSilverWhenTheSchemeAsks) {
    for (const char* scheme : {"z1@", "z1"}) {
        SCOPED_TRACE(scheme);
        ChartFixture f;
        f.settings.namingscheme = scheme;
        TlossPerson& heir = f.Box(1, 0, f.Person('M'));
        heir.lineFlag = true;
        TlossPerson& parent = f.Box(0, 0.5, f.Person('M'));
        parent.lineFlag = true;
        TlossPerson& daughter = f.Box(1, 1, f.Person('F'));
        ChartFixture::Link(heir, parent);
        ChartFixture::Link(daughter, parent);
        const QImage image = f.Paint(ChartShape::Descendants);

        const bool grey = std::string(scheme).find('@') != std::string::npos;
        const QColor offLine = grey ? QColor(192, 192, 192) : kBlack;
        const int middle = (f.BoxRect(parent).right() + 1 + f.BoxRect(heir).left()) / 2;
        const int heirRow = f.Centre(heir).y(), daughterRow = f.Centre(daughter).y();
        // From each child's left border along its row, then up or down to the parent's row.
        EXPECT_EQ(image.pixelColor(f.BoxRect(heir).left() - 1, heirRow), kBlack);
        EXPECT_EQ(image.pixelColor(middle + 2, heirRow), kBlack);
        EXPECT_EQ(image.pixelColor(middle, heirRow + 5), kBlack);
        EXPECT_EQ(image.pixelColor(f.BoxRect(daughter).left() - 1, daughterRow), offLine);
        EXPECT_EQ(image.pixelColor(middle + 2, daughterRow), offLine);
        EXPECT_EQ(image.pixelColor(middle, daughterRow - 5), offLine);
        // And on to the parent's right border.
        EXPECT_NE(image.pixelColor(f.BoxRect(parent).right() + 1, f.Centre(parent).y()), kWhite);
        EXPECT_EQ(image.pixelColor(middle - 1, heirRow), kWhite);
    }
}

TEST(ChartPainter, NamesAreDrawnInsideTheBoxAndClippedToIt) {
    // Text pixels are those that are neither the ground nor the border colour.
    const auto text = [](QColor c) { return c != kWhite && c != LightMaleColour(); };
    ChartFixture f;
    f.settings.fontsize = 9;
    TlossPerson& wide = f.Box(0, 0, f.Person('M', "Wolfeschlegelsteinhausenbergerdorff"));
    TlossPerson& fits = f.Box(0, 1, f.Person('M', "Berg"));
    const QImage image = f.Paint(ChartShape::Tree);
    ASSERT_EQ(f.painter->BoxText(fits), "Berg");
    const QRect rect = f.BoxRect(fits), cut = f.BoxRect(wide);
    ASSERT_GT(QFontMetrics(f.painter->Font()).horizontalAdvance(f.painter->BoxText(wide)),
              cut.width());

    // A short name sits in the middle of the box.
    EXPECT_GT(CountPixels(image, rect.adjusted(1, 1, -1, -1), text), 0);
    int leftmost = rect.right(), rightmost = rect.left();
    for (int y = rect.top() + 1; y < rect.bottom(); ++y)
        for (int x = rect.left() + 1; x < rect.right(); ++x)
            if (text(image.pixelColor(x, y))) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    EXPECT_NEAR(leftmost - rect.left(), rect.right() - rightmost, 4);

    // A name wider than the box is cut off at its border, which stays whole.
    EXPECT_GT(CountPixels(image, cut.adjusted(1, 1, -1, -1), text), 0);
    const auto notBorder = [](QColor c) { return c != LightMaleColour(); };
    EXPECT_EQ(CountPixels(image, QRect(cut.right(), cut.top(), 1, cut.height()), notBorder), 0);
    EXPECT_EQ(CountPixels(image, QRect(cut.left(), cut.top(), 1, cut.height()), notBorder), 0);
    EXPECT_EQ(CountPixels(image, QRect(cut.left(), cut.top(), cut.width(), 1), notBorder), 0);

    // Outside the boxes the chart has nothing else to show.
    QImage outside = image.copy();
    QPainter(&outside).fillRect(rect, kWhite);
    QPainter(&outside).fillRect(cut, kWhite);
    EXPECT_EQ(CountPixels(outside, outside.rect(), [](QColor c) { return c != kWhite; }), 0);
}

TEST(ChartPainter, PaintsOnlyWhatReachesIntoTheExposedRectangle) {
    ChartFixture f;
    TlossPerson& father = f.Box(1, 0, f.Person('M'));
    TlossPerson& loner = f.Box(2, 0, f.Person('F'));
    TlossPerson& child = f.Box(0, 0.5, f.Person('M'));
    TlossPerson& mother = f.Box(1, 1, f.Person('F'));
    ChartFixture::Link(child, father);
    ChartFixture::Link(child, mother);
    const auto isSentinel = [](QColor c) { return c == kSentinel; };
    const auto painted = [](QColor c) { return c != kSentinel; };

    // A box no line reaches: the painting stays within it.
    const QRect alone = f.BoxRect(loner);
    QImage image = f.Paint(ChartShape::Tree, alone);
    EXPECT_EQ(CountPixels(image, image.rect(), isSentinel),
              image.width() * image.height() - alone.width() * alone.height());
    EXPECT_EQ(CountPixels(image, alone, isSentinel), 0);
    EXPECT_EQ(image.pixelColor(alone.left(), alone.center().y()), LightFemaleColour());
    EXPECT_EQ(image.pixelColor(alone.center()), kWhite);

    // The father's box: the child's box beside it, the mother's below it and
    // the line to the mother lie wholly outside and are left alone.
    image = f.Paint(ChartShape::Tree, f.BoxRect(father));
    EXPECT_EQ(image.pixelColor(f.BoxRect(father).left(), f.Centre(father).y()), LightMaleColour());
    EXPECT_EQ(CountPixels(image, f.BoxRect(child), painted), 0);
    EXPECT_EQ(CountPixels(image, f.BoxRect(mother), painted), 0);
    EXPECT_EQ(image.pixelColor(f.BoxRect(mother).left() - 1, f.Centre(mother).y()), kSentinel);
    EXPECT_EQ(CountPixels(image, f.BoxRect(loner), painted), 0);
}

TEST(ChartPainter, TheDoubleLinkIsARedLineBetweenTheCentres) {
    ChartFixture f;
    f.Box(1, 0, f.Person('M'));
    TlossPerson& first = f.Box(2, 0, f.Person('F'));
    TlossPerson& twin = f.Box(1, 1, f.Person('F'));
    twin.isDouble = true;
    // From (250, 20) to (150, 50) the line passes through (200, 35) and
    // (190, 38), both in the gaps between boxes.
    QImage image = f.Paint(ChartShape::Tree);
    ASSERT_EQ(f.Centre(first), QPoint(250, 20));
    ASSERT_EQ(f.Centre(twin), QPoint(150, 50));
    EXPECT_EQ(image.pixelColor(200, 35), kWhite);
    image = f.Paint(ChartShape::Tree, {}, DoubleLink{&twin, &first});
    EXPECT_EQ(image.pixelColor(200, 35), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(190, 38), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(200, 30), kWhite);
    // The boxes are drawn over it.
    EXPECT_EQ(image.pixelColor(f.BoxRect(first).center()), kWhite);
}

}  // namespace
}  // namespace lg::render
