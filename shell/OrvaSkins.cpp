#include "shell/OrvaSkins.h"

#include "shell/ShellSettings.h"

ORVA_LANG COrvaSkins::GetLanguage()
{
    return static_cast<ORVA_LANG>(ShellSettings::IntValue(QStringLiteral("language"), ORVA_LANG_ENGLISH));
}
