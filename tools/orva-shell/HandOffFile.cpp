#include "HandOffFile.h"

#include "platform/device/DevicePath.h"
#include "shell/OrvaCore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

void AppendLittleEndian16(QByteArray& bytes, quint16 value)
{
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>(value >> 8));
}

} // namespace

QByteArray HandOffFile::ArchivedString(const QString& text)
{
    // The wide-string mark, then the length in the shortest form that holds it.
    QByteArray bytes("\xFF\xFE\xFF", 3);
    const auto length = static_cast<quint32>(text.size());
    if (length < 0xFF) {
        bytes.append(static_cast<char>(length));
    } else if (length < 0xFFFE) {
        bytes.append('\xFF');
        AppendLittleEndian16(bytes, static_cast<quint16>(length));
    } else {
        bytes.append('\xFF');
        AppendLittleEndian16(bytes, 0xFFFF);
        AppendLittleEndian16(bytes, static_cast<quint16>(length & 0xFFFF));
        AppendLittleEndian16(bytes, static_cast<quint16>(length >> 16));
    }
    for (const QChar unit : text)
        AppendLittleEndian16(bytes, unit.unicode());
    return bytes;
}

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
    file.write(ArchivedString(devicePathToOpen));
    return file.commit();
}
