#include "shell/tern/OptionButtons.h"

#include "ImageProbe.h"

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

// The option drawn at (10, 10) in a 300 by 60 image of the skin's paper.
QImage Option(Painter paint, const Skin& skin, const QString& text, int checked)
{
    QImage image(300, 60, QImage::Format_RGB32);
    image.fill(skin.paper);
    QPainter painter(&image);
    painter.setPen(QColor(skin.ink));
    const QFont font = OptionFont();
    paint(&painter, QRect(10, 10, 170, 30), text, &font, checked);
    return image;
}

class OptionMarks : public testing::TestWithParam<Painter> {};

// In every language and on every skin the label shows in the pen's colour,
// inside the option's rectangle; checked and cleared differ in the mark only.
TEST_P(OptionMarks, LabelsShowInsideTheRectangleAndTheMarkTellsCheckedFromCleared)
{
    for (const Skin& skin : kSkins) {
        for (const QString& text : {QStringLiteral("CPU First and more"), QString::fromUtf16(u"电脑先下")}) {
            const QImage cleared = Option(GetParam(), skin, text, 0);
            const QImage checked = Option(GetParam(), skin, text, 1);
            SaveForReview(checked, QStringLiteral("tern-option.png"));
            const QRect mark(10, 10, 28, 30);
            const QRect label(38, 10, 142, 30);
            EXPECT_EQ(cleared.copy(label), checked.copy(label));
            // A filled mark holds far more ink than an empty one: it reads at a glance.
            EXPECT_GT(CountPixels(checked, mark, skin.ink), CountPixels(cleared, mark, skin.ink) + 40);
            EXPECT_GT(CountPixels(cleared, mark, skin.ink), 20);
            EXPECT_GT(CountPixels(cleared, label, skin.ink), 30) << text.toStdString();
            EXPECT_EQ(CountPixels(checked, QRect(0, 0, 300, 10), skin.paper), 3000);
            EXPECT_EQ(CountPixels(checked, QRect(180, 0, 120, 60), skin.paper), 120 * 60);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CheckAndRadio, OptionMarks, testing::Values(&DrawCheckButton, &Radio));

} // namespace
