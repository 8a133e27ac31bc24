#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// Files named by device paths. Under the shell's built-in folders
// ("\Orva\Skins", "\Orva\Poem", "\Orva\Resources") the user's own files under
// the device root come first and the built-in ones fill in behind them.
// Reading and searching find names under the device root whatever their case,
// as the device's file system does; a name that exists as written wins.

// The names of the entries (files and folders) of a folder that match a
// wildcard pattern ("\Orva\Poem\*.bmp"; '*' and '?', case-insensitive), sorted
// by name, each once (a built-in name that the user's folder holds in any case
// is the user's). Empty when the folder does not exist or nothing matches.
QStringList FindDeviceFiles(const QString& devicePattern);

// The host file to read for a device path: the user's file when it exists in
// any case, else the built-in one, else the user's (missing) path. Empty for a path
// that maps to nothing.
QString HostPathForReading(const QString& devicePath);

// Creates the folder's last level (its parent must exist); false when it
// could not be made or already exists.
bool CreateDeviceDirectory(const QString& devicePath);
// Creates the folder with every missing parent; true when it exists afterwards.
bool CreateDeviceDirectories(const QString& devicePath);

// Deletes a file of the user's; built-in files are never deleted.
bool DeleteDeviceFile(const QString& devicePath);

// The bitmap (BMP, PNG) a device path names; a null image when it cannot be
// read.
QImage LoadDeviceBitmap(const QString& devicePath);
