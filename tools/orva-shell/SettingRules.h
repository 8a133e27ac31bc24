#pragma once

#include <QString>
#include <functional>
#include <optional>

// The settings orva-shell reads and writes, their defaults and what values
// they take.
struct SettingRule {
    QString key;
    QString defaultValue;
    // Empty when value is acceptable, else what is wrong with it.
    std::function<QString(const QString& value)> check;
};

class SettingRules {
public:
    static std::optional<SettingRule> Find(const QString& key);
};
