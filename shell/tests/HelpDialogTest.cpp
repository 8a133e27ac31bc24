#include "shell/FileSystem.h"
#include "shell/tests/ShellEnvironment.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <functional>

namespace {

using HelpDialogTest = ShellEnvironment;

// Runs check on the help window once it shows, then closes it with close.
void ShowHelpAnd(const std::function<void(QWidget*)>& check, const std::function<void(QWidget*)>& close,
    COLORREF colour = RGB(86, 54, 32))
{
    bool checked = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        check(dialog);
        checked = true;
        close(dialog);
    });
    QImage icon(64, 64, QImage::Format_RGB32);
    icon.fill(Qt::yellow);
    CFileSystem::ShowHelpDlg(icon, u"Help", u"Line one\r\nLine two", colour);
    EXPECT_TRUE(checked);
}

void PressKey(QWidget* target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

void Tap(QWidget* target)
{
    const QPointF at(target->width() / 2.0, target->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

TEST_F(HelpDialogTest, ShowsTitleTextIconAndColour)
{
    ShowHelpAnd(
        [](QWidget* dialog) {
            EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("title"))->text(), QStringLiteral("Help"));
            EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("text"))->text(), QStringLiteral("Line one\nLine two"));
            EXPECT_FALSE(dialog->findChild<QLabel*>(QStringLiteral("icon"))->pixmap().isNull());
            const QImage shown = dialog->grab().toImage();
            EXPECT_EQ(shown.pixelColor(10, shown.height() - 10), QColor(86, 54, 32));
            EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("text"))->palette().color(QPalette::WindowText),
                QColor(Qt::white))
                << "light text on a dark colour";
        },
        [](QWidget* dialog) { PressKey(dialog, Qt::Key_Escape); });
}

TEST_F(HelpDialogTest, AnyKeyCloses)
{
    ShowHelpAnd([](QWidget*) {}, [](QWidget* dialog) { PressKey(dialog, Qt::Key_Return); });
    ShowHelpAnd([](QWidget*) {}, [](QWidget* dialog) { PressKey(dialog, Qt::Key_A); });
}

TEST_F(HelpDialogTest, ATapAnywhereCloses)
{
    ShowHelpAnd([](QWidget*) {}, [](QWidget* dialog) { Tap(dialog); });
    ShowHelpAnd([](QWidget*) {}, [](QWidget* dialog) { Tap(dialog->findChild<QLabel*>(QStringLiteral("text"))); },
        RGB(250, 250, 240));
}

} // namespace
