#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QLocalServer;
class QLocalSocket;

// Serves one program's local socket. A client of the same user sends one line
// with the command code ("28\n"); the code is posted to the registered window
// as the shell message, and the reply is "1\n" when a window took it, "0\n"
// when none is registered.
class ShellMessageServer : public QObject {
    Q_OBJECT
public:
    explicit ShellMessageServer(QObject* parent = nullptr);

    // Listens at socketPath, replacing a file left there by a program that
    // ended; the caller holds the program's lock, so no live server owns it.
    bool Listen(const QString& socketPath);
    void SetWindow(QWidget* window) { m_window = window; }
    QWidget* Window() const { return m_window; }

private:
    void AcceptConnections();
    void ReadCode(QLocalSocket* socket);

    QLocalServer* m_server = nullptr;
    QPointer<QWidget> m_window;
};
