#include "notebook/window/NoteBookApp.h"

#include "notebook/window/NoteBookDlg.h"
#include "notebook/window/NoteBookResource.h"
#include "notebook/window/TerminationSignals.h"
#include "shell/OrvaCore.h"
#include "shell/ProgramSkeleton.h"

#include <QGuiApplication>

bool CNoteBookApp::InitInstance()
{
    // A termination signal closes the notebook as its Close button does; one
    // that comes during start-up is kept until the dialog can close.
    CTerminationSignals termination;
    RunProgramOnce(kNoteBookAppId, [&termination] {
        auto dlg = std::make_unique<CNoteBookDlg>();
        CNoteBookDlg* dialog = dlg.get();
        QObject::connect(&termination, &CTerminationSignals::Received, dialog, [dialog] { dialog->EndDialog(IDOK); });
        // The desktop's logout saves the note before it ends the program.
        QObject::connect(qApp, &QGuiApplication::commitDataRequest, dialog, [dialog] { dialog->LeaveCurrentNote(); });
        return dlg;
    });
    return false;
}
