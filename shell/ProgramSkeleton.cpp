#include "shell/ProgramSkeleton.h"

#include "platform/Dialog.h"
#include "shell/OrvaCore.h"

#include <QEvent>

namespace {

// Without a window manager nobody gives a new window the keyboard: the
// program takes it itself once its window shows.
class FrontOnFirstShow : public QObject {
public:
    explicit FrontOnFirstShow(CDialog& window)
        : QObject(&window)
        , m_window(window)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Show) {
            m_window.removeEventFilter(this);
            ComeToFront(m_window);
            deleteLater();
        }
        return false;
    }

private:
    CDialog& m_window;
};

} // namespace

void RunProgramOnce(int appId, const std::function<std::unique_ptr<CDialog>()>& makeDialog)
{
    if (COrvaCore::IsAppRunning(appId)) {
        COrvaCore::SendAppMsg(appId, 0, ShellWParam(ShellCode::ComeToFront));
        return;
    }
    COrvaCore::SetAppStatus(appId, 1);
    std::unique_ptr<CDialog> dialog = makeDialog();
    new FrontOnFirstShow(*dialog);
    dialog->DoModal();
    COrvaCore::SetAppStatus(appId, 0);
}

void ComeToFront(CDialog& window)
{
    window.show();
    window.BringWindowToTop();
    window.SetForegroundWindow();
}

LRESULT HandleShellMessage(CDialog& window, WPARAM code, const ShellCommandHandlers& handlers)
{
    switch (ShellCode(code)) {
    case ShellCode::ComeToFront: ComeToFront(window); break;
    case ShellCode::Quit: handlers.quit(); break;
    case ShellCode::SkinChanged:
    case ShellCode::LanguageChanged: handlers.appearanceChanged(); break;
    case ShellCode::OpenNote:
        if (handlers.openNote) {
            handlers.openNote();
            ComeToFront(window);
        }
        break;
    }
    return 0;
}
