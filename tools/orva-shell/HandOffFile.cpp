#include "HandOffFile.h"

#include "notebook/storage/ArchivedString.h"
#include "platform/device/DevicePath.h"
#include "shell/OrvaCore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

bool HandOffFile::Write(const QString& devicePathToOpen)
{
    char16_t path[MAX_PATH];
    COrvaCore::GetPath(path, u"Note.path", 0);
    const QString hostPath = HostPathFromDevicePath(QString::fromUtf16(path));
    if (hostPath.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(hostPath).absolutePath());
    QSaveFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes;
    AppendArchivedString(bytes, devicePathToOpen);
    file.write(bytes);
    return file.commit();
}
