#pragma once

#include <QList>
#include <QString>
#include <optional>

// The programs the shell knows by name.
struct ShellProgram {
    QString name;       // "go", "notebook"
    int appId = 0;      // 7, 16
    QString executable; // "Go", "NoteBook"
};

class ShellPrograms {
public:
    static const QList<ShellProgram>& Known();
    static const ShellProgram& Notebook();
    // A known program's name, or any positive application id.
    static std::optional<int> AppIdOf(const QString& nameOrId);
    // The name of a known id, else the id itself.
    static QString NameOf(int appId);
    // The program file to start: $ORVA_PROGRAM_<NAME> when set, else beside
    // this program (installed), else in the build tree.
    static QString ExecutableOf(const ShellProgram& program);
};
