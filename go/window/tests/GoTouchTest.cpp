// The game on a touch screen: a touch acts exactly as one tap of the mouse,
// never twice (the touch and the mouse press Qt makes of it).
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/testsupport/TouchScreen.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using TouchInputGo = GoWindowTest;

TEST_F(TouchInputGo, OneTouchIsOneTapOnTheBoardTheOptionsAndTheButtons)
{
    OpenAfterOpening();
    TouchAt(&Dlg(), kBoard.CellCentre({ 3, 3 }));
    EXPECT_EQ(Dlg().StoneAt(3, 3), kGoWhite);
    EXPECT_EQ(StoneCount(), 3) << "one stone and the computer's answer";
    // A toggle shows a second tap at once.
    TouchAt(&Dlg(), { 620, 210 });
    EXPECT_TRUE(Dlg().m_bPersonFirst);
    TouchAt(&Dlg(), { 620, 360 });
    EXPECT_EQ(Dlg().g_nLevel, 1);
    TouchAt(&Dlg(), Dlg().GetDlgItem(IDC_UNDO)->geometry().center());
    EXPECT_EQ(StoneCount(), 1) << "one Undo takes back one pair";
}

// The help opens by a touch and closes by a touch anywhere; a touch outside
// it only closes it and reaches nothing under it.
TEST_F(TouchInputGo, HelpOpensAndClosesByATouchAnywhere)
{
    OpenAfterOpening();
    const struct {
        const char* where;
        QPoint (*point)(QWidget* help);
        bool onGame;
    } touches[] = {
        { "on the text", [](QWidget* help) { return help->findChild<QLabel*>(u"text"_qs)->geometry().center(); }, false },
        { "on the frame", [](QWidget*) { return QPoint(8, 8); }, false },
        { "on the board", [](QWidget*) { return kBoard.CellCentre({ 4, 4 }); }, true },
    };
    for (const auto& touch : touches) {
        bool closed = false;
        QTimer::singleShot(0, m_dlg.get(), [&] {
            QWidget* help = QApplication::activePopupWidget();
            ASSERT_NE(help, nullptr) << touch.where;
            TouchAt(touch.onGame ? static_cast<QWidget*>(&Dlg()) : help, touch.point(help));
            QApplication::processEvents();
            closed = !help->isVisible();
            if (!closed)
                help->close();
        });
        TouchAt(&Dlg(), Dlg().GetDlgItem(IDC_HELP)->geometry().center());
        EXPECT_TRUE(closed) << touch.where;
        EXPECT_EQ(StoneCount(), 1) << touch.where;
    }
}

} // namespace
