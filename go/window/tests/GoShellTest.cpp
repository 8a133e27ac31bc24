// The window under the shell: texts, the shell message and
// the single running instance.
#include "go/window/GoApp.h"
#include "go/window/GoLayout.h"
#include "go/window/GoText.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/ShellMessage.h"
#include "shell/OrvaCore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using GoShell = GoWindowTest;

QString Text(int index, int language)
{
    return QString::fromUtf16(LocalText(index, language));
}

TEST(GoText, EveryEntryHasBothLanguages)
{
    for (int i = 0; i < kGoTextCount; ++i) {
        EXPECT_FALSE(Text(i, 0).isEmpty()) << i;
        EXPECT_FALSE(Text(i, 1).isEmpty()) << i;
        EXPECT_NE(Text(i, 0), Text(i, 1)) << i;
    }
}

// Each text the status box shows, in both languages and at every step count a
// game reaches, is drawn whole inside the box.
TEST_F(GoShell, EveryTextFitsTheStatusBox)
{
    // One entry, or two shown one after the other.
    const std::pair<int, int> shown[] = {
        { kTextTitle, -1 },
        { kTextDraw, -1 },
        { kTextStep, -1 },
        { kTextGameOverNoUndo, -1 },
        { kTextNoMoreUndo, -1 },
        { kTextPersonWins, kTextTotalSteps },
        { kTextTotalSteps, kTextComputerWins },
        { kTextNoUndoAtStart, -1 },
        { kTextTapAfterEnd, -1 },
    };
    const CCoolStatic& status = CGoDlgProbe::Status(Open());
    for (int language : { 0, 1 }) {
        for (const auto& [first, second] : shown) {
            for (int step = 1; step <= 224; ++step) {
                QString text = Text(first, language) + (second < 0 ? QString() : Text(second, language));
                text.replace(QStringLiteral("%d"), QString::number(step));
                const QRect needed = status.MeasureText(text);
                ASSERT_TRUE(status.GetRect().contains(needed))
                    << text.toStdString() << ": " << needed.width() << " by " << needed.height();
            }
        }
    }
}

TEST_F(GoShell, MinimiseAndTheFrontCodeMoveTheGameOtherCodesDoNothing)
{
    OpenAfterOpening();
    Drive(Dlg()).SendCommand(IDC_MIN);
    EXPECT_EQ(Drive(Dlg()).GetZPlace(), ZPlace::Bottom);
    PostShellMessage(&Dlg(), 1);
    ProcessEvents();
    EXPECT_EQ(Drive(Dlg()).GetZPlace(), ZPlace::Top);
    for (unsigned long code : { 0ul, 5ul, 28ul, 1000ul })
        PostShellMessage(&Dlg(), code);
    ProcessEvents();
    EXPECT_TRUE(Dlg().IsWindow());
    EXPECT_EQ(StoneCount(), 1);
    EXPECT_EQ(Status(), u"OBANG\nThe 1 Step");
}

// Runs the whole program in this process and, once its window is up, starts a
// second Go beside it.
TEST_F(GoShell, SecondStartBringsTheRunningGameForwardAndQuitFreesTheRegistry)
{
    int secondExitCode = -1;
    bool secondFinished = false;
    ZPlace placeAfterSecond = ZPlace::Unchanged;

    QTimer::singleShot(0, [&] {
        CGoDlg* game = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dlg = qobject_cast<CGoDlg*>(widget); dlg && dlg->IsWindow())
                game = dlg;
        }
        ASSERT_NE(game, nullptr);
        Drive(*game).SendCommand(IDC_MIN);

        QProcess second;
        second.start(QStringLiteral(GO_EXECUTABLE), {});
        QElapsedTimer waited;
        waited.start();
        while (!secondFinished && waited.elapsed() < 20000) {
            secondFinished = second.waitForFinished(10);
            QCoreApplication::processEvents();
        }
        secondExitCode = second.exitCode();
        for (int i = 0; i < 50 && Drive(*game).GetZPlace() != ZPlace::Top; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        placeAfterSecond = Drive(*game).GetZPlace();
        PostShellMessage(game, 2);
    });

    CGoApp app;
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(secondFinished) << "the second start ends at once";
    EXPECT_EQ(secondExitCode, 0);
    EXPECT_EQ(placeAfterSecond, ZPlace::Top);
    EXPECT_EQ(COrvaCore::IsAppRunning(kGoAppId), 0) << "the registry is free again";
    COrvaCore::SetAppStatus(kGoAppId, 0);
}

// The help window runs a loop of its own inside the game's: it shows the
// game's help in the current language, code 1 keeps it over the game, and
// code 2 closes it and ends the game at once.
TEST_F(GoShell, TheShellReachesTheGameThroughItsOpenHelp)
{
    m_dlg = std::make_unique<CGoDlg>([] { return 0u; }, [](std::uint32_t) { return 1u; });
    QStringList shown;
    bool helpActiveAfterFront = false;
    // A timer, not a queued call: it fires once the game's own run has begun.
    QTimer openHelp;
    openHelp.setSingleShot(true);
    QObject::connect(&openHelp, &QTimer::timeout, m_dlg.get(), [this, &shown, &helpActiveAfterFront] {
        QTimer::singleShot(0, m_dlg.get(), [this, &shown, &helpActiveAfterFront] {
            QWidget* help = QApplication::activeModalWidget();
            if (help && help->isVisible()) {
                for (const QLabel* label : help->findChildren<QLabel*>())
                    shown << label->text();
            }
            PostShellMessage(m_dlg.get(), 1);
            QCoreApplication::processEvents();
            helpActiveAfterFront = help && help->isVisible() && QApplication::activePopupWidget() == help;
            PostShellMessage(m_dlg.get(), 2);
        });
        WriteSettings("language=1\n");
        Drive(*m_dlg).TapAt(m_dlg->GetDlgItem(IDC_HELP)->geometry().center());
    });
    openHelp.start(0);
    EXPECT_EQ(m_dlg->DoModal(), -1) << "ended by the quit message";
    EXPECT_TRUE(shown.contains(u"Talvo帮助"_qs)) << shown.join(u'|').toStdString();
    EXPECT_TRUE(shown.join(u'|').contains(u"1、黑白双方依次落子"_qs)) << shown.join(u'|').toStdString();
    EXPECT_TRUE(helpActiveAfterFront);
    EXPECT_EQ(Drive(*m_dlg).GetZPlace(), ZPlace::Top);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
