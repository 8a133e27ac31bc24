// The home screen and its Settings as a person sees them, in both built-in
// skins and each language, compared with the reference screens in screens/.
#include "home/HomeDlg.h"
#include "platform/testsupport/DialogDriver.h"
#include "platform/testsupport/ReferenceScreen.h"
#include "shell/tests/ShellEnvironment.h"

namespace {

using ReferenceScreenHome = ShellEnvironment;

// A desktop's home screen has a close button; a kiosk's session has none
// and, on its touch screen, hides the pointer.
TEST_F(ReferenceScreenHome, HomeAndSettingsInEachSkinAndLanguage)
{
    const struct {
        const char* settings;
        HomeMode mode;
        const char* name;
    } looks[] = {
        { "skin=Classic\nlanguage=0\n", HomeMode::Desktop, "classic-en" },
        { "skin=Classic\nlanguage=1\ntouch=1\n", HomeMode::Session, "classic-zh" },
        { "skin=Ocean\nlanguage=6\ntouch=1\n", HomeMode::Session, "ocean-tr" },
        { "skin=Ocean\nlanguage=1\n", HomeMode::Desktop, "ocean-zh" },
    };
    WriteDeviceFile(QStringLiteral("\\Notes\\Work\\a.note"), "");
    for (const auto& look : looks) {
        WriteSettings(look.settings);
        CHomeDlg home(look.mode, [] { return QDateTime(QDate(2026, 12, 9), QTime(9, 41, 59)); });
        Drive(home).Create();
        const QString reference
            = QStringLiteral("home/tests/screens/%1-") + QLatin1String(look.name) + QStringLiteral(".png");
        EXPECT_TRUE(MatchesReferenceScreen(Drive(home).Render(), reference.arg(QStringLiteral("home"))));
        home.ShowSettings();
        ProcessEvents();
        EXPECT_TRUE(MatchesReferenceScreen(Drive(home).Render(), reference.arg(QStringLiteral("settings"))));
    }
}

} // namespace
