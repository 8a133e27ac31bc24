#include "notebook/testsupport/SyncthingPair.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QRegularExpression>

namespace {

// Inside a namespace of their own these ports are free.
constexpr int kListenPorts[] = { 22101, 22102 };
constexpr int kGuiPorts[] = { 28101, 28102 };
constexpr char kFolderId[] = "orva-notes";
constexpr int kProcessWaitMs = 20000;

QString Listen(int index)
{
    return QStringLiteral("tcp://127.0.0.1:%1").arg(kListenPorts[index]);
}

QString ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Sets the text of the first element <name>...</name>; false when there is none.
bool SetElement(QString& xml, const QString& name, const QString& value)
{
    const QRegularExpression element(QStringLiteral("<%1>[^<]*</%1>").arg(name));
    const QRegularExpressionMatch match = element.match(xml);
    if (!match.hasMatch())
        return false;
    xml.replace(match.capturedStart(), match.capturedLength(), QStringLiteral("<%1>%2</%1>").arg(name, value));
    return true;
}

// The element <name id="" ...>...</name> under <defaults>, a template for a new one.
QString DefaultElement(const QString& xml, const QString& name)
{
    const qsizetype defaults = xml.indexOf(QStringLiteral("<defaults>"));
    const qsizetype start = xml.indexOf(u'<' + name + QStringLiteral(" id=\"\""), defaults);
    const QString end = QStringLiteral("</%1>").arg(name);
    const qsizetype stop = xml.indexOf(end, start);
    return defaults < 0 || start < 0 || stop < 0 ? QString() : xml.mid(start, stop + end.size() - start);
}

} // namespace

SyncthingPair::~SyncthingPair()
{
    for (Device& device : m_devices) {
        if (device.process && device.process->state() != QProcess::NotRunning) {
            device.process->terminate();
            if (!device.process->waitForFinished(5000)) {
                device.process->kill();
                device.process->waitForFinished();
            }
        }
    }
}

QString SyncthingPair::Start(const QString& workFolder, const std::array<QString, 2>& folders)
{
    for (int index = 0; index < 2; ++index) {
        m_devices[index].home = QDir(workFolder).filePath(QStringLiteral("syncthing-%1").arg(index));
        if (QString error = Generate(m_devices[index]); !error.isEmpty())
            return error;
    }
    for (int index = 0; index < 2; ++index) {
        // The folder marker tells Syncthing the folder is there on purpose.
        QDir().mkpath(folders[index] + QStringLiteral("/.stfolder"));
        if (QString error = Configure(index, folders[index]); !error.isEmpty())
            return error;
    }
    for (Device& device : m_devices) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), device.home);
        environment.insert(QStringLiteral("STNORESTART"), QStringLiteral("1"));
        environment.insert(QStringLiteral("STNOUPGRADE"), QStringLiteral("1"));
        device.process = std::make_unique<QProcess>();
        device.process->setProcessEnvironment(environment);
        device.process->setStandardOutputFile(device.home + QStringLiteral("/log.txt"));
        device.process->setProcessChannelMode(QProcess::MergedChannels);
        device.process->start(QStringLiteral("syncthing"),
            { "serve", "--home=" + device.home, "--no-browser", "--no-restart", "--no-upgrade" });
        if (!device.process->waitForStarted(kProcessWaitMs))
            return QStringLiteral("syncthing does not start: ") + device.process->errorString();
    }
    return {};
}

QString SyncthingPair::LogTails() const
{
    QString tails;
    for (const Device& device : m_devices) {
        const QStringList lines = ReadAll(device.home + QStringLiteral("/log.txt")).split(u'\n');
        tails += device.home + QStringLiteral(":\n") + lines.mid(std::max(qsizetype(0), lines.size() - 30)).join(u'\n');
    }
    return tails;
}

QString SyncthingPair::Generate(Device& device)
{
    QProcess generate;
    generate.setProcessChannelMode(QProcess::MergedChannels);
    generate.start(QStringLiteral("syncthing"),
        { "generate", "--home=" + device.home, "--no-default-folder", "--skip-port-probing" });
    if (!generate.waitForFinished(kProcessWaitMs) || generate.exitCode() != 0)
        return QStringLiteral("syncthing generate failed: ") + QString::fromLocal8Bit(generate.readAll());
    const QRegularExpression deviceId(QStringLiteral("<device id=\"([A-Z0-9-]{63})\""));
    device.id = deviceId.match(ReadAll(device.home + QStringLiteral("/config.xml"))).captured(1);
    return device.id.isEmpty() ? QStringLiteral("no device id in ") + device.home : QString();
}

QString SyncthingPair::Configure(int index, const QString& folder)
{
    const QString path = m_devices[index].home + QStringLiteral("/config.xml");
    QString xml = ReadAll(path);
    const std::pair<const char*, QString> options[] = {
        { "listenAddress", Listen(index) },
        { "globalAnnounceEnabled", QStringLiteral("false") },
        { "localAnnounceEnabled", QStringLiteral("false") },
        { "relaysEnabled", QStringLiteral("false") },
        { "natEnabled", QStringLiteral("false") },
        { "urAccepted", QStringLiteral("-1") },
        { "autoUpgradeIntervalH", QStringLiteral("0") },
        { "crashReportingEnabled", QStringLiteral("false") },
        { "startBrowser", QStringLiteral("false") },
    };
    for (const auto& [name, value] : options) {
        if (!SetElement(xml, QString::fromLatin1(name), value))
            return QStringLiteral("no <%1> in %2").arg(QString::fromLatin1(name), path);
    }
    const QRegularExpressionMatch gui
        = QRegularExpression(QStringLiteral("<gui [^>]*>\\s*<address>([^<]*)")).match(xml);
    if (!gui.hasMatch())
        return QStringLiteral("no GUI address in ") + path;
    xml.replace(gui.capturedStart(1), gui.capturedLength(1), QStringLiteral("127.0.0.1:%1").arg(kGuiPorts[index]));
    const Device& peer = m_devices[1 - index];
    QString peerDevice = DefaultElement(xml, QStringLiteral("device"));
    peerDevice.replace(QStringLiteral("id=\"\""), QStringLiteral("id=\"%1\" name=\"peer\"").arg(peer.id));
    peerDevice.replace(
        QStringLiteral("<address>dynamic</address>"), QStringLiteral("<address>%1</address>").arg(Listen(1 - index)));
    QString sharedFolder = DefaultElement(xml, QStringLiteral("folder"));
    sharedFolder.replace(QRegularExpression(QStringLiteral("id=\"\" label=\"\" path=\"[^\"]*\"")),
        QStringLiteral("id=\"%1\" label=\"Notes\" path=\"%2\"")
            .arg(QString::fromLatin1(kFolderId), folder.toHtmlEscaped()));
    sharedFolder.replace(
        QRegularExpression(QStringLiteral("rescanIntervalS=\"[0-9]+\"")), QStringLiteral("rescanIntervalS=\"10\""));
    sharedFolder.replace(
        QRegularExpression(QStringLiteral("fsWatcherDelayS=\"[0-9]+\"")), QStringLiteral("fsWatcherDelayS=\"1\""));
    sharedFolder.replace(
        QRegularExpression(QStringLiteral("fsWatcherEnabled=\"[a-z]+\"")), QStringLiteral("fsWatcherEnabled=\"true\""));
    sharedFolder.replace(QRegularExpression(QStringLiteral("(<device id=\"[^\"]+\" introducedBy=\"\">)")),
        QStringLiteral("\\1</device><device id=\"%1\" introducedBy=\"\">").arg(peer.id));
    if (peerDevice.isEmpty() || sharedFolder.isEmpty())
        return QStringLiteral("no defaults to make a device and a folder from in ") + path;
    xml.replace(QStringLiteral("<defaults>"), sharedFolder + peerDevice + QStringLiteral("<defaults>"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(xml.toUtf8()) < 0)
        return QStringLiteral("cannot write ") + path;
    return {};
}
