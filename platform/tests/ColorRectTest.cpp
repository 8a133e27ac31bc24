#include "platform/Color.h"
#include "platform/Rect.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorConversion, BothWaysIgnoringAlphaAndTheHighByte)
{
    const struct {
        COLORREF colorRef;
        QColor color;
    } colours[] = {
        { 0x0080FFFF, QColor(255, 255, 128) }, { 0x000E0B9E, QColor(158, 11, 14) },
        { 0x00FF00FF, QColor(255, 0, 255) },   { 0x009F9DD8, QColor(216, 157, 159) },
        { 0x00000000, QColor(0, 0, 0) },       { 0x00FFFFFF, QColor(255, 255, 255) },
    };
    for (const auto& [colorRef, color] : colours) {
        EXPECT_EQ(ColorFromColorRef(colorRef), color) << colorRef;
        EXPECT_EQ(ColorRefFromColor(color), colorRef) << colorRef;
        EXPECT_EQ(RGB(color.red(), color.green(), color.blue()), colorRef) << colorRef;
    }
    EXPECT_EQ(ColorRefFromColor(QColor(1, 2, 3, 0)), RGB(1, 2, 3));
    EXPECT_EQ(ColorFromColorRef(0xFF030201), QColor(1, 2, 3));
}

TEST(RectConversion, RightAndBottomLieOutsideAndRoundTrip)
{
    const QRect board = QRectFromRect(RECT{60, 4, 520, 464});
    EXPECT_EQ(board, QRect(60, 4, 460, 460));
    EXPECT_TRUE(board.contains(519, 463));
    EXPECT_FALSE(board.contains(520, 463));
    EXPECT_FALSE(board.contains(519, 464));
    for (const RECT rect : {RECT{605, 70, 785, 170}, RECT{0, 0, 800, 480}, RECT{5, 5, 5, 5}}) {
        const RECT back = RectFromQRect(QRectFromRect(rect));
        EXPECT_EQ(QRect(QPoint(back.left, back.top), QPoint(back.right, back.bottom)),
                  QRect(QPoint(rect.left, rect.top), QPoint(rect.right, rect.bottom)));
    }
    EXPECT_TRUE(QRectFromRect(RECT{5, 5, 5, 5}).isEmpty());
}

} // namespace
