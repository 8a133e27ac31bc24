#include "go/window/GoApp.h"

#include "go/window/GoDlg.h"
#include "shell/OrvaCore.h"

#include <memory>

bool CGoApp::InitInstance()
{
    if (COrvaCore::IsAppRunning(kGoAppId)) {
        COrvaCore::SendAppMsg(kGoAppId, 0, ShellWParam(ShellCode::ComeToFront));
        return false;
    }
    COrvaCore::SetAppStatus(kGoAppId, 1);
    auto dialog = std::make_unique<CGoDlg>();
    dialog->DoModal();
    COrvaCore::SetAppStatus(kGoAppId, 0);
    dialog.reset();
    return false;
}
