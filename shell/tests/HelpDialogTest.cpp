#include "platform/testsupport/ReferenceScreen.h"
#include "shell/FileSystem.h"
#include "shell/tests/ShellEnvironment.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {

using ReferenceScreenHelpDialog = ShellEnvironment;

void PressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

void Tap(QWidget* target)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QMouseEvent press(
        QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(
        QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

// The window shows the title, text, icon and colour it is given, in a text
// colour that reads on it, until any key or a tap anywhere closes it.
TEST_F(ReferenceScreenHelpDialog, ShowsWhatItIsGivenUntilAnyKeyOrTapClosesIt)
{
    QImage icon(64, 64, QImage::Format_RGB32);
    icon.fill(Qt::yellow);
    const struct {
        COLORREF colour;
        const char* screen;
        void (*close)(QWidget* dialog);
    } cases[] = {
        { RGB(250, 250, 240), "help-light.png", [](QWidget* dialog) { PressKey(dialog, Qt::Key_A); } },
        { RGB(86, 54, 32), "help-dark.png", [](QWidget* dialog) { Tap(dialog); } },
        { RGB(250, 250, 240), "help-light.png",
            [](QWidget* dialog) { Tap(dialog->findChild<QLabel*>(QStringLiteral("text"))); } },
        // A press outside it, which the popup takes wherever it lands.
        { RGB(86, 54, 32), "help-dark.png",
            [](QWidget* dialog) {
                QMouseEvent press(QEvent::MouseButtonPress, QPointF(-5, -5), dialog->mapToGlobal(QPointF(-5, -5)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(dialog, &press);
            } },
    };
    for (const auto& c : cases) {
        bool checked = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activePopupWidget();
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(MatchesReferenceScreen(
                dialog->grab().toImage(), QStringLiteral("shell/tests/screens/") + QLatin1String(c.screen)));
            checked = true;
            c.close(dialog);
        });
        CFileSystem::ShowHelpDlg(icon, u"Help", u"Line one\r\nLine two", c.colour);
        EXPECT_TRUE(checked);
    }
}

} // namespace
