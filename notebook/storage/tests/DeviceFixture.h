#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Test messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A device root and shell settings of the test's own: ORVA_ROOT and
// XDG_CONFIG_HOME point into a fresh temporary folder for each test.
class DeviceFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets a key of the shell's settings (language, codepage, note_path).
    void SetShellSetting(const QString& key, const QString& value);
    // The host path of a device path "\A\B" under the test's device root.
    QString HostPath(const QString& devicePath) const;
    // Writes bytes to the device file, making its folders.
    void WriteDeviceFile(const QString& devicePath, const QByteArray& bytes) const;
    QByteArray ReadDeviceFile(const QString& devicePath) const;
    bool DeviceFileExists(const QString& devicePath) const;

    QTemporaryDir m_dir;
    QString m_strRoot;

private:
    QByteArray m_savedRoot;
    QByteArray m_savedConfig;
};
