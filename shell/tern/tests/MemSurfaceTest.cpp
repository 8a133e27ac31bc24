#include "shell/tern/MemSurface.h"

#include "platform/Drawing.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(MemSurface, HoldsTheLoadedImageWithItsOriginAtZero)
{
    QWidget window;
    CMemSurface surface;
    surface.Create(&window);
    QImage* dc = surface.GetDC();
    QImage skin(800, 480, QImage::Format_ARGB32);
    skin.fill(qRgb(10, 20, 30));
    skin.setPixel(605, 234, qRgb(90, 60, 30));
    surface.LoadBitmapW(skin);
    EXPECT_EQ(surface.GetDC(), dc);
    EXPECT_EQ(dc->size(), QSize(800, 480));
    EXPECT_EQ(GetPixel(*dc, 605, 234), RGB(90, 60, 30));
    EXPECT_EQ(GetPixel(*dc, 0, 0), RGB(10, 20, 30));
}

TEST(MemSurface, IsATargetOfDrawingAndASourceOfCopies)
{
    CMemSurface surface;
    surface.Create(nullptr);
    QImage skin(100, 100, QImage::Format_RGB32);
    skin.fill(Qt::white);
    surface.LoadBitmapW(skin);
    {
        QPainter painter(surface.GetDC());
        FillRect(painter, QRect(10, 10, 5, 5), RGB(158, 11, 14));
    }
    QImage screen(100, 100, QImage::Format_RGB32);
    screen.fill(Qt::black);
    {
        QPainter painter(&screen);
        CopyImage(painter, 0, 0, 100, 100, *surface.GetDC());
    }
    EXPECT_EQ(GetPixel(screen, 12, 12), RGB(158, 11, 14));
    EXPECT_EQ(GetPixel(screen, 50, 50), RGB(255, 255, 255));
}

TEST(MemSurface, ANewImageReplacesTheOldAndANullImageEmptiesIt)
{
    CMemSurface surface;
    surface.Create(nullptr);
    QImage first(4, 4, QImage::Format_RGB32);
    first.fill(Qt::red);
    surface.LoadBitmapW(first);
    QImage second(8, 8, QImage::Format_RGB32);
    second.fill(Qt::blue);
    surface.LoadBitmapW(second);
    EXPECT_EQ(GetPixel(*surface.GetDC(), 7, 7), RGB(0, 0, 255));
    surface.LoadBitmapW(QImage());
    EXPECT_TRUE(surface.GetDC()->isNull());
    EXPECT_EQ(GetPixel(*surface.GetDC(), 0, 0), CLR_INVALID);
}

} // namespace
