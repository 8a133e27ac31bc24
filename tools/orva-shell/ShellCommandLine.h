#pragma once

#include "shell/OrvaCore.h"

#include <QStringList>
#include <QTextStream>

// The commands of orva-shell. Each returns the process's exit code:
// 0 done, 1 it could not be done, 2 the command line was wrong.
class ShellCommandLine {
public:
    ShellCommandLine(QTextStream& out, QTextStream& err);

    int Run(const QStringList& arguments);

private:
    int Status();
    int Send(const QString& app, const QString& code);
    int Get(const QString& key);
    int Set(const QString& key, const QString& value);
    int OpenNote(const QString& file);
    int ShowNotebook();
    int StartNotebook();
    int Usage(int exitCode);
    int Fail(const QString& message, int exitCode = 1);

    QTextStream& m_out;
    QTextStream& m_err;
};
