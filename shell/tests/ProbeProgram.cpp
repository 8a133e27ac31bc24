// A small shell program for the registry's and orva-shell's tests. It starts
// as the programs do (one instance per id), prints "running" or
// "forwarded", then logs every shell message it receives, one code a line,
// on its standard output and in $ORVA_PROBE_LOG. Code 2 ends it; with code 28
// it logs each waiting hand-off (notebook/storage/HandOff.h) as the archived
// string of its path in hex and takes it in, as the notebook does. It takes
// its id from its first argument (default 16).
#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/HandOff.h"
#include "platform/ShellMessage.h"
#include "shell/OrvaCore.h"

#include <QApplication>
#include <QFile>
#include <QWidget>
#include <cstdio>

namespace {

void Log(const QByteArray& line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
    QFile log(qEnvironmentVariable("ORVA_PROBE_LOG"));
    if (!log.fileName().isEmpty() && log.open(QIODevice::Append))
        log.write(line + '\n');
}

void LogHandOffFile()
{
    const std::vector<HandOff::Request> pending = HandOff::TakePending();
    if (pending.empty())
        Log("nothing handed over");
    for (const HandOff::Request& request : pending) {
        QByteArray bytes;
        AppendArchivedString(bytes, request.notePath);
        Log("hand-off " + bytes.toHex());
        HandOff::Answer(request, true);
    }
}

class ProbeWindow : public QWidget {
protected:
    bool event(QEvent* event) override
    {
        if (event->type() != ShellMessageEvent::EventType())
            return QWidget::event(event);
        const unsigned long code = static_cast<ShellMessageEvent*>(event)->WParam();
        Log(QByteArray::number(static_cast<qulonglong>(code)));
        if (code == 28)
            LogHandOffFile();
        if (code == 2)
            QApplication::quit();
        return true;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int appId = argc > 1 ? QByteArray(argv[1]).toInt() : 16;
    if (COrvaCore::IsAppRunning(appId)) {
        Log("forwarded " + QByteArray::number(COrvaCore::SendAppMsg(appId, 0, 1)));
        return 3;
    }
    COrvaCore::SetAppStatus(appId, 1);
    ProbeWindow window;
    COrvaCore::SetAppMainWnd(appId, &window);
    Log("running");
    if (appId == 16)
        LogHandOffFile();
    const int result = app.exec();
    COrvaCore::SetAppStatus(appId, 0);
    return result;
}
