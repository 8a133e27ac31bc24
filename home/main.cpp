#include "home/HomeApp.h"
#include "shell/ProgramResources.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetProgramIdentity(QStringLiteral("Home"), QStringLiteral("orva-home"));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("The home screen of the Go and NoteBook programs, for a touch screen."));
    options.addHelpOption();
    const QCommandLineOption session(QStringLiteral("session"),
        QStringLiteral("Run as the whole session of a kiosk: nothing on the screen ends it."));
    options.addOption(session);
    options.process(application);
    CHomeApp home(options.isSet(session) ? HomeMode::Session : HomeMode::Desktop);
    home.InitInstance();
    return 0;
}
