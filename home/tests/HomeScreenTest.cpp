// The home screen itself, headless: its clock and what may end it.
#include "home/HomeDlg.h"
#include "platform/testsupport/DialogDriver.h"
#include "platform/testsupport/TouchScreen.h"
#include "shell/tests/ShellEnvironment.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>

namespace {

class HomeScreen : public ShellEnvironment {
protected:
    static QString Label(const CHomeDlg& home, const char* name)
    {
        return home.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
};

// At midnight the time and the date move on; how they read in each
// language is on the reference screens.
TEST_F(HomeScreen, TheClockTurnsToTheNextMinuteAndDay)
{
    QDateTime now(QDate(2026, 12, 9), QTime(23, 59, 59));
    CHomeDlg home(HomeMode::Desktop, [&now] { return now; });
    Drive(home).Create();
    now = now.addSecs(1);
    ASSERT_TRUE(Drive(home).FireTimer(1));
    EXPECT_EQ(Label(home, "time"), u"00:00");
    EXPECT_EQ(Label(home, "date"), u"Thursday, December 10, 2026");
}

TEST_F(HomeScreen, OnlyTheDesktopsHomeScreenEndsOnEscape)
{
    for (const HomeMode mode : { HomeMode::Desktop, HomeMode::Session }) {
        CHomeDlg home(mode);
        Drive(home).Create();
        Drive(home).PressKey(VK_ESCAPE);
        EXPECT_EQ(Drive(home).IsEnded(), mode == HomeMode::Desktop);
    }
}

// A finger alone: the Settings tile, the pointer setting and a folder, each
// by one touch on the touch screen.
using TouchInputHomeScreen = HomeScreen;

TEST_F(TouchInputHomeScreen, SettingsStoreThePointerAndTheNotesFolderChosenByTouch)
{
    WriteDeviceFile(QStringLiteral("\\Notes\\Work\\a.note"), "");
    WriteDeviceFile(QStringLiteral("\\Notes\\Work\\Deeper\\Still\\b.note"), "");
    WriteDeviceFile(QStringLiteral("\\Orva\\Mine\\c.txt"), "");
    CHomeDlg home(HomeMode::Session);
    Drive(home).Create();
    TouchAt(&home, QPoint(660, 315));

    auto* pointer = home.findChild<QCheckBox*>();
    ASSERT_NE(pointer, nullptr);
    ASSERT_TRUE(pointer->isVisible()) << "the Settings tile opens Settings";
    TouchAt(&home, pointer->mapTo(&home, QPoint(10, pointer->height() / 2)));
    EXPECT_EQ(ShellSettings::Value(QStringLiteral("touch")), u"1");

    auto* folders = home.findChild<QListWidget*>();
    ASSERT_NE(folders, nullptr);
    QStringList offered;
    for (int row = 0; row < folders->count(); ++row)
        offered.append(folders->item(row)->text());
    EXPECT_EQ(offered, (QStringList { u"\\NAND Flash\\Note"_qs, u"\\Notes"_qs, u"\\Notes\\Work"_qs }))
        << "the current folder first, two levels deep, never the shell's own";
    const QRect work = folders->visualItemRect(folders->item(2));
    TouchAt(&home, folders->viewport()->mapTo(&home, work.center()));
    EXPECT_EQ(ShellSettings::Value(QStringLiteral("note_path")), u"\\Notes\\Work");
}

} // namespace
