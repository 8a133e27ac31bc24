#pragma once

#include <QObject>

#include <csignal>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a signal on the user-interface thread,
// so that the program can close the way its Close button does instead of
// dying with unsaved text. The handler only writes one byte to a pipe; the
// event loop reads it. One instance at a time; the previous handlers are put
// back when it is destroyed.
class CTerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit CTerminationSignals(QObject* parent = nullptr);
    ~CTerminationSignals() override;

    CTerminationSignals(const CTerminationSignals&) = delete;
    CTerminationSignals& operator=(const CTerminationSignals&) = delete;

signals:
    void Received(int signalNumber);

private:
    static void Handler(int signalNumber);
    void ReadPending();

    static constexpr int kSignals[] = { SIGTERM, SIGINT, SIGHUP };
    static inline int s_writeEnd = -1;

    int m_pipe[2] = { -1, -1 };
    QSocketNotifier* m_notifier = nullptr;
    struct sigaction m_previous[std::size(kSignals)] = {};
};
