#include "notebook/window/NoteBookApp.h"
#include "platform/device/DeviceFiles.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // On a desktop the window shows the program's icon and belongs to its
    // desktop entry.
    QApplication::setWindowIcon(QPixmap::fromImage(LoadDeviceBitmap(QStringLiteral("\\Orva\\Resources\\NoteBook.png"))));
    QGuiApplication::setDesktopFileName(QStringLiteral("orva-notebook"));
    CNoteBookApp notebook;
    notebook.InitInstance();
    return 0;
}
