#pragma once

#include <QString>

// The folders of the shell's home that come with the program ("\Orva\Skins",
// "\Orva\Poem", "\Orva\Resources") are drawn at build time. They are found in
// $ORVA_ASSETS_DIR when set, else in share/orva beside the installed program's
// bin/ folder, else in the build tree, else under the install prefix.
QString BuiltinAssetsFolder();

// The built-in file or folder that a device path under one of those folders
// names, whether or not it exists; empty for any other device path.
QString BuiltinHostPath(const QString& devicePath);
