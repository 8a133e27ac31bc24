#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
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
