// The home screen with the real programs on an X server without a window
// manager, driven by taps and keys as a person would.
#include "platform/testsupport/XvfbDisplay.h"
#include "shell/AppRegistry.h"
#include "shell/OrvaCore.h"
#include "shell/ShellSettings.h"
#include "shell/tests/ShellEnvironment.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtCore/qtestsupport_core.h>
#include <memory>
#include <vector>

namespace {

// Programs start in well under a second; a fault should not take minutes.
constexpr int kPatienceMs = 15000;

// Where things are on the 800 by 480 screen.
constexpr QPoint kGoTile(140, 315);
constexpr QPoint kNoteBookTile(400, 315);
constexpr QPoint kSettingsTile(660, 315);
constexpr QPoint kGoMinimise(670, 25);
constexpr QPoint kChineseButton(315, 105);
constexpr QPoint kSecondSkin(506, 210);
// The game's New button and a stretch of its background.
constexpr QRect kGoNewButton(605, 234, 80, 30);
constexpr QRect kGoBackground(0, 470, 800, 10);

class HomeScreenX : public ShellEnvironment {
protected:
    void SetUp() override
    {
        ShellEnvironment::SetUp();
        ASSERT_TRUE(m_display.IsRunning()) << m_display.Error().toStdString();
        m_environment = m_display.Environment();
        m_environment.insert(QStringLiteral("ORVA_PROGRAM_HOME"), QStringLiteral(HOME_EXECUTABLE));
        m_environment.insert(QStringLiteral("ORVA_PROGRAM_GO"), QStringLiteral(GO_EXECUTABLE));
        m_environment.insert(QStringLiteral("ORVA_PROGRAM_NOTEBOOK"), QStringLiteral(NOTEBOOK_EXECUTABLE));
    }

    void TearDown() override
    {
        for (const int appId : { kGoAppId, kNoteBookAppId, kHomeAppId }) {
            if (AppRegistry::IsRunningAnywhere(appId))
                COrvaCore::SendAppMsg(appId, 0, ShellWParam(ShellCode::Quit));
        }
        for (const auto& program : m_programs)
            program->waitForFinished(10000);
        ShellEnvironment::TearDown();
    }

    void Start(const char* executable, const QStringList& arguments = {})
    {
        auto& program = m_programs.emplace_back(std::make_unique<QProcess>());
        program->setProcessEnvironment(m_environment);
        program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program->start(QString::fromUtf8(executable), arguments);
        ASSERT_TRUE(program->waitForStarted());
    }

    QString Xdotool(const QStringList& arguments)
    {
        QProcess xdotool;
        xdotool.setProcessEnvironment(m_environment);
        xdotool.start(QStringLiteral("xdotool"), arguments);
        xdotool.waitForFinished();
        return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
    }

    void Tap(QPoint point)
    {
        Xdotool({ QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
            QStringLiteral("click"), QStringLiteral("1") });
    }

    // The title of the window that has the keyboard.
    QString FocusedWindow() { return Xdotool({ QStringLiteral("getwindowfocus"), QStringLiteral("getwindowname") }); }

    // Asserted, so that a fault ends the test long before ctest's time-out.
    testing::AssertionResult FocusGoesTo(const QString& title)
    {
        const bool focused = QTest::qWaitFor([&] { return FocusedWindow() == title; }, kPatienceMs);
        return focused ? testing::AssertionSuccess()
                       : testing::AssertionFailure() << "the keyboard is with " << FocusedWindow().toStdString();
    }

    static testing::AssertionResult Runs(int appId, bool running)
    {
        const bool done
            = QTest::qWaitFor([&] { return AppRegistry::IsRunningAnywhere(appId) == running; }, kPatienceMs);
        return done ? testing::AssertionSuccess()
                    : testing::AssertionFailure() << appId << (running ? " does not run" : " still runs");
    }

    QImage Screen()
    {
        const QString file = m_dir.path() + QStringLiteral("/screen.png");
        QProcess grab;
        grab.setProcessEnvironment(m_environment);
        grab.start(QStringLiteral(SCREEN_GRAB_EXECUTABLE), { file });
        grab.waitForFinished();
        return QImage(file);
    }

    XvfbDisplay m_display;
    QProcessEnvironment m_environment;
    std::vector<std::unique_ptr<QProcess>> m_programs;
};

TEST_F(HomeScreenX, TilesStartTheProgramsWhichTakeKeysAndMinimiseComesBackHome)
{
    Start(HOME_EXECUTABLE, { QStringLiteral("--session") });
    ASSERT_TRUE(Runs(kHomeAppId, true));
    ASSERT_TRUE(FocusGoesTo(QStringLiteral("Home")));

    Tap(kGoTile);
    ASSERT_TRUE(Runs(kGoAppId, true));
    ASSERT_TRUE(FocusGoesTo(QStringLiteral("GO")));
    Tap(kGoMinimise);
    ASSERT_TRUE(FocusGoesTo(QStringLiteral("Home")));
    COrvaCore::SendAppMsg(kGoAppId, 0, ShellWParam(ShellCode::ComeToFront));
    ASSERT_TRUE(FocusGoesTo(QStringLiteral("GO")));
    Xdotool({ QStringLiteral("key"), QStringLiteral("Escape") });
    ASSERT_TRUE(Runs(kGoAppId, false));

    Tap(kNoteBookTile);
    ASSERT_TRUE(Runs(kNoteBookAppId, true));
    ASSERT_TRUE(FocusGoesTo(QStringLiteral("NOTE")));
    Xdotool({ QStringLiteral("key"), QStringLiteral("Escape") });
    ASSERT_TRUE(Runs(kNoteBookAppId, false));
}

TEST_F(HomeScreenX, LanguageAndSkinChosenInSettingsReachTheRunningGame)
{
    Start(GO_EXECUTABLE);
    ASSERT_TRUE(FocusGoesTo(QStringLiteral("GO")));
    const QImage before = Screen();
    Start(HOME_EXECUTABLE);
    ASSERT_TRUE(FocusGoesTo(QStringLiteral("Home")));
    Tap(kSettingsTile);
    Tap(kChineseButton);
    ASSERT_TRUE(QTest::qWaitFor([] { return ShellSettings::Value(QStringLiteral("language")) == u"1"; }, kPatienceMs));
    Tap(kSecondSkin);
    ASSERT_TRUE(QTest::qWaitFor([] { return ShellSettings::Value(QStringLiteral("skin")) == u"Ocean"; }, kPatienceMs));

    COrvaCore::SendAppMsg(kGoAppId, 0, ShellWParam(ShellCode::ComeToFront));
    ASSERT_TRUE(FocusGoesTo(QStringLiteral("GO")));
    const QImage after = Screen();
    ASSERT_FALSE(before.isNull());
    EXPECT_NE(before.copy(kGoNewButton), after.copy(kGoNewButton)) << "the caption in Chinese";
    EXPECT_NE(before.copy(kGoBackground), after.copy(kGoBackground)) << "the background of the new skin";
}

} // namespace
