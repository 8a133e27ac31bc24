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
    // What xdotool prints for the command, on the test's own display.
    QString Xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(m_display.Environment());
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(10000);
        return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
    }
    // The id of the visible window named so, once it shows; empty when it
    // never does.
    QString WaitForWindow(const QString& name, bool shown = true)
    {
        QElapsedTimer waited;
        waited.start();
        QString found;
        do {
            found = Xdotool({ QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), name });
            if (found.isEmpty() != shown)
                return found;
            QThread::msleep(50);
        } while (waited.elapsed() < 10000);
        return shown ? QString() : found;
    }
    void TapAt(QPoint point)
    {
        Xdotool({ QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
            QStringLiteral("click"), QStringLiteral("1") });
    }

    XvfbDisplay m_display;
};

TEST_F(GoWithoutWindowManager, HelpClosedByATapAnywhereLeavesTheGameWithTheKeys)
{
    ASSERT_TRUE(m_display.IsRunning()) << m_display.Error().toStdString();
    const struct {
        const char* where;
        QPoint tap;
    } closings[] = {
        { "on the help", { 400, 240 } },
        { "outside the help, beside the board", { 30, 470 } },
    };
    for (const auto& closing : closings) {
        QProcess game;
        game.setProcessEnvironment(m_display.Environment());
        game.start(QStringLiteral(GO_EXECUTABLE), {});
        const QString gameWindow = WaitForWindow(QStringLiteral("^GO$"));
        ASSERT_FALSE(gameWindow.isEmpty()) << closing.where;
        TapAt({ 600, 30 });
        ASSERT_FALSE(WaitForWindow(QStringLiteral("^GO Chess Help$")).isEmpty()) << closing.where;

        TapAt(closing.tap);
        EXPECT_TRUE(WaitForWindow(QStringLiteral("^GO Chess Help$"), false).isEmpty()) << closing.where;
        EXPECT_EQ(Xdotool({ QStringLiteral("getwindowfocus") }), gameWindow) << closing.where;
        Xdotool({ QStringLiteral("key"), QStringLiteral("Escape") });
        EXPECT_TRUE(game.waitForFinished(5000)) << closing.where << ": Escape reaches the game";
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished();
        }
    }
}

} // namespace
