#include "go/window/GoApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CGoApp game;
    game.InitInstance();
    return 0;
}
