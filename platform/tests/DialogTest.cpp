#include "TestDialog.h"

#include "platform/ShellMessage.h"
#include "platform/testsupport/DialogDriver.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(DialogTemplate, BindsMembersByIdClicksAreCommandsAndWindowOrderIsRecorded)
{
    TestDialog dialog;
    Drive(dialog).Create();
    EXPECT_EQ(dialog.GetDlgItem(TestDialog::kButton), &dialog.m_button);
    EXPECT_EQ(dialog.GetDlgItem(TestDialog::kEdit), &dialog.m_edit);
    EXPECT_EQ(dialog.GetDlgItem(4711), nullptr);
    EXPECT_EQ(dialog.m_button.text(), QString::fromUtf16(u"新游戏"));
    EXPECT_EQ(dialog.m_button.parentWidget(), &dialog);
    EXPECT_TRUE(dialog.m_button.isVisible());
    EXPECT_FALSE(dialog.m_hidden.isVisible());
    EXPECT_EQ(dialog.geometry(), QRect(0, 0, 800, 480));
    dialog.m_button.click();
    EXPECT_EQ(dialog.m_commands, std::vector<int>{TestDialog::kButton});
    EXPECT_TRUE(dialog.IsWindow());
    EXPECT_EQ(Drive(dialog).GetZPlace(), ZPlace::Unchanged);
    dialog.SendToBottom();
    EXPECT_EQ(Drive(dialog).GetZPlace(), ZPlace::Bottom);
    EXPECT_TRUE(dialog.IsWindow());
    dialog.BringWindowToTop();
    EXPECT_EQ(Drive(dialog).GetZPlace(), ZPlace::Top);
    dialog.SendToBottom();
    dialog.SetForegroundWindow();
    EXPECT_EQ(Drive(dialog).GetZPlace(), ZPlace::Top);
}

// EndDialog ends the run with its result, the quit message with -1; either
// way the window is destroyed once.
TEST(ModalRun, EndDialogAndTheQuitMessageEndTheRunAndDestroyTheWindow)
{
    for (bool quit : {false, true}) {
        TestDialog dialog;
        QTimer::singleShot(0, &dialog, [&] { quit ? PostQuitMessage(0) : dialog.EndDialog(42); });
        EXPECT_EQ(dialog.DoModal(), quit ? -1 : 42);
        EXPECT_FALSE(dialog.IsWindow());
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.m_destroys, 1);
    }
    EXPECT_EQ(QuitExitCode(), 0);
}

TEST(ModalRun, AQuitHandledBeforeTheRunEndsItAtItsStart)
{
    PostQuitMessage(3);
    QCoreApplication::processEvents();
    TestDialog dialog;
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_EQ(dialog.m_destroys, 1);
    EXPECT_EQ(QuitExitCode(), 3);
    // Consumed: the next run is not ended by it.
    TestDialog next;
    QTimer::singleShot(0, &next, [&] { next.EndDialog(5); });
    EXPECT_EQ(next.DoModal(), 5);
}

// Enter ends the run with IDOK unless OK is overridden; Escape and closing
// the window cancel.
TEST(ModalRun, EnterEscapeAndClose)
{
    for (bool overrideOk : {false, true}) {
        TestDialog dialog;
        dialog.m_overrideOk = overrideOk;
        bool runningAfterEnter = false;
        QTimer::singleShot(0, &dialog, [&] {
            Drive(dialog).PressKey(VK_RETURN);
            runningAfterEnter = dialog.IsWindow() && !Drive(dialog).IsEnded();
            if (runningAfterEnter)
                Drive(dialog).PressKey(VK_ESCAPE);
        });
        EXPECT_EQ(dialog.DoModal(), overrideOk ? IDCANCEL : IDOK);
        EXPECT_EQ(runningAfterEnter, overrideOk);
        EXPECT_EQ(dialog.m_commands, overrideOk ? (std::vector<int>{IDOK, IDCANCEL}) : std::vector<int>{IDOK});
    }
    TestDialog closed;
    QTimer::singleShot(0, &closed, [&] { closed.close(); });
    EXPECT_EQ(closed.DoModal(), IDCANCEL);
}

TEST(ShellMessage, ArrivesThroughTheEventQueueUntilTheWindowIsDestroyed)
{
    TestDialog dialog;
    Drive(dialog).Create();
    PostShellMessage(&dialog, 3);
    PostShellMessage(&dialog, 28);
    EXPECT_TRUE(dialog.m_shellMessages.empty());
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog.m_shellMessages.size() == 2; }));
    EXPECT_EQ(dialog.m_shellMessages, (std::vector<WPARAM>{3, 28}));
    PostShellMessage(&dialog, 1);
    dialog.EndDialog(IDOK);
    QCoreApplication::sendPostedEvents(&dialog);
    EXPECT_EQ(dialog.m_shellMessages.size(), 2u);
}

// Only invalidated rectangles are painted, after the erase handler where asked;
// nothing invalid paints nothing and areas not invalidated keep their pixels.
TEST(Invalidation, PaintsOnlyTheInvalidatedRectangles)
{
    TestDialog dialog;
    Drive(dialog).Create();
    const QImage first = Drive(dialog).Render();
    EXPECT_EQ(first.size(), QSize(800, 480));
    EXPECT_EQ(first.pixel(10, 10), qRgb(20, 120, 40));
    Drive(dialog).ClearPaintRecord();
    dialog.m_erases = 0;
    dialog.m_paints = 0;
    dialog.UpdateWindow();
    EXPECT_TRUE(Drive(dialog).GetPaintRecord().Paints().empty());
    EXPECT_EQ(dialog.m_paints, 0);
    dialog.InvalidateRect(QRect(48, -8, 60, 60), false);
    dialog.InvalidateRect(QRect(468, -8, 60, 60), false);
    dialog.UpdateWindow();
    EXPECT_EQ(Drive(dialog).GetPaintRecord().Invalidations(),
              (std::vector<::Invalidation>{{QRect(48, -8, 60, 60), false}, {QRect(468, -8, 60, 60), false}}));
    EXPECT_EQ(Drive(dialog).GetPaintRecord().PaintedRegion(),
              QRegion(QRect(48, 0, 60, 52)) + QRegion(QRect(468, 0, 60, 52)));
    EXPECT_EQ(dialog.m_erases, 0);
    EXPECT_EQ(dialog.m_paints, 1);

    Drive(dialog).ClearPaintRecord();
    dialog.Invalidate(true);
    dialog.UpdateWindow();
    EXPECT_EQ(Drive(dialog).GetPaintRecord().Invalidations(),
              (std::vector<::Invalidation>{{first.rect(), true}}));
    EXPECT_EQ(dialog.m_erases, 1);
    EXPECT_EQ(dialog.m_paints, 2);

    Drive(dialog).ClearPaintRecord();
    dialog.InvalidateRect(QRect(0, 0, 10, 10), false);
    EXPECT_EQ(Drive(dialog).Render(), first);
    EXPECT_EQ(Drive(dialog).GetPaintRecord().PaintedRegion(), QRegion(0, 0, 10, 10));
}

} // namespace
