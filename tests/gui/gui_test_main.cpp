// The widget tests run on Qt's offscreen platform, also when the machine
// has a display, so that no window flashes up and results don't depend on
// a window manager.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
