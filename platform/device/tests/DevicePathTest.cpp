#include "platform/device/DevicePath.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DevicePathTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = m_dir.path() + QStringLiteral("/root");
        qputenv("ORVA_ROOT", m_root.toUtf8());
    }
    void TearDown() override { qunsetenv("ORVA_ROOT"); }

    QTemporaryDir m_dir;
    QString m_root;
};

TEST_F(DevicePathTest, MapsDevicePathsToHostPaths)
{
    const struct {
        const char16_t* device;
        const char16_t* hostBelowRoot; // nullptr: refused; a leading '/' is a host path
    } cases[] = {
        { u"\\NAND Flash\\Note", u"NAND Flash/Note" },
        { u"\\", u"" },
        { u"\\Orva\\Poem\\*.bmp", u"Orva/Poem/*.bmp" },
        { u"\\A\\.\\B\\", u"A/B" },
        { u"\\A\\\\B", u"A/B" },
        { u"/A/B", u"A/B" },
        { u"\\A\\..\\B", u"B" },
        { u"\\A\\..", u"" },
        { u"\\..", nullptr },
        { u"\\A\\..\\..\\etc\\passwd", nullptr },
        { u"Z:\\home\\a.txt", u"/home/a.txt" },
        { u"z:\\tmp\\x y\\", u"/tmp/x y" },
        { u"Z:\\", u"/" },
        { u"Z:\\..\\etc", nullptr },
        { u"Z:relative", nullptr },
        { u"C:\\Windows", nullptr },
        { u"relative\\path", nullptr },
        { u"", nullptr },
    };
    for (const auto& c : cases) {
        const QString device = QString::fromUtf16(c.device);
        QString expected;
        if (c.hostBelowRoot) {
            const QString below = QString::fromUtf16(c.hostBelowRoot);
            expected = below.startsWith(u'/') ? below : below.isEmpty() ? m_root : m_root + u'/' + below;
        }
        EXPECT_EQ(HostPathFromDevicePath(device), expected) << device.toStdString();
    }
    EXPECT_EQ(HostPathFromDevicePath(QStringLiteral("\\a") + QChar(0) + QStringLiteral("b")), QString()) << "a NUL";
}

TEST_F(DevicePathTest, RefusesPathsOfMaxPathOrLonger)
{
    const QString fits = u'\\' + QString(258, u'a');
    EXPECT_EQ(HostPathFromDevicePath(fits), m_root + u'/' + QString(258, u'a'));
    EXPECT_EQ(HostPathFromDevicePath(fits + u'a'), QString());
    EXPECT_EQ(DevicePathFromHostPath(u'/' + QString(256, u'a')), QStringLiteral("Z:\\") + QString(256, u'a'));
    EXPECT_EQ(DevicePathFromHostPath(u'/' + QString(257, u'a')), QString());
}

TEST_F(DevicePathTest, MapsHostPathsToDevicePaths)
{
    EXPECT_EQ(
        DevicePathFromHostPath(m_root + QStringLiteral("/NAND Flash/Note")), QStringLiteral("\\NAND Flash\\Note"));
    EXPECT_EQ(DevicePathFromHostPath(m_root), QStringLiteral("\\"));
    EXPECT_EQ(DevicePathFromHostPath(m_root + QStringLiteral("/A/../B/")), QStringLiteral("\\B"));
    EXPECT_EQ(DevicePathFromHostPath(m_root + QStringLiteral("x/sibling")),
        QStringLiteral("Z:") + QString(m_root).replace(u'/', u'\\') + QStringLiteral("x\\sibling"));
    EXPECT_EQ(DevicePathFromHostPath(QStringLiteral("/home/a.txt")), QStringLiteral("Z:\\home\\a.txt"));
    EXPECT_EQ(DevicePathFromHostPath(QStringLiteral("relative/a.txt")), QString());
    EXPECT_EQ(DevicePathFromHostPath(QStringLiteral("/odd\\name")), QString());
}

TEST_F(DevicePathTest, CreatesTheRootWhenFirstNeededAndFallsBackToTheDataHome)
{
    EXPECT_FALSE(QDir(m_root).exists());
    EXPECT_EQ(DeviceRoot(), m_root);
    EXPECT_TRUE(QDir(m_root).exists());
    qunsetenv("ORVA_ROOT");
    qputenv("XDG_DATA_HOME", (m_dir.path() + QStringLiteral("/data")).toUtf8());
    EXPECT_EQ(DeviceRoot(), m_dir.path() + QStringLiteral("/data/orva"));
    qunsetenv("XDG_DATA_HOME");
}

TEST_F(DevicePathTest, TakesARelativeRootFromTheWorkingFolder)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    qputenv("ORVA_ROOT", "relative/./root");
    EXPECT_EQ(HostPathFromDevicePath(QStringLiteral("\\A")), QDir::currentPath() + QStringLiteral("/relative/root/A"));
    QDir::setCurrent(previous);
}

TEST(PlainFileName, OneNameWithoutSeparatorsWildcardsOrClimbing)
{
    for (const QString& name :
        { QStringLiteral("Classic"), QStringLiteral("Note.path"), QStringLiteral("a b.bmp"), QStringLiteral("...") })
        EXPECT_TRUE(IsPlainFileName(name)) << name.toStdString();
    for (const QString& name :
        { QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("a\\b"), QStringLiteral("a/b"),
            QStringLiteral("Z:a"), QStringLiteral("*"), QStringLiteral("a?"), QStringLiteral("a") + QChar(0) })
        EXPECT_FALSE(IsPlainFileName(name)) << name.toStdString();
}

} // namespace
