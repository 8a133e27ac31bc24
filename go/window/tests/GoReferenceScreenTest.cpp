// The game as a person sees it, in every built-in skin and both languages,
// compared with the reference screens in screens/.
#include "go/window/GoLayout.h"
#include "go/window/tests/GoWindowTest.h"
#include "platform/ShellMessage.h"
#include "platform/testsupport/ReferenceScreen.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Look {
    const char* skin;
    int language;
    const char* name;
};

constexpr Look kLooks[] = {
    { "Classic", 0, "classic-en" },
    { "Classic", 1, "classic-zh" },
    { "Ocean", 0, "ocean-en" },
    { "Ocean", 1, "ocean-zh" },
};

class ReferenceScreenGo : public GoWindowTest {
protected:
    void UseLook(const Look& look)
    {
        WriteSettings(
            QStringLiteral("skin=%1\nlanguage=%2\n").arg(QLatin1String(look.skin)).arg(look.language).toUtf8());
    }
    // For each look, a new window played by play, then compared with
    // screens/<scene>-<look>.png.
    template<typename Play>
    void ExpectScreens(const char* scene, Play play)
    {
        for (const Look& look : kLooks) {
            UseLook(look);
            play();
            EXPECT_TRUE(MatchesReferenceScreen(Frame(), Reference(scene, look)));
        }
    }
    static QString Reference(const char* scene, const Look& look)
    {
        return QStringLiteral("go/window/tests/screens/%1-%2.png").arg(QLatin1String(scene), QLatin1String(look.name));
    }
    // The computer has answered, the person has chosen Hard, cleared CPU
    // First and moved the cursor off the computer's stone onto an empty point.
    void PlayMidGame()
    {
        OpenAfterOpening();
        TapCell(6, 6);
        Drive(Dlg()).PressKey('3');
        Drive(Dlg()).PressKey(VK_TAB);
        for (int key : { VK_DOWN, VK_DOWN, VK_RIGHT })
            Drive(Dlg()).PressKey(key);
    }
};

TEST_F(ReferenceScreenGo, StartBeforeTheOpeningStone)
{
    ExpectScreens("start", [this] { Open(); });
}

TEST_F(ReferenceScreenGo, MidGameWithTheCursor)
{
    ExpectScreens("midgame", [this] { PlayMidGame(); });
}

// A skin change during a game (code 4): background, buttons and colours
// follow the new skin; the board image as loaded at the start, the stones,
// options and status stay.
TEST_F(ReferenceScreenGo, SkinChangeMidGame)
{
    for (const auto& [before, after] : { std::pair { kLooks[0], kLooks[2] }, std::pair { kLooks[3], kLooks[1] } }) {
        UseLook(before);
        PlayMidGame();
        UseLook(after);
        PostShellMessage(&Dlg(), 4);
        ProcessEvents();
        EXPECT_TRUE(MatchesReferenceScreen(Frame(), Reference("skinchange", after)));
    }
}

// White, the person, completes five across and the status tells the win.
TEST_F(ReferenceScreenGo, AfterThePersonsWin)
{
    ExpectScreens("win", [this] {
        OpenAfterOpening();
        Place({ { 3, 10 }, { 4, 10 }, { 5, 10 }, { 6, 10 } }, kGoWhite);
        Place({ { 6, 6 }, { 8, 8 }, { 9, 9 }, { 4, 4 } }, kGoBlack);
        Dlg().Invalidate(false);
        TapCell(7, 10);
    });
}

// The 224th stone fills the board but for one corner: the game is drawn.
TEST_F(ReferenceScreenGo, AfterADraw)
{
    ExpectScreens("draw", [this] {
        OpenAfterOpening();
        for (int x = 0; x < kGoBoardSize; ++x) {
            for (int y = 0; y < kGoBoardSize; ++y)
                Dlg().SetStone(x, y, (x + 2 * y) % 4 < 2 ? kGoBlack : kGoWhite);
        }
        Place({ { 0, 0 }, { 14, 14 } }, kGoEmpty);
        Dlg().Invalidate(false);
        TapCell(14, 14);
    });
}

// The options follow the shell's language at the next repaint, the buttons
// at the next skin load (code 3); a status text already shown stays.
TEST_F(ReferenceScreenGo, LanguageChangeShowsOnOptionsAtOnceAndOnButtonsAtTheSkinLoad)
{
    UseLook(kLooks[0]);
    OpenAfterOpening();
    UseLook(kLooks[1]);
    Dlg().Invalidate(false);
    EXPECT_TRUE(
        MatchesReferenceScreen(Frame(), QStringLiteral("go/window/tests/screens/language-options-classic.png")));
    PostShellMessage(&Dlg(), 3);
    ProcessEvents();
    EXPECT_TRUE(
        MatchesReferenceScreen(Frame(), QStringLiteral("go/window/tests/screens/language-buttons-classic.png")));
    Drive(Dlg()).SendCommand(IDC_UNDO);
    EXPECT_EQ(Status(), u"游戏刚开始，不能悔棋！");
}

// The help window the Help button opens, over the game.
TEST_F(ReferenceScreenGo, Help)
{
    for (const Look& look : { kLooks[0], kLooks[3] }) {
        UseLook(look);
        Open();
        QImage help;
        QTimer::singleShot(0, &Dlg(), [&help] {
            QWidget* shown = QApplication::activeModalWidget();
            ASSERT_NE(shown, nullptr);
            help = shown->grab().toImage();
            shown->close();
        });
        Drive(Dlg()).SendCommand(IDC_HELP);
        EXPECT_TRUE(MatchesReferenceScreen(help, Reference("help", look)));
    }
}

} // namespace
