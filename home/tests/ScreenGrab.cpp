// orva-screen-grab FILE: saves what the X server's screen shows, for tests
// that look at programs running on their own display.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2)
        return 2;
    return QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
