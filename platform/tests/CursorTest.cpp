#include "platform/Cursor.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

// The pointer state is program-wide: each test leaves it as it found it.
class Pointer : public testing::Test {
protected:
    void TearDown() override { SetCursorHidingEnabled(false); }
};

TEST_F(Pointer, ShowCountHidesBelowZeroOnATouchScreenOnly)
{
    EXPECT_EQ(ShowCursor(false), -1);
    EXPECT_TRUE(IsCursorShown()) << "a desktop keeps its pointer until hiding is enabled";
    SetCursorHidingEnabled(true);
    EXPECT_FALSE(IsCursorShown());
    EXPECT_EQ(ShownCursorShape(), Qt::BlankCursor);
    EXPECT_EQ(ShowCursor(false), -2);
    EXPECT_EQ(ShowCursor(true), -1);
    SetCursorHidingEnabled(false);
    EXPECT_TRUE(IsCursorShown());
    SetCursorHidingEnabled(true);
    EXPECT_FALSE(IsCursorShown());
    EXPECT_EQ(ShowCursor(true), 0);
    EXPECT_TRUE(IsCursorShown());
    EXPECT_EQ(ShownCursorShape(), Qt::ArrowCursor);
}

TEST_F(Pointer, ShapesAndTheWaitCursor)
{
    EXPECT_EQ(SetCursor(QCursor(Qt::CrossCursor)).shape(), Qt::ArrowCursor);
    EXPECT_EQ(ShownCursorShape(), Qt::CrossCursor);
    {
        CWaitCursor wait;
        EXPECT_EQ(ShownCursorShape(), Qt::WaitCursor);
        {
            CWaitCursor nested;
        }
        EXPECT_EQ(ShownCursorShape(), Qt::WaitCursor);
    }
    EXPECT_EQ(ShownCursorShape(), Qt::CrossCursor);
    SetCursorHidingEnabled(true);
    ShowCursor(false);
    {
        CWaitCursor wait;
        EXPECT_EQ(ShownCursorShape(), Qt::BlankCursor);
    }
    ShowCursor(true);
    SetCursor(QCursor(Qt::ArrowCursor));
    // One override cursor carries every change, so none pile up in a long run.
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
