#include "shell/tern/OptionButtons.h"

#include "ImageProbe.h"

#include <QPainter>

#include <utility>

#include <gtest/gtest.h>

namespace {

// Paper and ink: a dark wooden panel with light labels and a light one with dark labels.
const std::pair<QRgb, QRgb> kSkins[] = {{qRgb(92, 58, 30), qRgb(255, 236, 190)},
                                        {qRgb(236, 226, 205), qRgb(60, 40, 20)}};

using Painter = void (*)(QPainter*, const QRect&, const QString&, const QFont*, int);

void Radio(QPainter* dc, const QRect& rect, const QString& text, const QFont* font, int checked)
{
    DrawRadioButton(dc, rect, text, font, checked, 0);
}

QImage Option(Painter paint, QRgb paper, QRgb ink, const QString& text, int checked)
{
    QImage image(300, 60, QImage::Format_RGB32);
    image.fill(paper);
    QPainter painter(&image);
    painter.setPen(QColor(ink));
    const QFont font = OptionFont();
    paint(&painter, QRect(10, 10, 170, 30), text, &font, checked);
    return image;
}

class OptionMarks : public testing::TestWithParam<Painter> {};

// In every language and on every skin the label shows in the pen's colour,
// inside the option's rectangle; checked and cleared differ in the mark only.
TEST_P(OptionMarks, LabelsShowInsideTheRectangleAndTheMarkTellsCheckedFromCleared)
{
    for (const auto& [paper, ink] : kSkins) {
        for (const QString& text : {QStringLiteral("CPU First and more"), QString::fromUtf16(u"电脑先下")}) {
            const QImage cleared = Option(GetParam(), paper, ink, text, 0);
            const QImage checked = Option(GetParam(), paper, ink, text, 1);
            const QRect mark(10, 10, 28, 30);
            const QRect label(38, 10, 142, 30);
            EXPECT_EQ(cleared.copy(label), checked.copy(label));
            // A filled mark holds far more ink than an empty one: it reads at a glance.
            EXPECT_GT(CountPixels(checked, mark, ink), CountPixels(cleared, mark, ink) + 40);
            EXPECT_GT(CountPixels(cleared, mark, ink), 20);
            EXPECT_GT(CountPixels(cleared, label, ink), 30) << text.toStdString();
            EXPECT_EQ(CountPixels(checked, QRect(0, 0, 300, 10), paper), 3000);
            EXPECT_EQ(CountPixels(checked, QRect(180, 0, 120, 60), paper), 120 * 60);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CheckAndRadio, OptionMarks, testing::Values(&DrawCheckButton, &Radio));

} // namespace
