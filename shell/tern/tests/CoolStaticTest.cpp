#include "shell/tern/CoolStatic.h"

#include "ImageProbe.h"
#include "platform/Dialog.h"
#include "platform/LogFont.h"
#include "platform/testsupport/DialogDriver.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QFont StatusFont()
{
    LOGFONT description;
    description.lfHeight = 24;
    description.lfWeight = 600;
    description.lfQuality = CLEARTYPE_QUALITY;
    description.lfPitchAndFamily = FF_SWISS;
    description.lfFaceName = QStringLiteral("Arial");
    return FontFromLogFont(description);
}

const RECT kStatusRect{605, 70, 785, 170};
const QRgb kBackground = qRgb(40, 60, 90);

QImage Background()
{
    QImage image(800, 480, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

QImage Drawn(const CCoolStatic& status)
{
    QImage target(800, 480, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    status.Draw(&painter);
    return target;
}

TEST(StatusText, BothKindsOfLineBreakStartALine)
{
    const QImage background = Background();
    const QFont font = StatusFont();
    CCoolStatic status;
    status.Init(nullptr, &kStatusRect, &background, RGB(255, 255, 128), &font);
    status.SetText(QStringLiteral("OBANG\r\nThe 1\nStep"));
    const QImage image = Drawn(status);
    SaveForReview(image.copy(QRectFromRect(kStatusRect)), QStringLiteral("tern-status.png"));
    EXPECT_EQ(InkBands(image, QRectFromRect(kStatusRect), kBackground).size(), 3u);
}

TEST(StatusText, PaintsItsBackgroundAndTextColourInsideItsRectangleOnly)
{
    const QImage background = Background();
    const QFont font = StatusFont();
    CCoolStatic status;
    status.Init(nullptr, &kStatusRect, &background, RGB(255, 255, 128), &font);
    status.SetText(QStringLiteral("\r\nGOBANG"));
    QImage image = Drawn(status);
    const QRect rect = QRectFromRect(kStatusRect);
    EXPECT_EQ(image.pixel(rect.topLeft()), kBackground);
    EXPECT_EQ(image.pixel(rect.topLeft() - QPoint(1, 1)), qRgb(255, 255, 255));
    EXPECT_GT(CountPixels(image, rect, qRgb(255, 255, 128)), 20);
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 600, 480), qRgb(255, 255, 128)), 0);
    // The first line is empty: the text starts one line down.
    const auto bands = InkBands(image, rect, kBackground);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_GE(bands.front().first, rect.top() + 22);

    status.SetTextColor(RGB(255, 0, 0));
    image = Drawn(status);
    EXPECT_GT(CountPixels(image, rect, qRgb(255, 0, 0)), 20);
}

TEST(StatusText, LongLinesWrapInsideTheRectangle)
{
    const QImage background = Background();
    const QFont font = StatusFont();
    CCoolStatic status;
    status.Init(nullptr, &kStatusRect, &background, RGB(255, 255, 128), &font);
    status.SetText(QStringLiteral("Congratulations! You win! Play again!"));
    EXPECT_GE(InkBands(Drawn(status), QRectFromRect(kStatusRect), kBackground).size(), 2u);
}

class StatusDialog : public CDialog {
public:
    StatusDialog()
        : CDialog({})
    {
    }
};

TEST(StatusText, SetTextInvalidatesItsRectangleAndNothingElse)
{
    StatusDialog dialog;
    Drive(dialog).Create();
    dialog.MoveWindow(0, 0, 800, 480, false);
    const QImage background = Background();
    CCoolStatic status;
    status.Init(&dialog, &kStatusRect, &background, RGB(255, 255, 128), nullptr);
    Drive(dialog).ClearPaintRecord();
    status.SetText(QStringLiteral("Game Over! Play again!"));
    EXPECT_EQ(Drive(dialog).GetPaintRecord().Invalidations(),
              (std::vector<Invalidation>{{QRect(605, 70, 180, 100), false}}));
    EXPECT_EQ(status.GetText(), QStringLiteral("Game Over! Play again!"));
}

TEST(StatusText, WithoutInitNothingIsDrawnOrInvalidated)
{
    CCoolStatic status;
    status.SetText(QStringLiteral("x"));
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    status.Draw(&painter);
    status.Draw(nullptr);
    painter.end();
    EXPECT_EQ(CountPixels(image, image.rect(), qRgb(255, 255, 255)), 100);
}

} // namespace
