#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces the host file at path by bytes, all or nothing: the bytes go to a
// hidden temporary file in the same folder, reach the disk, and take the
// file's place in one rename, after which the folder itself is flushed.
// Whatever fails (a full disk, a read-only folder, a crash), the file is
// afterwards either its old self or the new bytes, and a failure leaves no
// temporary file behind. A symbolic link is kept: its target is replaced.
// Returns true when the file holds the bytes.
bool WriteFileAtomically(const QString& path, QByteArrayView bytes);
