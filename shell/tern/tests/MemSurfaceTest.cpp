#include "shell/tern/MemSurface.h"

#include "platform/Drawing.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The surface holds the last image loaded, origin at zero, to be drawn on; a
// null image empties it.
TEST(MemSurface, HoldsTheLastLoadedImageToDrawOn)
{
    QWidget window;
    CMemSurface surface;
    surface.Create(&window);
    QImage* dc = surface.GetDC();
    QImage first(4, 4, QImage::Format_RGB32);
    first.fill(Qt::red);
    surface.LoadBitmapW(first);
    QImage skin(800, 480, QImage::Format_ARGB32);
    skin.fill(qRgb(10, 20, 30));
    skin.setPixel(605, 234, qRgb(90, 60, 30));
    surface.LoadBitmapW(skin);
    ASSERT_EQ(surface.GetDC(), dc);
    EXPECT_EQ(dc->size(), QSize(800, 480));
    {
        QPainter painter(dc);
        FillRect(painter, QRect(10, 10, 5, 5), RGB(158, 11, 14));
    }
    EXPECT_EQ(GetPixel(*dc, 12, 12), RGB(158, 11, 14));
    EXPECT_EQ(GetPixel(*dc, 3, 3), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(*dc, 605, 234), RGB(90, 60, 30));
    surface.LoadBitmapW(QImage());
    EXPECT_TRUE(surface.GetDC()->isNull());
    EXPECT_EQ(GetPixel(*surface.GetDC(), 0, 0), CLR_INVALID);
}

} // namespace
