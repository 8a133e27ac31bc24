#pragma once

#include "shell/ShellSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Test messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A device root and shell settings of the test's own, and none of the
// built-in pictures: ORVA_ROOT, XDG_CONFIG_HOME and ORVA_ASSETS_DIR point into
// a fresh temporary folder for each test.
class DeviceFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        for (const auto& [variable, folder, saved] : m_variables)
            qputenv(variable, QFile::encodeName(m_dir.filePath(QString::fromLatin1(folder))));
    }

    void TearDown() override
    {
        for (const auto& [variable, folder, saved] : m_variables)
            qputenv(variable, saved);
    }

    static void SetShellSetting(const QString& key, const QString& value)
    {
        ASSERT_TRUE(ShellSettings::SetValue(key, value));
    }

    // The host path of a device path "\A\B" under the test's device root.
    QString HostPath(QString devicePath) const
    {
        return m_dir.filePath(QStringLiteral("root")) + devicePath.replace(u'\\', u'/');
    }

    // Writes bytes to the device file, making its folders.
    void WriteDeviceFile(const QString& devicePath, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(HostPath(devicePath)).absolutePath());
        QFile file(HostPath(devicePath));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray ReadDeviceFile(const QString& devicePath) const
    {
        QFile file(HostPath(devicePath));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

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

    QTemporaryDir m_dir;

private:
    struct Variable {
        const char* name;
        const char* folder;
        QByteArray saved = qgetenv(name);
    };
    const Variable m_variables[3] = { { "ORVA_ROOT", "root" }, { "XDG_CONFIG_HOME", "config" },
                                      { "ORVA_ASSETS_DIR", "assets" } };
};
