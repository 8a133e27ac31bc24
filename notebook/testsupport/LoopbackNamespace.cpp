#include "notebook/testsupport/LoopbackNamespace.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <unistd.h>

namespace {

constexpr char kInsideVariable[] = "ORVA_LOOPBACK_NAMESPACE";

// unshare -n --fork --pid --kill-child: a new network namespace, with a
// process namespace whose first process is ours, so that the kernel ends
// everything left inside when it ends. Without root, a user namespace maps
// us to root inside, which may bring lo up.
QStringList UnshareArguments()
{
    QStringList arguments { QStringLiteral("-n"), QStringLiteral("--fork"), QStringLiteral("--pid"),
        QStringLiteral("--kill-child") };
    if (geteuid() != 0)
        arguments << QStringLiteral("--map-root-user");
    return arguments;
}

// The interfaces of our network namespace, from /proc/net/dev.
QStringList Interfaces()
{
    QFile devices(QStringLiteral("/proc/net/dev"));
    QStringList names;
    if (!devices.open(QIODevice::ReadOnly))
        return names;
    const QList<QByteArray> lines = devices.readAll().split('\n');
    for (const QByteArray& line : lines.mid(2)) {
        if (line.contains(':'))
            names << QString::fromLatin1(line.left(line.indexOf(':')).trimmed());
    }
    return names;
}

} // namespace

bool IsInLoopbackNamespace()
{
    return qEnvironmentVariable(kInsideVariable) == QStringLiteral("1");
}

QString BringUpLoopback()
{
    if (Interfaces() != QStringList { QStringLiteral("lo") })
        return QStringLiteral("not alone on the loopback: ") + Interfaces().join(u' ');
    if (QProcess::execute(QStringLiteral("ip"), { "link", "set", "lo", "up" }) != 0)
        return QStringLiteral("ip link set lo up failed");
    return {};
}

QString WhyNoLoopbackNamespace()
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(QStringLiteral("unshare"),
        UnshareArguments() << QStringLiteral("ip") << "link"
                           << "set"
                           << "lo"
                           << "up");
    if (!probe.waitForFinished(10000)) {
        probe.kill();
        probe.waitForFinished();
        return QStringLiteral("unshare or ip is missing or hangs: ") + probe.errorString();
    }
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return QStringLiteral("unshare -n is not permitted here: ") + QString::fromLocal8Bit(probe.readAll()).trimmed();
    return {};
}

int RunInLoopbackNamespace(const QStringList& arguments, int timeoutMs)
{
    QProcess inside;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kInsideVariable), QStringLiteral("1"));
    inside.setProcessEnvironment(environment);
    inside.setProcessChannelMode(QProcess::ForwardedChannels);
    inside.start(QStringLiteral("unshare"),
        UnshareArguments() << QStringLiteral("--") << QCoreApplication::applicationFilePath() << arguments);
    if (!inside.waitForFinished(timeoutMs)) {
        // unshare's child, the first process of the namespace, dies with it,
        // and every process inside with that one.
        inside.kill();
        inside.waitForFinished();
        return -1;
    }
    return inside.exitStatus() == QProcess::NormalExit ? inside.exitCode() : -1;
}
