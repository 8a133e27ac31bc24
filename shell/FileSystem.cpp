#include "shell/FileSystem.h"

#include "shell/HelpDialog.h"

#include <QApplication>
#include <QCursor>

void CFileSystem::ShowHelpDlg(const QImage& icon, const char16_t* title, const char16_t* text, COLORREF colour)
{
    // With no window manager the caller's window may never have been made
    // active: it is then the one that was tapped.
    QWidget* caller = QApplication::activeWindow();
    if (!caller)
        caller = QApplication::topLevelAt(QCursor::pos());
    HelpDialog dialog(icon, title ? QString::fromUtf16(title) : QString(), text ? QString::fromUtf16(text) : QString(),
        ColorFromColorRef(colour), caller);
    dialog.exec();
    // Without a window manager nobody else gives the keyboard back to the
    // window the help was shown over: keys would go to the root window.
    if (caller && caller->isVisible())
        caller->activateWindow();
}
