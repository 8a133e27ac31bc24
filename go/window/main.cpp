#include "go/window/GoApp.h"
#include "shell/ProgramResources.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetProgramIdentity(QStringLiteral("Go"), QStringLiteral("orva-go"));
    CGoApp game;
    game.InitInstance();
    return 0;
}
