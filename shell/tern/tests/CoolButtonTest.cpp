#include "shell/tern/CoolButton.h"

#include "ImageProbe.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr QRgb kPaper = 0xFFFFFFFF;

// A 40 by 30 top-bar image: a coloured face with magenta corners.
QImage FaceImage(QRgb face)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(face);
    QPainter(&image).fillRect(0, 0, 6, 6, QColor(255, 0, 255));
    return image;
}

QImage Rendered(QWidget& button)
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(kPaper);
    button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

class CoolButton : public testing::Test {
protected:
    QWidget parent;
    CCoolButton button{&parent};
};

TEST_F(CoolButton, BitmapButtonTakesItsImagesSizeAndShowsThePressedImageWhileDown)
{
    EXPECT_EQ(button.focusPolicy(), Qt::NoFocus) << "a tap leaves the focus where it is";
    button.SetPosition(724, 10);
    button.SetCBStyle(CB_STYLE_BITMAP);
    button.LoadBitmaps(FaceImage(qRgb(200, 0, 0)), FaceImage(qRgb(0, 0, 200)));
    EXPECT_EQ(button.geometry(), QRect(724, 10, 40, 30));
    EXPECT_EQ(Rendered(button).pixel(20, 15), qRgb(200, 0, 0));
    button.setDown(true);
    EXPECT_EQ(Rendered(button).pixel(20, 15), qRgb(0, 0, 200));
}

TEST_F(CoolButton, OneImageSinksAndDarkensWhileDown)
{
    button.LoadBitmaps(FaceImage(qRgb(200, 200, 200)));
    const QImage normal = Rendered(button);
    button.setDown(true);
    const QImage pressed = Rendered(button);
    EXPECT_LT(qGray(pressed.pixel(20, 15)), qGray(normal.pixel(20, 15)) - 30);
    // Sunk by one pixel: the top row and left column show what lies behind.
    EXPECT_EQ(pressed.pixel(20, 0), kPaper);
    EXPECT_EQ(pressed.pixel(0, 15), kPaper);
}

TEST_F(CoolButton, TransparentPartsShowTheBackgroundSurface)
{
    QImage background(800, 480, QImage::Format_RGB32);
    background.fill(qRgb(0, 128, 0));
    background.setPixel(724 + 2, 10 + 2, qRgb(1, 2, 3));
    QImage withAlpha = FaceImage(qRgb(200, 0, 0)).convertToFormat(QImage::Format_ARGB32);
    withAlpha.setPixel(39, 29, qRgba(0, 0, 0, 0));
    button.SetPosition(724, 10);
    button.SetBkDC(&background);
    button.LoadBitmaps(withAlpha, withAlpha);
    const QImage image = Rendered(button);
    EXPECT_EQ(image.pixel(2, 2), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(39, 29), qRgb(0, 128, 0));
    EXPECT_EQ(image.pixel(20, 15), qRgb(200, 0, 0));
}

TEST_F(CoolButton, TextButtonShowsItsCaptionInItsColoursAndCopiesPassThemOn)
{
    button.setGeometry(605, 234, 170, 50);
    button.SetCBStyle(CB_STYLE_TEXT);
    button.setFont(OptionFont());
    button.SetTextColor(RGB(255, 255, 255));
    button.SetBkColor(RGB(90, 60, 30));
    button.setText(QStringLiteral("New Game"));
    const QImage normal = Rendered(button);
    EXPECT_GT(CountPixels(normal, normal.rect(), qRgb(255, 255, 255)), 30);
    EXPECT_LT(qAbs(qRed(normal.pixel(10, 25)) - 90), 30);
    button.setDown(true);
    EXPECT_LT(qGray(Rendered(button).pixel(10, 25)), qGray(normal.pixel(10, 25)));

    CCoolButton copy(&parent);
    copy.CopyStyle(&button);
    copy.CopyStyle(nullptr);
    copy.setGeometry(button.geometry());
    copy.setText(QStringLiteral("New Game"));
    EXPECT_EQ(Rendered(copy), normal);
}

} // namespace
