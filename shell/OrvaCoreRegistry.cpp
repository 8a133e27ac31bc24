// COrvaCore: the registry of running programs.
#include "shell/OrvaCore.h"

#include "platform/Cursor.h"
#include "shell/AppRegistry.h"
#include "shell/ShellSettings.h"

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
    // Only on a touch screen may a program hide the pointer; on a desktop
    // ("touch" 0, the default) the mouse pointer stays visible.
    SetCursorHidingEnabled(ShellSettings::IsTouchScreen());
}
