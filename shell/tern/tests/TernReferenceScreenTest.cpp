// Every Tern widget in each of its states, drawn over a skin's background,
// compared with screens/widgets.png.
#include "platform/LogFont.h"
#include "platform/testsupport/ReferenceScreen.h"
#include "shell/tern/Tern.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// The game's option font: "Arial" semi-bold with a 25-pixel cell.
QFont OptionFont()
{
    return FontFromLogFont({ .lfHeight = 25,
        .lfWeight = 600,
        .lfQuality = CLEARTYPE_QUALITY,
        .lfPitchAndFamily = FF_SWISS,
        .lfFaceName = QStringLiteral("Arial") });
}

// A background that differs at every pixel, so that a widget showing the
// wrong part of it shows.
QImage Background()
{
    QImage image(400, 250, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(60 + x % 64, 40 + y % 64, 30 + (x + y) % 32));
    }
    return image;
}

// A 40 by 30 top-bar image: a face with magenta and fully transparent corners.
QImage FaceImage(QRgb face)
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(face);
    QPainter painter(&image);
    painter.fillRect(0, 0, 6, 6, QColor(255, 0, 255));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(34, 24, 6, 6, Qt::transparent);
    return image;
}

TEST(ReferenceScreenTern, EveryWidgetInEachState)
{
    const QImage background = Background();
    QImage screen = background;
    QPainter painter(&screen);
    const QFont font = OptionFont();
    painter.setPen(QColor(255, 236, 190));
    DrawCheckButton(&painter, QRect(10, 10, 170, 30), QStringLiteral("CPU First"), &font, 0);
    DrawCheckButton(&painter, QRect(200, 10, 170, 30), QString::fromUtf16(u"电脑先下"), &font, 1);
    DrawRadioButton(&painter, QRect(10, 45, 170, 30), QStringLiteral("Normal"), &font, 0, 0);
    DrawRadioButton(&painter, QRect(200, 45, 170, 30), QString::fromUtf16(u"高级"), &font, 1, 0);
    // Dark ink on light paper: the marks' inner colour turns light.
    painter.fillRect(10, 210, 180, 35, QColor(236, 226, 205));
    painter.setPen(QColor(60, 40, 20));
    DrawCheckButton(&painter, QRect(12, 212, 80, 30), QStringLiteral("On"), &font, 1);
    DrawRadioButton(&painter, QRect(100, 212, 80, 30), QStringLiteral("On"), &font, 1, 0);

    QWidget parent;
    CCoolButton text(&parent);
    text.SetCBStyle(CB_STYLE_TEXT);
    text.setFont(font);
    text.SetTextColor(RGB(255, 255, 255));
    text.SetBkColor(RGB(90, 60, 30));
    text.setText(QStringLiteral("New Game"));
    CCoolButton textDown(&parent);
    textDown.CopyStyle(&text);
    textDown.setText(QString::fromUtf16(u"悔棋"));
    textDown.setDown(true);
    CCoolButton single(&parent);
    CCoolButton singleDown(&parent);
    CCoolButton pairDown(&parent);
    for (CCoolButton* button : { &single, &singleDown, &pairDown })
        button->SetBkDC(&background);
    single.LoadBitmaps(FaceImage(qRgb(200, 200, 200)));
    singleDown.LoadBitmaps(FaceImage(qRgb(200, 200, 200)));
    singleDown.setDown(true);
    pairDown.LoadBitmaps(FaceImage(qRgb(200, 0, 0)), FaceImage(qRgb(0, 0, 200)));
    pairDown.setDown(true);
    text.setGeometry(10, 85, 170, 50);
    textDown.setGeometry(200, 85, 170, 50);
    single.SetPosition(10, 150);
    singleDown.SetPosition(60, 150);
    pairDown.SetPosition(110, 150);
    for (CCoolButton* button : { &text, &textDown, &single, &singleDown, &pairDown })
        button->render(&painter, button->pos(), QRegion(), QWidget::DrawChildren);

    const RECT statusRect { 200, 145, 390, 240 };
    CCoolStatic status;
    status.Init(nullptr, &statusRect, &background, RGB(255, 255, 128), &font);
    status.SetText(QStringLiteral("\r\nCongratulations! You win!"));
    status.SetTextColor(RGB(255, 80, 80));
    status.Draw(&painter);
    painter.end();
    EXPECT_TRUE(MatchesReferenceScreen(screen, QStringLiteral("shell/tern/tests/screens/widgets.png")));
}

} // namespace
