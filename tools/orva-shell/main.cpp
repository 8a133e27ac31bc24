// orva-shell: the device shell's command line.
#include "ShellCommandLine.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    ShellCommandLine commandLine(out, err);
    return commandLine.Run(QCoreApplication::arguments().mid(1));
}
