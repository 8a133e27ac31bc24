#include "shell/tern/CoolStatic.h"

#include "platform/Dialog.h"
#include "platform/testsupport/DialogDriver.h"

#include <gtest/gtest.h>

namespace {

const RECT kStatusRect { 605, 70, 785, 170 };

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
        (std::vector<Invalidation> { { QRect(605, 70, 180, 100), false } }));

    CCoolStatic uninitialised;
    uninitialised.SetText(QStringLiteral("x"));
    uninitialised.Draw(nullptr);
}

} // namespace
