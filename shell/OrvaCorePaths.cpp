// COrvaCore: the shell's home folder, its files and its settings.
#include "shell/OrvaCore.h"

#include "platform/device/DevicePath.h"
#include "shell/ShellSettings.h"
#include "shell/WideBuffer.h"

#include <QDir>

namespace {

constexpr char16_t kHomePath[] = u"\\Orva";

} // namespace

const char16_t* COrvaCore::GetHomePath()
{
    return kHomePath;
}

void COrvaCore::GetPath(char16_t* out, const char16_t* name, int /*reserved*/)
{
    const QString fileName = FromWide(name);
    if (!IsPlainFileName(fileName)) {
        CopyToWideBuffer({}, out, MAX_PATH);
        return;
    }
    const QString home = QString::fromUtf16(kHomePath);
    const QString hostHome = HostPathFromDevicePath(home);
    if (!hostHome.isEmpty())
        QDir().mkpath(hostHome);
    CopyToWideBuffer(home + u'\\' + fileName, out, MAX_PATH);
}

int COrvaCore::GetStrParam(const char16_t* key, char16_t* out, const char16_t* defaultValue)
{
    // A configured value that does not fit the caller's buffer is not cut
    // short into a different path: the default stands in for it.
    const std::optional<QString> value = ShellSettings::Value(FromWide(key));
    if (value && CopyToWideBuffer(*value, out, MAX_PATH))
        return 1;
    CopyToWideBuffer(FromWide(defaultValue), out, MAX_PATH);
    return 0;
}
