#include "shell/ShellMessageServer.h"

#include "platform/Cursor.h"
#include "platform/ShellMessage.h"
#include "shell/OrvaCore.h"
#include "shell/ShellSettings.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A command code line is short; anything longer is not a client of ours.
constexpr qint64 kMaxLine = 32;
// A client that connects and says nothing is dropped after this long.
constexpr int kClientTimeoutMs = 5000;

bool IsSameUser(const QLocalSocket* socket)
{
    struct ucred peer { };
    socklen_t size = sizeof(peer);
    return getsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0
        && peer.uid == getuid();
}

} // namespace

ShellMessageServer::ShellMessageServer(QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &ShellMessageServer::AcceptConnections);
}

bool ShellMessageServer::Listen(const QString& socketPath)
{
    QLocalServer::removeServer(socketPath);
    return m_server->listen(socketPath);
}

void ShellMessageServer::AcceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!IsSameUser(socket)) {
            socket->abort();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadCode(socket); });
        QTimer::singleShot(kClientTimeoutMs, socket, &QLocalSocket::abort);
        if (socket->bytesAvailable() > 0)
            ReadCode(socket);
    }
}

void ShellMessageServer::ReadCode(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxLine)
            socket->abort();
        return;
    }
    bool ok = false;
    const unsigned long code = socket->readLine(kMaxLine).trimmed().toULong(&ok);
    if (!ok) {
        socket->abort();
        return;
    }
    Deliver(code);
    socket->write("1\n");
    socket->disconnectFromServer();
}

void ShellMessageServer::SetWindow(QWidget* window)
{
    m_window = window;
    if (!m_window)
        return;
    for (const unsigned long code : m_waiting)
        PostShellMessage(m_window, code);
    m_waiting.clear();
}

void ShellMessageServer::Deliver(unsigned long code)
{
    // More than a start-up could ever gather; older codes give way.
    constexpr size_t kMaxWaiting = 64;
    // The pointer follows the "touch" setting at once, as the program's
    // window follows the skin and the language.
    if (code == ShellWParam(ShellCode::SkinChanged) || code == ShellWParam(ShellCode::LanguageChanged))
        SetCursorHidingEnabled(ShellSettings::IsTouchScreen());
    if (m_window) {
        PostShellMessage(m_window, code);
        return;
    }
    if (m_waiting.size() == kMaxWaiting)
        m_waiting.erase(m_waiting.begin());
    m_waiting.push_back(code);
}
