#include "shell/ShellMessageClient.h"

#include <QByteArray>
#include <QLocalSocket>

int SendShellCode(const QString& socketPath, unsigned long code, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return -1;
    socket.write(QByteArray::number(static_cast<qulonglong>(code)) + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return 0;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return 0;
    }
    return socket.readLine().trimmed() == "1" ? 1 : 0;
}
