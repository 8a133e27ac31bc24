#pragma once

#include <QString>
#include <functional>
#include <optional>

// The shell's settings, their defaults and what values they take: the one
// set of rules for orva-shell and the home screen.
struct SettingRule {
    QString key;
    QString defaultValue;
    // Empty when value is acceptable, else what is wrong with it.
    std::function<QString(const QString& value)> check;
};

enum class SettingChangeResult {
    Done,
    UnknownKey,
    // The value breaks the setting's rule; the change's problem says how.
    Refused,
    NotWritten,
};

struct SettingChange {
    SettingChangeResult result = SettingChangeResult::Done;
    QString problem;
};

class SettingRules {
public:
    static std::optional<SettingRule> Find(const QString& key);
    // The setting's stored value, or its default.
    static QString Value(const SettingRule& rule);
    // Checks value, stores it, and has the running programs show a new
    // language, skin or touch setting at once.
    static SettingChange Change(const QString& key, const QString& value);
};
