#include "platform/Color.h"
#include "platform/Rect.h"

#include <utility>

#include <gtest/gtest.h>

namespace {

TEST(ColorConversion, BothWaysIgnoringAlphaAndTheHighByte)
{
    const std::pair<COLORREF, QColor> colours[]
        = { { 0x0080FFFF, QColor(255, 255, 128) }, { 0x000E0B9E, QColor(158, 11, 14) } };
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
    EXPECT_EQ(QRectFromRect(RECT { 60, 4, 520, 464 }), QRect(60, 4, 460, 460));
    for (const QRect rect : { QRect(605, 70, 180, 100), QRect(5, 5, 0, 0) })
        EXPECT_EQ(QRectFromRect(RectFromQRect(rect)), rect);
}

} // namespace
