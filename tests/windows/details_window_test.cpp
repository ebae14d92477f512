#include "windows/details_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QToolBar>

#include "app/run_pipeline.h"
#include "app/session.h"
#include "render/chart_painter.h"
#include "support/test_support.h"

namespace lg::gui {
namespace {

// Jan Berg, son of Piet Berg and Wil Dijk, married to Mia Smit, one son.
struct Family {
    Family() {
        // clang-format off
        const auto file = dir.Write("f.ged", test::Gedcom({
            "0 @I1@ INDI", "1 NAME Jan /Berg/", "1 SEX M", "1 FAMC @F1@", "1 FAMS @F2@",
            "0 @I2@ INDI", "1 NAME Piet /Berg/", "1 SEX M", "1 FAMS @F1@",
            "0 @I3@ INDI", "1 NAME Wil /Dijk/", "1 SEX F", "1 FAMS @F1@",
            "0 @I4@ INDI", "1 NAME Mia /Smit/", "1 SEX F", "1 FAMS @F2@",
            "0 @I5@ INDI", "1 NAME Bram /Berg/", "1 SEX M", "1 FAMC @F2@",
            "0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I3@", "1 CHIL @I1@",
            "0 @F2@ FAM", "1 HUSB @I1@", "1 WIFE @I4@", "1 CHIL @I5@"}));
        // clang-format on
        EXPECT_TRUE(LoadGedcom(session, file)) << host.AllMessages();
        Tvariables& settings = session.settings.current;
        settings.boxwidth = 60;
        settings.boxheight = 14;
        settings.xspace = 10;
        settings.yspace = 8;
    }
    Tindividual& Person(const char* id) { return *session.Db().persons.Find(id); }

    test::TempDir dir;
    test::FakeHost host;
    Session session{host};
};

QPoint CentreOf(const TdetailsDisplay& window, const char* id) {
    for (const FamilyBox& box : window.Layout().boxes)
        if (box.person->ID == id) {
            const FamilyPixel centre = window.Geometry().Centre(box.Cell());
            return {centre.x, centre.y};
        }
    ADD_FAILURE() << id << " not shown";
    return {};
}

void Press(TdetailsDisplay& window, const char* action) {
    auto* found = window.findChild<QAction*>(action);
    ASSERT_NE(found, nullptr) << action;
    QWidget* button = window.findChild<QToolBar*>()->widgetForAction(found);
    ASSERT_NE(button, nullptr) << action;
    QTest::mouseClick(button, Qt::LeftButton);
}

TEST(DetailsWindow, DoubleClickRefocusesAndTheArrowsWalkTheHistory) {
    Family f;
    TdetailsDisplay window(f.session, f.Person("I1"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Focus on Jan Berg"));
    auto* previous = window.findChild<QAction*>("PreviousButton");
    auto* next = window.findChild<QAction*>("NextButton");
    ASSERT_TRUE(previous && next);
    EXPECT_EQ(previous->toolTip(), QStringLiteral("Previous focus person"));
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_FALSE(next->isEnabled());

    // Empty space does nothing; the father's box refocuses on him.
    QTest::mouseDClick(window.Canvas(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(window.CurrentFocus().ID, "I1");
    QTest::mouseDClick(window.Canvas(), Qt::LeftButton, {}, CentreOf(window, "I2"));
    EXPECT_EQ(window.CurrentFocus().ID, "I2");
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Focus on Piet Berg"));
    EXPECT_EQ(window.History().ids, (std::vector<std::string>{"I1", "I2"}));
    EXPECT_TRUE(previous->isEnabled());
    // Piet has no parents; his wife and Jan, now his child, remain.
    EXPECT_EQ(window.Layout().boxes.size(), 3u);
    EXPECT_EQ(window.Layout().boxes[1].column, 3.5);

    Press(window, "PreviousButton");
    EXPECT_EQ(window.CurrentFocus().ID, "I1");
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_TRUE(next->isEnabled());
    Press(window, "NextButton");
    EXPECT_EQ(window.CurrentFocus().ID, "I2");
    EXPECT_FALSE(window.GoForward());

    // A new focus from the middle of the history drops what lay ahead.
    ASSERT_TRUE(window.GoBack());
    QTest::mouseDClick(window.Canvas(), Qt::LeftButton, {}, CentreOf(window, "I5"));
    EXPECT_EQ(window.History().ids, (std::vector<std::string>{"I1", "I5"}));
}

TEST(DetailsWindow, PaintsBoxesInTheChartColoursAndCaptionsOnSilver) {
    Family f;
    TdetailsDisplay window(f.session, f.Person("I1"));
    const QImage image = window.Canvas()->grab().toImage();
    const CloseFamilyGeometry& g = window.Geometry();
    EXPECT_EQ(g.boxWidth, 90);
    EXPECT_EQ(image.width(), g.Extent(window.Layout()).x);

    // Box borders: the focus person's over the lines that meet it.
    const QPoint jan = CentreOf(window, "I1");
    const QPoint wil = CentreOf(window, "I3");
    EXPECT_EQ(image.pixelColor(jan.x() - g.boxWidth / 2, jan.y()), render::LightMaleColour());
    EXPECT_EQ(image.pixelColor(wil.x() - g.boxWidth / 2, wil.y()), render::LightFemaleColour());
    EXPECT_EQ(image.pixelColor(jan.x() - g.boxWidth / 2 - 2, jan.y() - 3), QColor(Qt::white));
    // The "focus person" caption's ground.
    EXPECT_EQ(image.pixelColor(3, g.RowCentre(4) - 5), QColor(192, 192, 192));
}

}  // namespace
}  // namespace lg::gui
