#include "gui/qt_host.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "base/reporter.h"
#include "render/qt_text.h"

namespace lg::gui {
namespace {

TEST(QtHost, MessagesAndStatusReachTheWidgets) {
    QPlainTextEdit memo;
    QLabel status;
    QtHost host;
    host.Attach(&memo, &status, nullptr, nullptr);
    Reporter reporter(host);
    reporter.AddMessage(
        "Gro\xDF"
        "e &amp; Kleine");
    reporter.AddMessage("boom", true);
    EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("Große & Kleine\n*** boom"));
    EXPECT_TRUE(status.text().startsWith("An error was reported."));
    EXPECT_EQ(status.palette().color(QPalette::WindowText), QColor(255, 0, 0));
    reporter.ShowStatus("Run 1 completed", StatusColour::Normal);
    EXPECT_EQ(status.palette().color(QPalette::WindowText), QColor(0, 128, 0));
    reporter.ClearMessages();
    EXPECT_TRUE(memo.toPlainText().isEmpty());
    // Typed text goes back into the code page, foreign letters as references.
    EXPECT_EQ(FromQString(QString::fromUtf8("Łódź é")),
              "&#321;\xF3"
              "d&#378; \xE9");
}

TEST(QtHost, DuringComputationsOnlyEscAndCancelGetThrough) {
    QWidget window;
    QLineEdit edit(&window);
    QPushButton other("Other", &window);
    QPushButton cancel("Cancel", &window);
    int otherClicks = 0;
    QObject::connect(&other, &QPushButton::clicked, [&] { ++otherClicks; });
    QtHost host;
    host.Attach(nullptr, nullptr, &cancel, &window);
    Reporter reporter(host);

    reporter.BeginInterruptible();
    QTest::keyClicks(&edit, "abc");
    QTest::mouseClick(&other, Qt::LeftButton);
    EXPECT_FALSE(reporter.CheckInterrupted());
    EXPECT_TRUE(edit.text().isEmpty());
    EXPECT_EQ(otherClicks, 0);

    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_TRUE(reporter.CheckInterrupted());
    EXPECT_EQ(reporter.RunState(), kRunError);
    reporter.EndInterruptible();

    reporter.SetRunState(kRunNormal);
    reporter.BeginInterruptible();
    QTest::mouseClick(&cancel, Qt::LeftButton);
    EXPECT_TRUE(reporter.CheckInterrupted());
    reporter.EndInterruptible();

    // Afterwards input flows again, and Esc interrupts nothing.
    QTest::keyClicks(&edit, "abc");
    QTest::mouseClick(&other, Qt::LeftButton);
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_EQ(otherClicks, 1);
    EXPECT_FALSE(host.Busy());
}

}  // namespace
}  // namespace lg::gui
