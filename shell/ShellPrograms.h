#pragma once

#include <QList>
#include <QString>
#include <optional>

// The programs the shell knows by name.
struct ShellProgram {
    QString name;        // "go", "notebook", "home"
    int appId = 0;       // 7, 16, kHomeAppId
    QString executable;  // "Go", "NoteBook", "orva-home"
    QString buildFolder; // where the build tree puts it
};

class ShellPrograms {
public:
    static const QList<ShellProgram>& Known();
    static const ShellProgram& Go();
    static const ShellProgram& Notebook();
    static const ShellProgram& Home();
    // A known program's name, or any positive application id.
    static std::optional<int> AppIdOf(const QString& nameOrId);
    // The name of a known id, else the id itself.
    static QString NameOf(int appId);
    // The program file to start: $ORVA_PROGRAM_<NAME> when set, else beside
    // this program (installed), else in the build tree.
    static QString ExecutableOf(const ShellProgram& program);
    // Starts the program on its own, its output going nowhere: it must not
    // write into a terminal or pipe that may be gone before it ends. False
    // when it could not be started.
    static bool Start(const ShellProgram& program);
    // Brings the running program to the front (code 1), or starts it.
    static bool Show(const ShellProgram& program);
};
