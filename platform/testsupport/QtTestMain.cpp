#include <QApplication>
#include <gtest/gtest.h>

// Window tests need a QApplication; they run on the offscreen platform, which
// the test environment selects.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setCursorFlashTime(0);
    return RUN_ALL_TESTS();
}
