#include "shell/tern/MemSurface.h"

#include "platform/Drawing.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(MemSurface, HoldsTheLastLoadedImageBehindOnePointer)
{
    QWidget window;
    CMemSurface surface;
    surface.Create(&window);
    QImage* dc = surface.GetDC();
    surface.LoadBitmapW(QImage(4, 4, QImage::Format_RGB32));
    QImage skin(800, 480, QImage::Format_ARGB32);
    skin.fill(qRgb(10, 20, 30));
    skin.setPixel(605, 234, qRgb(90, 60, 30));
    surface.LoadBitmapW(skin);
    ASSERT_EQ(surface.GetDC(), dc);
    EXPECT_EQ(dc->size(), QSize(800, 480));
    EXPECT_EQ(GetPixel(*dc, 3, 3), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(*dc, 605, 234), RGB(90, 60, 30));
    surface.LoadBitmapW(QImage());
    EXPECT_TRUE(surface.GetDC()->isNull());
}

} // namespace
