#include "shell/FileSystem.h"
#include "shell/tests/ShellEnvironment.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {

using HelpDialogTest = ShellEnvironment;

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
TEST_F(HelpDialogTest, ShowsWhatItIsGivenUntilAnyKeyOrTapClosesIt)
{
    QImage icon(64, 64, QImage::Format_RGB32);
    icon.fill(Qt::yellow);
    const struct {
        COLORREF colour;
        Qt::GlobalColor text;
        void (*close)(QWidget* dialog);
    } cases[] = {
        { RGB(250, 250, 240), Qt::black, [](QWidget* dialog) { PressKey(dialog, Qt::Key_A); } },
        { RGB(86, 54, 32), Qt::white, [](QWidget* dialog) { Tap(dialog); } },
        { RGB(250, 250, 240), Qt::black,
            [](QWidget* dialog) { Tap(dialog->findChild<QLabel*>(QStringLiteral("text"))); } },
        // A press outside it, which the popup takes wherever it lands.
        { RGB(86, 54, 32), Qt::white,
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
            const auto label
                = [dialog](const char* name) { return dialog->findChild<QLabel*>(QLatin1StringView(name)); };
            EXPECT_EQ(label("title")->text(), QStringLiteral("Help"));
            EXPECT_EQ(label("text")->text(), QStringLiteral("Line one\nLine two"));
            EXPECT_FALSE(label("icon")->pixmap().isNull());
            const QImage shown = dialog->grab().toImage();
            EXPECT_EQ(ColorRefFromColor(shown.pixelColor(10, shown.height() - 10)), c.colour);
            EXPECT_EQ(label("text")->palette().color(QPalette::WindowText), QColor(c.text));
            checked = true;
            c.close(dialog);
        });
        CFileSystem::ShowHelpDlg(icon, u"Help", u"Line one\r\nLine two", c.colour);
        EXPECT_TRUE(checked);
    }
}

} // namespace
