#include "platform/Dialog.h"
#include "platform/Cursor.h"
#include "platform/ShellMessage.h"
#include "platform/VirtualKey.h"
#include "platform/testsupport/DialogDriver.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace {

class TestDialog : public CDialog {
public:
    static constexpr int kButton = 1011;
    static constexpr int kEdit = 1007;
    static constexpr int kHidden = 1028;
    static constexpr std::array<DialogControl, 3> kTemplate { {
        { kButton, ControlClass::Button, u"新游戏", WS_CHILD | WS_VISIBLE | WS_TABSTOP },
        { kEdit, ControlClass::Edit, u"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN },
        { kHidden, ControlClass::Static, u"", WS_CHILD },
    } };

    TestDialog()
        : CDialog(kTemplate)
    {
    }

    QPushButton m_button;
    QPlainTextEdit m_edit;
    QWidget m_hidden;

    bool m_overrideOk = false;
    bool m_eatKeys = false;
    std::vector<UINT_PTR> m_timers;
    std::vector<int> m_commands;
    std::vector<int> m_preTranslated;
    std::vector<QPoint> m_taps;
    std::vector<WPARAM> m_shellMessages;
    int m_erases = 0;
    int m_setCursors = 0;
    int m_destroys = 0;
    std::function<void(UINT_PTR)> m_onTimer;

    bool PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN) {
            m_preTranslated.push_back(int(msg->wParam & 0xFF));
            if (m_eatKeys)
                return true;
        }
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    void DoDataExchange() override
    {
        BindControl(kHidden, m_hidden);
        BindControl(kEdit, m_edit);
        BindControl(kButton, m_button);
    }
    bool OnInitDialog() override
    {
        CDialog::OnInitDialog();
        MoveWindow(0, 0, 800, 480, true);
        m_button.setGeometry(600, 10, 100, 40);
        m_edit.setGeometry(440, 87, 300, 308);
        return true;
    }
    bool OnCommand(int id) override
    {
        m_commands.push_back(id);
        return CDialog::OnCommand(id);
    }
    void OnOK() override
    {
        if (!m_overrideOk)
            CDialog::OnOK();
    }
    void OnTimer(UINT_PTR id) override
    {
        m_timers.push_back(id);
        if (m_onTimer)
            m_onTimer(id);
    }
    void OnPaint(QPainter& dc) override { dc.fillRect(QRect(0, 0, 400, 480), QColor(20, 120, 40)); }
    bool OnEraseBkgnd(QPainter& dc) override
    {
        ++m_erases;
        return CDialog::OnEraseBkgnd(dc);
    }
    void OnLButtonDown(unsigned, QPoint point) override { m_taps.push_back(point); }
    bool OnSetCursor() override
    {
        ++m_setCursors;
        return false;
    }
    void OnDestroy() override { ++m_destroys; }
    LRESULT OnShellMessage(WPARAM wParam, LPARAM) override
    {
        m_shellMessages.push_back(wParam);
        return 0;
    }
};

class CreatedDialog : public testing::Test {
protected:
    void SetUp() override { Drive(dialog).Create(); }
    TestDialog dialog;
};

TEST_F(CreatedDialog, BindsTemplateMembersByIdAndRecordsWindowOrder)
{
    EXPECT_EQ(dialog.GetDlgItem(TestDialog::kButton), &dialog.m_button);
    EXPECT_EQ(dialog.GetDlgItem(4711), nullptr);
    EXPECT_EQ(dialog.m_button.text(), QString::fromUtf16(u"新游戏"));
    EXPECT_TRUE(dialog.m_button.isVisible());
    EXPECT_FALSE(dialog.m_hidden.isVisible());
    dialog.SendToBottom();
    EXPECT_EQ(Drive(dialog).GetZPlace(), ZPlace::Bottom);
    dialog.BringWindowToTop();
    EXPECT_EQ(Drive(dialog).GetZPlace(), ZPlace::Top);
    dialog.SendToBottom();
    dialog.SetForegroundWindow();
    EXPECT_EQ(Drive(dialog).GetZPlace(), ZPlace::Top);
    // A window open over it, such as the help, comes forward with it and keeps the keyboard.
    QDialog help(&dialog);
    help.open();
    dialog.SetForegroundWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &help);
}

TEST(ModalRun, EndDialogAndTheQuitMessageEndTheRunAndDestroyTheWindow)
{
    for (bool quit : { false, true }) {
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

TEST(ModalRun, EnterEscapeAndClose)
{
    for (bool overrideOk : { false, true }) {
        TestDialog dialog;
        dialog.m_overrideOk = overrideOk;
        bool runningAfterEnter = false;
        QTimer::singleShot(0, &dialog, [&] {
            // Enter raises IDOK alone, also over a focused button.
            dialog.m_button.setFocus();
            Drive(dialog).PressKey(VK_RETURN);
            runningAfterEnter = dialog.IsWindow() && !Drive(dialog).IsEnded();
            if (runningAfterEnter)
                Drive(dialog).PressKey(VK_ESCAPE);
        });
        EXPECT_EQ(dialog.DoModal(), overrideOk ? IDCANCEL : IDOK);
        EXPECT_EQ(runningAfterEnter, overrideOk);
        EXPECT_EQ(dialog.m_commands, overrideOk ? (std::vector<int> { IDOK, IDCANCEL }) : std::vector<int> { IDOK });
    }
    TestDialog closed;
    QTimer::singleShot(0, &closed, [&] { closed.close(); });
    EXPECT_EQ(closed.DoModal(), IDCANCEL);
}

TEST_F(CreatedDialog, ShellMessagesArriveThroughTheEventQueueUntilTheWindowIsDestroyed)
{
    PostShellMessage(&dialog, 3);
    PostShellMessage(&dialog, 28);
    EXPECT_TRUE(dialog.m_shellMessages.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_shellMessages.size() == 2; }));
    EXPECT_EQ(dialog.m_shellMessages, (std::vector<WPARAM> { 3, 28 }));
    PostShellMessage(&dialog, 1);
    dialog.EndDialog(IDOK);
    QCoreApplication::sendPostedEvents(&dialog);
    EXPECT_EQ(dialog.m_shellMessages.size(), 2u);
}

TEST_F(CreatedDialog, PaintsOnlyTheInvalidatedRectangles)
{
    const QImage first = Drive(dialog).Render();
    EXPECT_EQ(first.size(), QSize(800, 480));
    EXPECT_EQ(first.pixel(10, 10), qRgb(20, 120, 40));
    const PaintRecord& record = Drive(dialog).GetPaintRecord();
    Drive(dialog).ClearPaintRecord();
    dialog.m_erases = 0;
    dialog.UpdateWindow();
    EXPECT_TRUE(record.Paints().empty());
    dialog.InvalidateRect(QRect(48, -8, 60, 60), false);
    dialog.InvalidateRect(QRect(468, -8, 60, 60), false);
    dialog.UpdateWindow();
    EXPECT_EQ(record.Invalidations(),
        (std::vector<Invalidation> { { QRect(48, -8, 60, 60), false }, { QRect(468, -8, 60, 60), false } }));
    EXPECT_EQ(record.PaintedRegion(), QRegion(QRect(48, 0, 60, 52)) + QRegion(QRect(468, 0, 60, 52)));
    EXPECT_EQ(record.Paints().size(), 1u);
    EXPECT_EQ(dialog.m_erases, 0);

    Drive(dialog).ClearPaintRecord();
    dialog.Invalidate(true);
    dialog.UpdateWindow();
    EXPECT_EQ(record.Invalidations(), (std::vector<Invalidation> { { first.rect(), true } }));
    EXPECT_EQ(record.Paints().size(), 1u);
    EXPECT_EQ(dialog.m_erases, 1);

    Drive(dialog).ClearPaintRecord();
    dialog.InvalidateRect(QRect(0, 0, 10, 10), false);
    EXPECT_EQ(Drive(dialog).Render(), first);
    EXPECT_EQ(record.PaintedRegion(), QRegion(0, 0, 10, 10));
}

// Each tick carries its id in order of due time; a zero period fires once the
// events already queued have run.
TEST_F(CreatedDialog, TimerTicksComeInOrderOfDueTime)
{
    std::vector<int> order;
    dialog.m_onTimer = [&](UINT_PTR id) {
        order.push_back(int(id));
        dialog.KillTimer(id);
    };
    ASSERT_EQ(dialog.SetTimer(1, 60), 1u);
    ASSERT_EQ(dialog.SetTimer(101, 30), 101u);
    ASSERT_EQ(dialog.SetTimer(102, 0), 102u);
    for (int i = 0; i < 3; ++i)
        QMetaObject::invokeMethod(
            &dialog, [&order, i] { order.push_back(-i); }, Qt::QueuedConnection);
    EXPECT_TRUE(order.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 6; }));
    EXPECT_EQ(order, (std::vector<int> { 0, -1, -2, 102, 101, 1 }));
}

TEST_F(CreatedDialog, SettingATimerIdAgainReplacesTheTimerAndKillingItStopsIt)
{
    dialog.SetTimer(7, 100000);
    dialog.SetTimer(7, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_timers.size() >= 2; }));
    EXPECT_TRUE(dialog.KillTimer(7));
    EXPECT_FALSE(dialog.KillTimer(7));
    const size_t ticks = dialog.m_timers.size();
    // A later 20 ms timer fires long after any queued tick of timer 7 would.
    dialog.SetTimer(8, 20);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_timers.back() == 8; }));
    EXPECT_EQ(std::count(dialog.m_timers.begin() + ticks, dialog.m_timers.end(), 7), 0);
}

TEST(WindowTimers, DieWithTheWindow)
{
    TestDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.SetTimer(5, 0);
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.SetTimer(6, 0), 0u);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.m_timers.empty());
}

// Keys for the dialog and keys meant for its focused control each pass
// pre-translation once; those not eaten reach the control, Enter included.
// The last key takes a real key's path: the window system hands it to the
// window, which passes it to its focused control.
TEST_F(CreatedDialog, PreTranslationSeesEveryKeyOnce)
{
    for (int key : { VK_BACK, VK_TAB, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, int('0'), int('3') })
        Drive(dialog).PressKey(key);
    dialog.m_edit.clear();
    dialog.m_edit.setFocus();
    for (int key : { VK_NEXT, int('A'), VK_RETURN })
        Drive(dialog).PressKey(key);
    for (QEvent::Type type : { QEvent::KeyPress, QEvent::KeyRelease }) {
        QKeyEvent event(type, Qt::Key_PageDown, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.windowHandle(), &event);
    }
    const std::vector<int> keys { VK_BACK, VK_TAB, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, '0', '3', VK_NEXT, 'A', VK_RETURN,
        VK_NEXT };
    EXPECT_EQ(dialog.m_preTranslated, keys);
    EXPECT_EQ(dialog.m_edit.toPlainText(), QStringLiteral("a\n"));
    EXPECT_TRUE(dialog.IsWindow());
}

TEST_F(CreatedDialog, TheEditorTakesAnyScriptButNotKeysPreTranslationEats)
{
    dialog.m_edit.setFocus();
    Drive(dialog).PressQtKey(Qt::Key_unknown, QString::fromUtf16(u"ğ五"));
    EXPECT_EQ(dialog.m_edit.toPlainText(), QString::fromUtf16(u"ğ五"));
    EXPECT_EQ(dialog.m_preTranslated, std::vector<int> { 0 });
    dialog.m_eatKeys = true;
    Drive(dialog).PressKey('A');
    Drive(dialog).PressKey(VK_ESCAPE);
    EXPECT_EQ(dialog.m_edit.toPlainText(), QString::fromUtf16(u"ğ五"));
    EXPECT_TRUE(dialog.IsWindow());
}

TEST_F(CreatedDialog, TapsAndPointerMoves)
{
    Drive(dialog).HoverAt(QPoint(200, 200));
    const int overDialog = dialog.m_setCursors;
    EXPECT_GE(overDialog, 1);
    Drive(dialog).HoverAt(QPoint(620, 20));
    EXPECT_GT(dialog.m_setCursors, overDialog);
    const int overButton = dialog.m_setCursors;
    Drive(dialog).HoverAt(QPoint(500, 200));
    EXPECT_GT(dialog.m_setCursors, overButton) << "over the editor, which keeps its pointer moves";
    EXPECT_TRUE(dialog.m_taps.empty());

    const int beforeTap = dialog.m_setCursors;
    Drive(dialog).TapAt(QPoint(93, 45));
    EXPECT_EQ(dialog.m_taps, std::vector<QPoint> { QPoint(93, 45) });
    EXPECT_EQ(dialog.mapFromGlobal(GetCursorPos()), QPoint(93, 45));
    EXPECT_GT(dialog.m_setCursors, beforeTap);
    EXPECT_EQ(ShownCursorShape(), Qt::ArrowCursor);
    Drive(dialog).TapAt(QPoint(620, 20));
    EXPECT_EQ(dialog.m_taps.size(), 1u);
    EXPECT_EQ(dialog.m_commands, std::vector<int> { TestDialog::kButton });
}

} // namespace
