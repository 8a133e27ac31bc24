// COrvaCore: the registry of running programs.
#include "shell/OrvaCore.h"

#include "shell/AppRegistry.h"

int COrvaCore::IsAppRunning(int appId)
{
    return AppRegistry::Instance().IsRunningElsewhere(appId) ? 1 : 0;
}

int COrvaCore::SendAppMsg(int appId, int /*reserved*/, unsigned long code)
{
    return AppRegistry::Instance().Send(appId, code);
}

void COrvaCore::SetAppStatus(int appId, unsigned long status)
{
    AppRegistry::Instance().SetRunning(appId, status != 0);
}

void COrvaCore::SetAppMainWnd(int appId, QWidget* window)
{
    AppRegistry::Instance().SetWindow(appId, window);
}
