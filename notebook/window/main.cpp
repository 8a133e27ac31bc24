#include "notebook/window/NoteBookApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CNoteBookApp notebook;
    notebook.InitInstance();
    return 0;
}
