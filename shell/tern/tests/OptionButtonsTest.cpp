#include "shell/tern/OptionButtons.h"

#include "ImageProbe.h"
#include "platform/LogFont.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct Skin {
    QRgb paper;
    QRgb ink;
};

// A dark wooden panel with light labels and a light one with dark labels.
const Skin kSkins[] = {{qRgb(92, 58, 30), qRgb(255, 236, 190)}, {qRgb(236, 226, 205), qRgb(60, 40, 20)}};

using Painter = void (*)(QPainter*, const QRect&, const QString&, const QFont*, int);

void Radio(QPainter* dc, const QRect& rect, const QString& text, const QFont* font, int checked)
{
    DrawRadioButton(dc, rect, text, font, checked, 0);
}

QImage Option(Painter paint, const Skin& skin, const QString& text, int checked, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(skin.paper);
    QPainter painter(&image);
    painter.setPen(QColor(skin.ink));
    const QFont font = OptionFont();
    paint(&painter, image.rect(), text, &font, checked);
    return image;
}

class OptionMarks : public testing::TestWithParam<Painter> {};

TEST_P(OptionMarks, CheckedAndClearedDifferInTheMarkOnly)
{
    for (const Skin& skin : kSkins) {
        const QImage cleared = Option(GetParam(), skin, QStringLiteral("Normal"), 0, QSize(155, 30));
        const QImage checked = Option(GetParam(), skin, QStringLiteral("Normal"), 1, QSize(155, 30));
        const QRect mark(0, 0, 28, 30);
        const QRect label(28, 0, 127, 30);
        EXPECT_EQ(cleared.copy(label), checked.copy(label));
        // A filled mark holds far more ink than an empty one: it reads at a glance.
        EXPECT_GT(CountPixels(checked, mark, skin.ink), CountPixels(cleared, mark, skin.ink) + 40);
        EXPECT_GT(CountPixels(cleared, mark, skin.ink), 20);
        EXPECT_FALSE(InkBands(cleared, label, skin.paper).empty());
    }
}

INSTANTIATE_TEST_SUITE_P(CheckAndRadio, OptionMarks, testing::Values(&DrawCheckButton, &Radio));

TEST(OptionMarks, LabelsUseThePenColourAndStayInsideTheRectangle)
{
    const Skin& skin = kSkins[0];
    QImage image(300, 60, QImage::Format_RGB32);
    image.fill(skin.paper);
    {
        QPainter painter(&image);
        painter.setPen(QColor(skin.ink));
        const QFont font = OptionFont();
        DrawCheckButton(&painter, QRect(10, 10, 170, 24), QStringLiteral("CPU First and more"), &font, 1);
    }
    EXPECT_GT(CountPixels(image, QRect(40, 10, 140, 24), skin.ink), 30);
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 300, 10), skin.paper), 3000);
    EXPECT_EQ(CountPixels(image, QRect(180, 0, 120, 60), skin.paper), 120 * 60);
}

TEST(OptionMarks, LabelsInEveryLanguageShowOnEverySkin)
{
    QImage sheet(340, 4 * 40, QImage::Format_RGB32);
    QPainter painter(&sheet);
    const QFont font = OptionFont();
    for (int s = 0; s < 2; ++s) {
        const Skin& skin = kSkins[s];
        painter.fillRect(QRect(s * 170, 0, 170, sheet.height()), QColor(skin.paper));
        painter.setPen(QColor(skin.ink));
        DrawCheckButton(&painter, QRect(s * 170 + 5, 8, 160, 24), QStringLiteral("CPU First"), &font, 1);
        DrawCheckButton(&painter, QRect(s * 170 + 5, 48, 160, 24), QString::fromUtf16(u"电脑先下"), &font, 0);
        DrawRadioButton(&painter, QRect(s * 170 + 5, 85, 155, 30), QStringLiteral("Easy"), &font, 1, 0);
        DrawRadioButton(&painter, QRect(s * 170 + 5, 125, 155, 30), QString::fromUtf16(u"中级"), &font, 0, 0);
    }
    painter.end();
    SaveForReview(sheet, QStringLiteral("tern-options.png"));
    for (int s = 0; s < 2; ++s) {
        for (int row = 0; row < 4; ++row) {
            const QRect label(s * 170 + 40, row * 40, 120, 40);
            EXPECT_FALSE(InkBands(sheet, label, kSkins[s].paper).empty()) << s << " " << row;
        }
    }
}

} // namespace
