#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

// A test's own settings, device root and registry folder, never the user's.
class ShellEnvironment : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces shell.ini with these lines.
    void WriteSettings(const QByteArray& contents);

    QTemporaryDir m_dir;
    QString m_root;
};

// Keeps the event loop turning (so that this process's own message server
// answers) until done() holds; false after a generous time-out.
bool WaitUntil(const std::function<bool()>& done);
