#include "shell/tern/CoolStatic.h"

#include "ImageProbe.h"
#include "platform/Dialog.h"
#include "platform/testsupport/DialogDriver.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

const RECT kStatusRect{605, 70, 785, 170};
const QRect kArea = QRectFromRect(kStatusRect);
const QRgb kBackground = qRgb(40, 60, 90);
const QRgb kInk = qRgb(255, 255, 128);

QImage Drawn(const CCoolStatic& status)
{
    QImage target(800, 480, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    status.Draw(&painter);
    return target;
}

class StatusText : public testing::Test {
protected:
    void SetUp() override
    {
        m_background.fill(kBackground);
        m_status.Init(nullptr, &kStatusRect, &m_background, RGB(255, 255, 128), &m_font);
    }
    QImage m_background{800, 480, QImage::Format_RGB32};
    QFont m_font = OptionFont();
    CCoolStatic m_status;
};

TEST_F(StatusText, PaintsItsBackgroundAndTextColourInsideItsRectangleOnlyAndWrapsLongLines)
{
    m_status.SetText(QStringLiteral("\r\nGOBANG"));
    QImage image = Drawn(m_status);
    EXPECT_EQ(image.pixel(kArea.topLeft()), kBackground);
    EXPECT_EQ(image.pixel(kArea.topLeft() - QPoint(1, 1)), qRgb(255, 255, 255));
    EXPECT_GT(CountPixels(image, kArea, kInk), 20);
    EXPECT_EQ(CountPixels(image, QRect(0, 0, 600, 480), kInk), 0);
    EXPECT_EQ(CountPixels(image, kArea.adjusted(0, 0, 0, 22 - kArea.height()), kInk), 0) << "first line empty";

    m_status.SetTextColor(RGB(255, 0, 0));
    EXPECT_GT(CountPixels(Drawn(m_status), kArea, qRgb(255, 0, 0)), 20);
    // The option font's cell is 25 pixels: ink below that is a second line.
    m_status.SetText(QStringLiteral("Congratulations! You win! Play again!"));
    EXPECT_GT(CountPixels(Drawn(m_status), kArea.adjusted(0, 25, 0, 0), qRgb(255, 0, 0)), 20);
}

TEST(StatusTextInDialog, SetTextInvalidatesItsRectangleAndNothingElse)
{
    CDialog dialog({});
    Drive(dialog).Create();
    const QImage background(800, 480, QImage::Format_RGB32);
    CCoolStatic status;
    status.Init(&dialog, &kStatusRect, &background, RGB(255, 255, 128), nullptr);
    Drive(dialog).ClearPaintRecord();
    status.SetText(QStringLiteral("Game Over! Play again!"));
    EXPECT_EQ(Drive(dialog).GetPaintRecord().Invalidations(),
              (std::vector<Invalidation>{{QRect(605, 70, 180, 100), false}}));

    CCoolStatic uninitialised;
    uninitialised.SetText(QStringLiteral("x"));
    uninitialised.Draw(nullptr);
}

} // namespace
