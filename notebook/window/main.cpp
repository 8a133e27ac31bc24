#include "notebook/window/NoteBookApp.h"
#include "shell/ProgramResources.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetProgramIdentity(QStringLiteral("NoteBook"), QStringLiteral("orva-notebook"));
    CNoteBookApp notebook;
    notebook.InitInstance();
    return 0;
}
