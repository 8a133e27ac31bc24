#include "notebook/storage/HandOff.h"

#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/AtomicFile.h"
#include "notebook/storage/FileStamp.h"
#include "notebook/storage/NoteLog.h"
#include "platform/device/DevicePath.h"
#include "shell/OrvaCore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <cerrno>

#include <unistd.h>

namespace {

// The hand-off's archived string at its longest: the longest length prefix
// and a path of MAX_PATH - 1 UTF-16 code units.
constexpr qint64 kLargestHandOff = 10 + 2 * (MAX_PATH - 1);
constexpr QLatin1StringView kEntrySuffix(".path");
constexpr QLatin1StringView kRefusedSuffix(".refused");

QString ShellFileHostPath(const char16_t* name)
{
    char16_t path[MAX_PATH] = {};
    COrvaCore::GetPath(path, name, 0);
    return HostPathFromDevicePath(QString::fromUtf16(path));
}

QString SpoolFolder()
{
    return ShellFileHostPath(u"Note.spool");
}

// The path an entry names; nothing for a damaged entry or one that cannot
// be one (not a regular file, too large).
std::optional<QString> ReadEntry(const QString& hostPath)
{
    QFile file;
    const std::optional<FileStamp> stamp = OpenRegularFile(file, hostPath);
    if (!stamp || stamp->size > kLargestHandOff)
        return std::nullopt;
    QString notePath;
    if (!ReadArchivedString(file, notePath))
        return std::nullopt;
    return notePath;
}

} // namespace

namespace HandOff {

std::vector<Request> TakePending()
{
    std::vector<Request> pending;
    const QString shellFile = ShellFileHostPath(u"Note.path");
    if (const std::optional<QString> notePath = ReadEntry(shellFile)) {
        QFile::remove(shellFile);
        pending.push_back({ *notePath, QString() });
    }
    const QString folder = SpoolFolder();
    if (folder.isEmpty())
        return pending;
    // Entry names begin with the time they were posted, zero-padded.
    const QStringList entries = QDir(folder).entryList({ QStringLiteral("*") + kEntrySuffix }, QDir::Files, QDir::Name);
    for (const QString& name : entries) {
        const QString entry = folder + u'/' + name;
        if (const std::optional<QString> notePath = ReadEntry(entry))
            pending.push_back({ *notePath, entry });
        else
            Answer({ QString(), entry }, false);
    }
    return pending;
}

void Answer(const Request& request, bool taken)
{
    if (!taken)
        qCWarning(lcNotes, "the handed-over file %s cannot be read", qUtf8Printable(request.notePath));
    if (request.entryPath.isEmpty())
        return;
    if (taken)
        QFile::remove(request.entryPath);
    else
        QFile::rename(request.entryPath, request.entryPath + kRefusedSuffix);
}

QString Post(const QString& notePath)
{
    const QString folder = SpoolFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    QByteArray bytes;
    AppendArchivedString(bytes, notePath);
    const QString stem = folder + u'/'
        + QStringLiteral("%1-%2").arg(QDateTime::currentMSecsSinceEpoch(), 15, 10, QChar(u'0')).arg(::getpid());
    for (int counter = 1;; ++counter) {
        const QString entry = stem + u'-' + QString::number(counter) + kEntrySuffix;
        if (WriteFileAtomically(entry, bytes, std::nullopt, 0600))
            return entry;
        if (errno != ESTALE)
            return {};
    }
}

State StateOf(const QString& entryPath)
{
    if (QFile::exists(entryPath))
        return State::Waiting;
    return QFile::remove(entryPath + kRefusedSuffix) ? State::Refused : State::Taken;
}

bool Withdraw(const QString& entryPath)
{
    return QFile::remove(entryPath);
}

} // namespace HandOff
