// The game on an X server with nothing else: no window manager gives any
// window the keyboard, so the game must take it back itself after its help.
#include "platform/testsupport/XvfbDisplay.h"
#include "shell/tests/ShellEnvironment.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class GoWithoutWindowManager : public ShellEnvironment {
protected:
    // What xdotool prints for the arguments, on the test's own display.
    QString Xdotool(const QString& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(m_display.Environment());
        tool.start(QStringLiteral("xdotool"), arguments.split(u' '));
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }
    // The visible windows of that name once there are some (or none, when
    // shown is false); what there is after ten seconds otherwise.
    QString WaitForWindows(const QString& name, bool shown)
    {
        QElapsedTimer waited;
        waited.start();
        QString found;
        while (
            (found = Xdotool(u"search --onlyvisible --name "_qs + name)).isEmpty() == shown && waited.elapsed() < 10000)
            QThread::msleep(50);
        return found;
    }

    XvfbDisplay m_display;
};

TEST_F(GoWithoutWindowManager, HelpClosedByATapOutsideLeavesTheGameWithTheKeys)
{
    ASSERT_TRUE(m_display.IsRunning()) << m_display.Error().toStdString();
    QProcess game;
    game.setProcessEnvironment(m_display.Environment());
    game.start(QStringLiteral(GO_EXECUTABLE), {});
    const QString gameWindow = WaitForWindows(u"^GO$"_qs, true);
    ASSERT_FALSE(gameWindow.isEmpty());
    Xdotool(u"mousemove 600 30 click 1"_qs);
    ASSERT_FALSE(WaitForWindows(u"^GO.Chess.Help$"_qs, true).isEmpty());

    // Beside the board, outside the help.
    Xdotool(u"mousemove 30 470 click 1"_qs);
    EXPECT_TRUE(WaitForWindows(u"^GO.Chess.Help$"_qs, false).isEmpty());
    EXPECT_EQ(Xdotool(u"getwindowfocus"_qs), gameWindow);
    Xdotool(u"key Escape"_qs);
    EXPECT_TRUE(game.waitForFinished(5000)) << "Escape reaches the game";
    game.kill();
    game.waitForFinished();
}

} // namespace
