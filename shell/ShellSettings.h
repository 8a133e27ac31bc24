#pragma once

#include <QString>
#include <optional>

// The shell's settings, one "key=value" per line in
// $XDG_CONFIG_HOME/orva/shell.ini (by default ~/.config/orva/shell.ini).
// Every call reads the file anew, so a change shows at the next call. Values
// are taken as they stand: "\NAND Flash\Note" needs no escaping.
class ShellSettings {
public:
    static QString FilePath();
    // The value of key (case-insensitive), or nothing when it is absent.
    static std::optional<QString> Value(const QString& key);
    // The decimal value of key, or defaultValue when absent or not a number.
    static int IntValue(const QString& key, int defaultValue);
    // The "touch" setting: 1 on a touch screen, where the programs may hide
    // the pointer; 0, the default, on a desktop.
    static bool IsTouchScreen();
    // Sets key to value, keeping every other line; the file is replaced
    // atomically. False when it could not be written.
    static bool SetValue(const QString& key, const QString& value);
};
