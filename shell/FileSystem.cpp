#include "shell/FileSystem.h"

#include "shell/HelpDialog.h"

#include <QApplication>

void CFileSystem::ShowHelpDlg(const QImage& icon, const char16_t* title, const char16_t* text, COLORREF colour)
{
    const QColor background(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
        static_cast<int>((colour >> 16) & 0xFF));
    HelpDialog dialog(icon, title ? QString::fromUtf16(title) : QString(), text ? QString::fromUtf16(text) : QString(),
        background, QApplication::activeWindow());
    dialog.exec();
}
