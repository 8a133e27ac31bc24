#include "shell/tern/CoolButton.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// How the buttons look in each state is in the reference screen
// (TernReferenceScreenTest.cpp); this is what it cannot show.
TEST(CoolButton, TakesNoFocusAndABitmapButtonTakesItsImagesSize)
{
    QWidget parent;
    CCoolButton button(&parent);
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus) << "a tap leaves the focus where it is";
    button.SetPosition(724, 10);
    button.SetCBStyle(CB_STYLE_BITMAP);
    button.LoadBitmaps(QImage(40, 30, QImage::Format_RGB32), QImage(40, 30, QImage::Format_RGB32));
    EXPECT_EQ(button.geometry(), QRect(724, 10, 40, 30));

    CCoolButton copy(&parent);
    copy.SetTextColor(RGB(1, 2, 3));
    copy.CopyStyle(nullptr);
    EXPECT_EQ(copy.GetTextColor(), RGB(1, 2, 3)) << "a copy from nothing changes nothing";
}

} // namespace
