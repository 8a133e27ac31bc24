#pragma once

#include "shell/ShellSettings.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Test messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A test's own settings, data folder, device root and registry folder, never
// the user's.
class ShellEnvironment : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Replaces shell.ini with these lines.
    void WriteSettings(const QByteArray& contents) { WriteHostFile(ShellSettings::FilePath(), contents); }
    static void SetShellSetting(const QString& key, const QString& value)
    {
        ASSERT_TRUE(ShellSettings::SetValue(key, value));
    }

    // Writes bytes to a file by its host path, making its folders, over any there.
    static void WriteHostFile(const QString& hostPath, const QByteArray& bytes);
    // The file's bytes; none when it cannot be read.
    static QByteArray ReadHostFile(const QString& hostPath)
    {
        QFile file(hostPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The host path of a device path "\A\B" under the test's device root.
    QString HostPath(QString devicePath) const { return m_root + devicePath.replace(u'\\', u'/'); }
    void WriteDeviceFile(const QString& devicePath, const QByteArray& bytes) const
    {
        WriteHostFile(HostPath(devicePath), bytes);
    }
    QByteArray ReadDeviceFile(const QString& devicePath) const { return ReadHostFile(HostPath(devicePath)); }
    // A file of size zero bytes, without writing them.
    void WriteSparseDeviceFile(const QString& devicePath, qint64 size) const
    {
        QFile file(HostPath(devicePath));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
    }
    void LinkDeviceFile(const QString& target, const QString& link) const
    {
        ASSERT_TRUE(QFile::link(HostPath(target), HostPath(link)));
    }
    bool DeviceFileExists(const QString& devicePath) const { return QFileInfo::exists(HostPath(devicePath)); }

    // Delivers what is queued for the windows: shell messages, repaints.
    static void ProcessEvents();
    // Runs action as if started without standard input: the next file opened is descriptor 0.
    static void WithoutStandardInput(const std::function<void()>& action);

    QTemporaryDir m_dir;
    QString m_root;
};

// As ShellEnvironment, but without the built-in skins and pictures: their
// folder is an empty one.
class BareShellEnvironment : public ShellEnvironment {
protected:
    void SetUp() override;
};

// Keeps the event loop turning (so that this process's own message server
// answers) until done() holds; false after a generous time-out.
bool WaitUntil(const std::function<bool()>& done);
