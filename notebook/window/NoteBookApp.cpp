#include "notebook/window/NoteBookApp.h"

#include "notebook/window/NoteBookDlg.h"
#include "notebook/window/NoteBookResource.h"
#include "notebook/window/TerminationSignals.h"
#include "shell/OrvaCore.h"

#include <QGuiApplication>

bool CNoteBookApp::InitInstance()
{
    // A termination signal closes the notebook as its Close button does; one
    // that comes during start-up is kept until the dialog can close.
    CTerminationSignals termination;
    if (COrvaCore::IsAppRunning(kNoteBookAppId)) {
        COrvaCore::SendAppMsg(kNoteBookAppId, 0, ShellWParam(ShellCode::ComeToFront));
        return false;
    }
    COrvaCore::SetAppStatus(kNoteBookAppId, 1);
    {
        CNoteBookDlg dlg;
        QObject::connect(&termination, &CTerminationSignals::Received, &dlg,
                         [&dlg] { dlg.EndDialog(IDOK); });
        // The desktop's logout saves the note before it ends the program.
        QObject::connect(qApp, &QGuiApplication::commitDataRequest, &dlg,
                         [&dlg] { dlg.LeaveCurrentNote(); });
        dlg.DoModal();
        COrvaCore::SetAppStatus(kNoteBookAppId, 0);
    }
    return false;
}
