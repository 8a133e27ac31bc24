#pragma once

#include <QString>

// Device paths ("\NAND Flash\Note", "Z:\home\a.txt") and the host's paths.
// "\A\B" lies under the device root ($ORVA_ROOT, else $XDG_DATA_HOME/orva);
// "Z:\a\b" is the host file /a/b. A device path that would leave its root
// through "..", or that has MAX_PATH (260) characters or more, maps to an
// empty string.
QString HostPathFromDevicePath(const QString& devicePath);
// The device path of a host path: under the device root it becomes "\A\B",
// elsewhere "Z:\a\b". Empty when the result would be 260 characters or longer.
QString DevicePathFromHostPath(const QString& hostPath);
// True when name can stand as one file or folder name in a device path: not
// empty, not "." or "..", and without separators, a drive colon, wildcards
// or U+0000.
bool IsPlainFileName(const QString& name);
// The device root as a host folder, created when first needed.
QString DeviceRoot();
