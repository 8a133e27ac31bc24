#include "platform/Drawing.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

QImage Filled(int w, int h, QColor color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TEST(KeyColourCopy, LeavesMagentaOutAndCopiesEveryOtherPixel)
{
    QImage stone(24, 24, QImage::Format_RGB32);
    QImage target(60, 60, QImage::Format_RGB32);
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            target.setPixel(x, y, qRgb(x * 4, y * 4, 77));
            if (stone.valid(x, y))
                stone.setPixel(x, y, (x + y) % 3 ? qRgb(10 * (x % 7), 9 * y, 200 - 3 * x) : qRgb(255, 0, 255));
        }
    }
    const QImage before = target;
    {
        QPainter painter(&target);
        CopyImageTransparent(painter, 20, 10, 24, 24, stone, 0, 0, kMagenta);
    }
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool inside = x >= 20 && x < 44 && y >= 10 && y < 34;
            const bool key = inside && stone.pixel(x - 20, y - 10) == qRgb(255, 0, 255);
            const QRgb expected = inside && !key ? stone.pixel(x - 20, y - 10) : before.pixel(x, y);
            ASSERT_EQ(target.pixel(x, y), expected) << x << "," << y;
        }
    }
}

// A plain copy replaces the block exactly, alpha and all; a block reaching
// past the source's right and bottom edges draws only the source's own pixels.
TEST(PlainCopy, ReplacesTheBlockOfTheSourceOnly)
{
    QImage source(10, 10, QImage::Format_ARGB32);
    source.fill(QColor(10, 20, 30, 0));
    source.setPixel(3, 4, qRgba(1, 2, 3, 255));
    QImage target = Filled(10, 10, Qt::white);
    QImage plain = Filled(30, 30, Qt::white);
    QImage keyed = Filled(30, 30, Qt::white);
    {
        QPainter painter(&target);
        CopyImage(painter, 2, 2, 5, 5, source, 2, 2);
        QPainter plainPainter(&plain);
        CopyImage(plainPainter, 5, 5, 20, 20, Filled(10, 10, Qt::red), 4, 4);
        QPainter keyedPainter(&keyed);
        CopyImageTransparent(keyedPainter, 5, 5, 20, 20, Filled(10, 10, Qt::red), 4, 4, kMagenta);
    }
    EXPECT_EQ(GetPixel(target, 3, 4), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(target, 2, 2), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(target, 7, 7), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(target, 1, 1), RGB(255, 255, 255));
    for (const QImage& image : { plain, keyed }) {
        EXPECT_EQ(GetPixel(image, 10, 10), RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(image, 11, 10), RGB(255, 255, 255));
        EXPECT_EQ(GetPixel(image, 10, 11), RGB(255, 255, 255));
    }
}

std::vector<int> InkColumns(const QImage& image, int y)
{
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(255, 255, 255))
            columns.push_back(x);
    }
    return columns;
}

TEST(Lines, StopShortOfTheirEndPointWithFlatEndsAndDashes)
{
    QImage image = Filled(300, 60, Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(MakePen(PenStyle::Solid, 1, RGB(0, 0, 0)));
        DrawLine(painter, QPoint(2, 5), QPoint(12, 5));
        DrawLine(painter, QPoint(15, 8), QPoint(15, 15));
        painter.setPen(MakePen(PenStyle::Solid, 2, RGB(0, 255, 0)));
        DrawLine(painter, QPoint(30, 20), QPoint(50, 20));
        painter.setPen(MakePen(PenStyle::Dash, 1, RGB(216, 157, 159)));
        DrawLine(painter, QPoint(0, 40), QPoint(285, 40));
    }
    EXPECT_EQ(InkColumns(image, 5), (std::vector<int> { 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 }));
    EXPECT_EQ(image.pixel(15, 8), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(15, 14), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(15, 15), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(15, 7), qRgb(255, 255, 255));

    std::vector<int> wideRows;
    for (int y = 16; y < 25; ++y) {
        if (!InkColumns(image, y).empty()) {
            wideRows.push_back(y);
            EXPECT_EQ(InkColumns(image, y).front(), 30) << y;
            EXPECT_EQ(InkColumns(image, y).back(), 49) << y;
        }
    }
    EXPECT_EQ(wideRows.size(), 2u);

    const std::vector<int> dashes = InkColumns(image, 40);
    ASSERT_GT(dashes.size(), 285u / 2);
    EXPECT_LT(dashes.size(), 285u);
    EXPECT_EQ(dashes.front(), 0);
    EXPECT_LE(dashes.back(), 284);
    EXPECT_EQ(GetPixel(image, dashes.front(), 40), RGB(216, 157, 159));
}

TEST(Fills, FillExactlyTheRectangleAndReadBackAsColourRefs)
{
    QImage image = Filled(10, 10, QColor(158, 11, 14));
    {
        QPainter painter(&image);
        FillRect(painter, QRect(2, 3, 4, 5), RGB(255, 255, 255));
    }
    EXPECT_EQ(GetPixel(image, 2, 3), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(image, 5, 7), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(image, 6, 7), 0x000E0B9Eu);
    EXPECT_EQ(GetPixel(image, 5, 8), 0x000E0B9Eu);
    EXPECT_EQ(GetPixel(image, 10, 0), CLR_INVALID);
}

QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 160)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QImage DrawnText(QSize size, const QString& text, const QRect& rect, unsigned format)
{
    QImage image = Filled(size.width(), size.height(), Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    DrawText(painter, text, rect, format);
    return image;
}

TEST(Text, AlignsBreaksLinesAndStaysInItsRectangle)
{
    const QRect aligned = InkBounds(
        DrawnText({ 300, 40 }, QStringLiteral("Page 3/7"), QRect(0, 0, 300, 30), DT_SINGLELINE | DT_RIGHT | DT_BOTTOM));
    EXPECT_GE(aligned.right(), 290);
    EXPECT_GE(aligned.bottom(), 20);

    // Lines are 17 pixels apart: three lines of ink span more than two and less than three.
    const QRect lines = InkBounds(
        DrawnText({ 200, 100 }, QStringLiteral("One\r\nTwo\nThree"), QRect(0, 0, 200, 100), DT_LEFT | DT_TOP));
    EXPECT_GT(lines.height(), 2 * 17) << "line breaks of both kinds";
    EXPECT_LT(lines.height(), 3 * 17);

    const QRect clipped(10, 10, 40, 20);
    EXPECT_TRUE(clipped.contains(
        InkBounds(DrawnText({ 200, 100 }, QStringLiteral("A long caption cut off"), clipped, DT_SINGLELINE))));
}

} // namespace
