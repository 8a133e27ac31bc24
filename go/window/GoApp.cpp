#include "go/window/GoApp.h"

#include "go/window/GoDlg.h"
#include "shell/OrvaCore.h"

#include <memory>

namespace {

constexpr unsigned long kShellCodeToFront = 1;

} // namespace

bool CGoApp::InitInstance()
{
    if (COrvaCore::IsAppRunning(CGoDlg::kAppId)) {
        COrvaCore::SendAppMsg(CGoDlg::kAppId, 0, kShellCodeToFront);
        return false;
    }
    COrvaCore::SetAppStatus(CGoDlg::kAppId, 1);
    auto dialog = std::make_unique<CGoDlg>();
    dialog->DoModal();
    COrvaCore::SetAppStatus(CGoDlg::kAppId, 0);
    dialog.reset();
    return false;
}
