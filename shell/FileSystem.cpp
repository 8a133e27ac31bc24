#include "shell/FileSystem.h"

#include "shell/HelpDialog.h"

#include <QApplication>

void CFileSystem::ShowHelpDlg(const QImage& icon, const char16_t* title, const char16_t* text, COLORREF colour)
{
    HelpDialog dialog(icon, title ? QString::fromUtf16(title) : QString(), text ? QString::fromUtf16(text) : QString(),
        ColorFromColorRef(colour), QApplication::activeWindow());
    dialog.exec();
}
