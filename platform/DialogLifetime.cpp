// The life of a CDialog's window: creation, the modal run, its end by
// EndDialog or the quit message, and destruction.
#include "platform/Dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace {

constexpr int kExposeWaitMs = 2000;

std::vector<CDialog*>& ModalRuns()
{
    static std::vector<CDialog*> runs;
    return runs;
}

struct QuitState {
    bool pending = false;
    int exitCode = 0;
};

QuitState& Quit()
{
    static QuitState state;
    return state;
}

// Windows with a loop of their own (the help window, a message box) would keep
// a dialog's run from returning until a person closed them.
void CloseModalWindows()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(window);
        if (dialog && !qobject_cast<CDialog*>(dialog) && dialog->isVisible() && dialog->isModal())
            dialog->reject();
    }
}

void ForgetModalRun(CDialog* dialog)
{
    ModalRuns().erase(std::remove(ModalRuns().begin(), ModalRuns().end(), dialog), ModalRuns().end());
}

} // namespace

CDialog::~CDialog()
{
    if (qApp)
        qApp->removeEventFilter(this);
    ForgetModalRun(this);
}

int CDialog::DoModal()
{
    m_modal = true;
    Create();
    ModalRuns().push_back(this);
    if (Quit().pending) {
        Quit().pending = false;
        EndDialog(-1);
    }
    if (!m_ended) {
        QEventLoop loop;
        m_modalLoop = &loop;
        loop.exec(QEventLoop::DialogExec);
        m_modalLoop = nullptr;
    }
    ForgetModalRun(this);
    DestroyWindow();
    return m_result;
}

void CDialog::Create()
{
    if (m_state != State::Constructed)
        return;
    m_state = State::Created;
    qApp->installEventFilter(this);
    OnInitDialog();
    if (!m_ended) {
        show();
        WaitUntilExposed();
    }
}

void CDialog::WaitUntilExposed()
{
    // Showing is synchronous for the programs, as on the device: the window is
    // on screen when Create returns. No timer or input is handled meanwhile.
    QWindow* window = windowHandle();
    QElapsedTimer waited;
    waited.start();
    while (window && !window->isExposed() && waited.elapsed() < kExposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::X11ExcludeTimers, 10);
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    CloseModalWindows();
    if (m_modalLoop)
        m_modalLoop->exit(result);
    else if (!m_modal)
        DestroyWindow();
}

void CDialog::DestroyWindow()
{
    if (m_state != State::Created)
        return;
    OnDestroy();
    m_timers.KillAll();
    if (qApp)
        qApp->removeEventFilter(this);
    hide();
    m_state = State::Destroyed;
}

void CDialog::EndModalRunsForQuit()
{
    if (ModalRuns().empty()) {
        Quit().pending = true;
        return;
    }
    for (CDialog* dialog : std::vector<CDialog*>(ModalRuns()))
        dialog->EndDialog(-1);
}

void PostQuitMessage(int exitCode)
{
    Quit().exitCode = exitCode;
    QMetaObject::invokeMethod(
        qApp, [] { CDialog::EndModalRunsForQuit(); }, Qt::QueuedConnection);
}

int QuitExitCode()
{
    return Quit().exitCode;
}
