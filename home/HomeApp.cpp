#include "home/HomeApp.h"

#include "shell/OrvaCore.h"
#include "shell/ProgramSkeleton.h"

#include <memory>

CHomeApp::CHomeApp(HomeMode mode)
    : m_mode(mode)
{
}

bool CHomeApp::InitInstance()
{
    RunProgramOnce(kHomeAppId, [this] { return std::make_unique<CHomeDlg>(m_mode); });
    return false;
}
