#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

class QLocalServer;
class QLocalSocket;

// Serves one program's local socket. A client of the same user sends one line
// with the command code ("28\n") and the reply is "1\n". The code is posted to
// the registered window as the shell message; codes that arrive while the
// program is still starting, before it has registered its window, wait for it.
class ShellMessageServer : public QObject {
    Q_OBJECT
public:
    explicit ShellMessageServer(QObject* parent = nullptr);

    // Listens at socketPath, replacing a file left there by a program that
    // ended; the caller holds the program's lock, so no live server owns it.
    bool Listen(const QString& socketPath);
    // Registers the receiving window and hands it the codes that waited.
    void SetWindow(QWidget* window);
    // Posts code to the window, or keeps it until there is one.
    void Deliver(unsigned long code);

private:
    void AcceptConnections();
    void ReadCode(QLocalSocket* socket);

    QLocalServer* m_server = nullptr;
    QPointer<QWidget> m_window;
    std::vector<unsigned long> m_waiting;
};
