#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

class ProgramLock;
class ShellMessageServer;

// This process's side of the registry of running programs: the programs it
// runs (their locks and message servers) and their windows.
class AppRegistry {
public:
    static AppRegistry& Instance();

    // True when another process holds the program's lock. When the lock is
    // free this process takes it, so that the start-up that follows cannot
    // race another start of the same program.
    bool IsRunningElsewhere(int appId);
    // True when any process holds the program's lock; takes nothing.
    static bool IsRunningAnywhere(int appId);
    // Delivers code to the program's window, here or in its own process.
    int Send(int appId, unsigned long code);
    // Marks this process as the program (lock and message server) or not.
    void SetRunning(int appId, bool running);
    void SetWindow(int appId, QWidget* window);
    // A window this process registered that is on screen; none when no
    // registered window shows.
    QWidget* ShownWindow() const;

private:
    struct Program;
    AppRegistry();
    ~AppRegistry();
    Program& Entry(int appId);

    std::map<int, std::unique_ptr<Program>> m_programs;
};
