#pragma once

#include <QFile>
#include <QString>

#include <optional>

struct stat;

// One version of one file as the file system tells it: which file it is
// (device and inode), its size, modification and status-change times and its
// mode. A write, a rename over it or a replacement by another program gives
// another stamp: a copy that keeps size and modification time (cp -p,
// touch -r) still changes the status-change time, which no program can set.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint32 mode = 0;

    bool IsSameFile(const FileStamp& other) const { return device == other.device && inode == other.inode; }
    // Whether this is the version other stamps, under another name: a rename
    // changes the status-change time alone.
    bool IsRenamedFrom(const FileStamp& other) const
    {
        return IsSameFile(other) && size == other.size && modifiedNs == other.modifiedNs && mode == other.mode;
    }
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp StampOfStatus(const struct stat& status);

// The stamp of whatever the host path names now, links followed; nothing
// when there is nothing there.
std::optional<FileStamp> StampOfFile(const QString& hostPath);

// Opens the regular file at hostPath for reading and returns the stamp of
// what was opened. Nothing, and file stays closed, for anything else: a
// pipe or a device is never opened in a way that could block.
std::optional<FileStamp> OpenRegularFile(QFile& file, const QString& hostPath);

// Reads up to maxBytes from the start of the regular file at hostPath into
// bytes, and returns the stamp of what was read; nothing for anything else,
// as OpenRegularFile. One read: what start-up needs of a small file.
std::optional<FileStamp> ReadRegularFileHead(const QString& hostPath, qint64 maxBytes, QByteArray& bytes);
