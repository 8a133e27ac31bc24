#pragma once

#include <QString>

// The per-user folder of the program registry: $XDG_RUNTIME_DIR/orva, else
// /tmp/orva-<uid>. It is created with mode 0700; an existing one is used only
// when it is a real folder owned by this user, and its mode is then set to
// 0700. Empty when no such folder can be had.
QString RegistryFolder();

// The files of one program in that folder.
QString RegistryLockPath(const QString& folder, int appId);
QString RegistrySocketPath(const QString& folder, int appId);
