// orva-shell: the device shell's command line.
#include "ShellCommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // A name that is not UTF-8 would reach the programs as another name,
    // which may be another file's.
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (QFile::encodeName(QFile::decodeName(argument)) != argument) {
            err << "orva-shell: not a valid UTF-8 name: " << QFile::decodeName(argument) << "\n";
            return 1;
        }
    }
    ShellCommandLine commandLine(out, err);
    return commandLine.Run(QCoreApplication::arguments().mid(1));
}
