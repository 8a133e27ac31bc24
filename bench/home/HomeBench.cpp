// How fast the home screen hands over, on a private X server without a
// window manager (Xvfb), with the real programs: the median time from a tap
// on the Go tile to the game's first painted window, and from the game's
// minimise button to the home screen painted again; then the home screen's
// resident memory at rest. A tap goes through xdotool, whose own start-up is
// printed too: it is part of each figure.
//
// The program runs twice: first it starts the X server, then itself on it.
#include "platform/testsupport/XvfbDisplay.h"
#include "shell/AppRegistry.h"
#include "shell/OrvaCore.h"
#include "shell/ShellPrograms.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr int kRestMs = 2000;
constexpr int kGiveUpMs = 10000;
constexpr QPoint kGoTile(140, 315);
constexpr QPoint kGoMinimise(670, 25);
// A strip above the home screen's clock: the home screen's plain background,
// the game's top bar.
constexpr QRect kProbe(0, 0, 500, 20);
const char* const kOnDisplay = "--on-display";

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

QImage Probe()
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, kProbe.x(), kProbe.y(), kProbe.width(), kProbe.height())
        .toImage();
}

// Milliseconds until done() holds, polling the screen; -1 on giving up.
double WaitMs(const QElapsedTimer& since, const std::function<bool()>& done)
{
    while (since.elapsed() < kGiveUpMs) {
        if (done())
            return double(since.nsecsElapsed()) / 1e6;
        QThread::usleep(500);
    }
    return -1;
}

bool WaitFor(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    return WaitMs(timer, done) >= 0;
}

void Tap(QPoint point)
{
    QProcess::execute(QStringLiteral("xdotool"),
        { QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()), QStringLiteral("click"),
            QStringLiteral("1") });
}

long RssKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

int Measure()
{
    QProcess home;
    home.start(ShellPrograms::ExecutableOf(ShellPrograms::Home()), {});
    if (!home.waitForStarted() || !WaitFor([] { return AppRegistry::IsRunningAnywhere(kHomeAppId); }))
        return std::fprintf(stderr, "bench-home: the home screen did not start\n"), 1;
    QThread::msleep(kRestMs);
    const QImage homeLook = Probe();
    std::printf("home screen at rest: %ld KiB resident\n", RssKiB(home.processId()));

    std::vector<double> tapTool, toGame, toHome;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        QProcess::execute(
            QStringLiteral("xdotool"), { QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0") });
        tapTool.push_back(double(timer.nsecsElapsed()) / 1e6);

        timer.start();
        Tap(kGoTile);
        toGame.push_back(WaitMs(timer, [&] { return Probe() != homeLook; }));
        QThread::msleep(kRestMs);
        timer.start();
        Tap(kGoMinimise);
        toHome.push_back(WaitMs(timer, [&] { return Probe() == homeLook; }));

        COrvaCore::SendAppMsg(kGoAppId, 0, ShellWParam(ShellCode::Quit));
        WaitFor([] { return !AppRegistry::IsRunningAnywhere(kGoAppId); });
        QThread::msleep(kRestMs / 4);
    }
    std::printf("tap on the Go tile to the game painted: median %.1f ms of %d runs\n", Median(toGame), kRuns);
    std::printf("minimise to the home screen painted:    median %.1f ms of %d runs\n", Median(toHome), kRuns);
    std::printf("(each includes one xdotool run: median %.1f ms)\n", Median(tapTool));
    COrvaCore::SendAppMsg(kHomeAppId, 0, ShellWParam(ShellCode::Quit));
    home.waitForFinished();
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], kOnDisplay) == 0) {
        QGuiApplication application(argc, argv);
        return Measure();
    }
    QCoreApplication application(argc, argv);
    // The programs' settings, notes and registry are the bench's own.
    QTemporaryDir folder;
    XvfbDisplay display;
    if (!display.IsRunning())
        return std::fprintf(stderr, "bench-home: %s\n", qPrintable(display.Error())), 1;
    QProcessEnvironment environment = display.Environment();
    for (const char* name : { "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "ORVA_ROOT" }) {
        const QString path = folder.path() + u'/' + QString::fromLatin1(name);
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert(QString::fromLatin1(name), path);
    }
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    QProcess measure;
    measure.setProcessEnvironment(environment);
    measure.setProcessChannelMode(QProcess::ForwardedChannels);
    measure.start(QCoreApplication::applicationFilePath(), { QString::fromLatin1(kOnDisplay) });
    measure.waitForFinished(-1);
    return measure.exitCode();
}
