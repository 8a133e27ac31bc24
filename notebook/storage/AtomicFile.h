#pragma once

#include "notebook/storage/FileStamp.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

#include <sys/types.h>

// Writes bytes to the host file at path, but only while the file there is
// still the version expected (nothing expected: only while there is no file),
// and never a file this process may not write. A new file gets newFileMode,
// or without one NewFileMode().
// Returns the stamp of the file written, or nothing when nothing changed on
// disk; errno then tells why (ESTALE: the file is not the version expected).
//
// Whatever fails (a full disk, a read-only folder, a crash), the file is
// afterwards either its old self or the new bytes. The bytes go to a hidden
// temporary file in the same folder, reach the disk, and take the file's
// place in one rename; the replacement keeps the file's mode, owner and
// group. Where it could not keep them, or where the file has other names
// (hard links), the file is rewritten in place instead, while a hidden copy
// of its old bytes, safe on disk, stands in for it. A symbolic link is kept:
// its target is written.
std::optional<FileStamp> WriteFileAtomically(const QString& path, QByteArrayView bytes,
    const std::optional<FileStamp>& expected, std::optional<mode_t> newFileMode = std::nullopt);

// Removes the host file at path while it is still the version expected and
// this process may write it; true when it is gone, else errno tells why.
bool RemoveFileIfUnchanged(const QString& path, const FileStamp& expected);

// The mode a program gives a new file: 0666 less the process's umask.
mode_t NewFileMode();
