#include "go/window/GoApp.h"

#include "go/window/GoDlg.h"
#include "shell/OrvaCore.h"
#include "shell/ProgramSkeleton.h"

#include <memory>

bool CGoApp::InitInstance()
{
    RunProgramOnce(kGoAppId, [] { return std::make_unique<CGoDlg>(); });
    return false;
}
