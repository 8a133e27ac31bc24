#include <QApplication>
#include <gtest/gtest.h>

// Window tests need a QApplication. They never need a display: they run on
// the offscreen platform even when started by hand from a desktop session
// (and while ctest lists their cases).
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    QApplication app(argc, argv);
    QApplication::setCursorFlashTime(0);
    return RUN_ALL_TESTS();
}
