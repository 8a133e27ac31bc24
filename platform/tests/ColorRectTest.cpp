#include "platform/Color.h"
#include "platform/Rect.h"

#include <gtest/gtest.h>

namespace {

struct ColorCase {
    COLORREF colorRef;
    int red;
    int green;
    int blue;
};

class ColorConversion : public testing::TestWithParam<ColorCase> {};

TEST_P(ColorConversion, ColorRefToColor)
{
    const ColorCase& c = GetParam();
    const QColor color = ColorFromColorRef(c.colorRef);
    EXPECT_EQ(color.red(), c.red);
    EXPECT_EQ(color.green(), c.green);
    EXPECT_EQ(color.blue(), c.blue);
    EXPECT_EQ(color.alpha(), 255);
}

TEST_P(ColorConversion, ColorToColorRef)
{
    const ColorCase& c = GetParam();
    EXPECT_EQ(ColorRefFromColor(QColor(c.red, c.green, c.blue)), c.colorRef);
    EXPECT_EQ(RGB(c.red, c.green, c.blue), c.colorRef);
}

INSTANTIATE_TEST_SUITE_P(Words, ColorConversion,
                         testing::Values(ColorCase{0x0080FFFF, 255, 255, 128}, ColorCase{0x000E0B9E, 158, 11, 14},
                                         ColorCase{0x00FF00FF, 255, 0, 255}, ColorCase{0x009F9DD8, 216, 157, 159},
                                         ColorCase{0x00000000, 0, 0, 0}, ColorCase{0x00FFFFFF, 255, 255, 255}));

TEST(ColorConversion, IgnoresAlphaAndTheHighByte)
{
    EXPECT_EQ(ColorRefFromColor(QColor(1, 2, 3, 0)), RGB(1, 2, 3));
    EXPECT_EQ(ColorFromColorRef(0xFF030201), QColor(1, 2, 3));
}

TEST(RectConversion, RightAndBottomLieOutside)
{
    const QRect board = QRectFromRect(RECT{60, 4, 520, 464});
    EXPECT_EQ(board, QRect(60, 4, 460, 460));
    EXPECT_TRUE(board.contains(519, 463));
    EXPECT_FALSE(board.contains(520, 463));
    EXPECT_FALSE(board.contains(519, 464));
}

TEST(RectConversion, RoundTrips)
{
    for (const RECT rect : {RECT{605, 70, 785, 170}, RECT{0, 0, 800, 480}, RECT{5, 5, 5, 5}}) {
        const RECT back = RectFromQRect(QRectFromRect(rect));
        EXPECT_EQ(back.left, rect.left);
        EXPECT_EQ(back.top, rect.top);
        EXPECT_EQ(back.right, rect.right);
        EXPECT_EQ(back.bottom, rect.bottom);
    }
    EXPECT_TRUE(QRectFromRect(RECT{5, 5, 5, 5}).isEmpty());
}

} // namespace
