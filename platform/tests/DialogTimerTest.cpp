#include "TestDialog.h"

#include "platform/testsupport/DialogDriver.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

class WindowTimer : public testing::Test {
protected:
    void SetUp() override { Drive(dialog).Create(); }
    TestDialog dialog;
};

// Each tick carries its id in order of due time; a zero period fires once the
// events already queued have run.
TEST_F(WindowTimer, TicksComeInOrderOfDueTime)
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
        QMetaObject::invokeMethod(&dialog, [&order, i] { order.push_back(-i); }, Qt::QueuedConnection);
    EXPECT_TRUE(order.empty());
    ASSERT_TRUE(ProcessEventsUntil([&] { return order.size() == 6; }));
    EXPECT_EQ(order, (std::vector<int>{0, -1, -2, 102, 101, 1}));
}

TEST_F(WindowTimer, KillingStopsIt)
{
    dialog.SetTimer(7, 0);
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog.m_timers.size() >= 2; }));
    EXPECT_TRUE(dialog.KillTimer(7));
    EXPECT_FALSE(dialog.KillTimer(7));
    EXPECT_FALSE(Drive(dialog).IsTimerActive(7));
    const size_t ticks = dialog.m_timers.size();
    // A later 20 ms timer fires long after any queued tick of timer 7 would.
    dialog.SetTimer(8, 20);
    ASSERT_TRUE(ProcessEventsUntil([&] { return dialog.m_timers.back() == 8; }));
    EXPECT_EQ(std::count(dialog.m_timers.begin() + ticks, dialog.m_timers.end(), 7), 0);
}

TEST_F(WindowTimer, SettingAnIdAgainReplacesTheTimer)
{
    dialog.SetTimer(1, 100000);
    dialog.SetTimer(1, 0);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !dialog.m_timers.empty(); }));
    EXPECT_EQ(dialog.m_timers.front(), 1u);
}

TEST(WindowTimers, DieWithTheWindow)
{
    TestDialog dialog;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.SetTimer(5, 0);
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_FALSE(Drive(dialog).IsTimerActive(5));
    EXPECT_EQ(dialog.SetTimer(6, 0), 0u);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialog.m_timers.empty());
}

} // namespace
