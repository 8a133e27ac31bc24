#pragma once

#include "notebook/storage/HandOff.h"
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
    // Hands the file to the notebook, starting it when needed; 0 once the
    // notebook has taken it in.
    int OpenNote(const QString& file);
    // What the notebook made of a posted hand-off; Waiting when it gave no
    // answer in time.
    HandOff::State WaitForNotebook(const QString& entry);
    int ShowNotebook();
    int StartNotebook();
    int Usage(int exitCode);
    int Fail(const QString& message, int exitCode = 1);

    QTextStream& m_out;
    QTextStream& m_err;
};
