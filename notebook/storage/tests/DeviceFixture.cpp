#include "notebook/storage/tests/DeviceFixture.h"

#include "shell/ShellSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void DeviceFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_savedRoot = qgetenv("ORVA_ROOT");
    m_savedConfig = qgetenv("XDG_CONFIG_HOME");
    m_strRoot = m_dir.filePath(QStringLiteral("root"));
    QDir().mkpath(m_strRoot);
    qputenv("ORVA_ROOT", QFile::encodeName(m_strRoot));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
}

void DeviceFixture::TearDown()
{
    qputenv("ORVA_ROOT", m_savedRoot);
    qputenv("XDG_CONFIG_HOME", m_savedConfig);
}

void DeviceFixture::SetShellSetting(const QString& key, const QString& value)
{
    ASSERT_TRUE(ShellSettings::SetValue(key, value));
}

QString DeviceFixture::HostPath(const QString& devicePath) const
{
    QString relative = devicePath;
    relative.replace(u'\\', u'/');
    return m_strRoot + relative;
}

void DeviceFixture::WriteDeviceFile(const QString& devicePath, const QByteArray& bytes) const
{
    const QString path = HostPath(devicePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray DeviceFixture::ReadDeviceFile(const QString& devicePath) const
{
    QFile file(HostPath(devicePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool DeviceFixture::DeviceFileExists(const QString& devicePath) const
{
    return QFileInfo::exists(HostPath(devicePath));
}
