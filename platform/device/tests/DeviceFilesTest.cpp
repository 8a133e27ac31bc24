#include "platform/device/DeviceFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DeviceFilesTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = m_dir.path() + QStringLiteral("/root");
        m_builtin = m_dir.path() + QStringLiteral("/builtin");
        qputenv("ORVA_ROOT", m_root.toUtf8());
        qputenv("ORVA_ASSETS_DIR", m_builtin.toUtf8());
    }
    void TearDown() override
    {
        qunsetenv("ORVA_ROOT");
        qunsetenv("ORVA_ASSETS_DIR");
    }

    static void WriteImage(const QString& path, int width, int height)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::green);
        ASSERT_TRUE(image.save(path, "BMP"));
    }
    static void WriteBytes(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
    QString m_root;
    QString m_builtin;
};

TEST_F(DeviceFilesTest, FindsEntriesByWildcardWithoutRegardToCase)
{
    for (const char* name : { "a.bmp", "B.BMP", "c.txt", "d.bmp.txt" })
        WriteBytes(m_root + QStringLiteral("/Pics/") + QLatin1String(name), "x");
    QDir().mkpath(m_root + QStringLiteral("/Pics/folder.bmp"));
    EXPECT_EQ(FindDeviceFiles(QStringLiteral("\\Pics\\*.bmp")),
        QStringList({ QStringLiteral("a.bmp"), QStringLiteral("B.BMP"), QStringLiteral("folder.bmp") }));
    EXPECT_EQ(FindDeviceFiles(QStringLiteral("\\Pics\\?.txt")), QStringList({ QStringLiteral("c.txt") }));
    EXPECT_TRUE(FindDeviceFiles(QStringLiteral("\\Missing\\*.bmp")).isEmpty());
    EXPECT_TRUE(FindDeviceFiles(QStringLiteral("\\Pics\\")).isEmpty());
    EXPECT_TRUE(FindDeviceFiles(QStringLiteral("*.bmp")).isEmpty());
    EXPECT_TRUE(FindDeviceFiles(QStringLiteral("\\Pics\\[ab].bmp")).isEmpty());
}

// The user's pictures come first, whatever the case of their names; the
// built-in ones fill in, also where the user has no folder at all.
TEST_F(DeviceFilesTest, SeesTheUsersAndTheBuiltInPictures)
{
    WriteImage(m_builtin + QStringLiteral("/Skins/Classic/GAME.bmp"), 8, 4);
    EXPECT_EQ(FindDeviceFiles(QStringLiteral("\\Orva\\Skins\\*")), QStringList({ QStringLiteral("Classic") }));
    EXPECT_EQ(LoadDeviceBitmap(QStringLiteral("\\Orva\\Skins\\Classic\\GAME.bmp")).size(), QSize(8, 4));
    WriteImage(m_builtin + QStringLiteral("/Poem/a.bmp"), 10, 10);
    WriteImage(m_builtin + QStringLiteral("/Poem/c.bmp"), 30, 30);
    WriteImage(m_root + QStringLiteral("/ORVA/poem/A.BMP"), 20, 20);
    WriteImage(m_root + QStringLiteral("/ORVA/poem/b.bmp"), 40, 40);
    EXPECT_EQ(FindDeviceFiles(QStringLiteral("\\Orva\\Poem\\*.bmp")),
        QStringList({ QStringLiteral("A.BMP"), QStringLiteral("b.bmp"), QStringLiteral("c.bmp") }));
    for (const auto& [path, size] :
        { std::pair { u"\\Orva\\Poem\\a.bmp", 20 }, std::pair { u"\\Orva\\Poem\\b.bmp", 40 },
            std::pair { u"\\orva\\POEM\\C.Bmp", 30 }, std::pair { u"\\Orva\\Poem\\a.bmp.bmp", 0 } })
        EXPECT_EQ(LoadDeviceBitmap(QString::fromUtf16(path)).width(), size) << QString::fromUtf16(path).toStdString();
    EXPECT_EQ(HostPathForReading(QStringLiteral("\\Orva\\Poem\\c.bmp")), m_builtin + QStringLiteral("/Poem/c.bmp"));
}

// Built-in files are reached only through their own folders.
TEST_F(DeviceFilesTest, LoadsNothingFromDamagedMissingOrUnreachableFiles)
{
    WriteBytes(m_root + QStringLiteral("/bad.bmp"), QByteArray("BM\xff\xff\xff\xff garbage", 14));
    WriteBytes(m_root + QStringLiteral("/empty.bmp"), {});
    QDir().mkpath(m_root + QStringLiteral("/folder.bmp"));
    WriteImage(m_dir.path() + QStringLiteral("/secret.bmp"), 5, 5);
    WriteImage(m_builtin + QStringLiteral("/Other/x.bmp"), 5, 5);
    WriteImage(m_builtin + QStringLiteral("/Poem/x.bmp"), 5, 5);
    // "\Note" is as long as "\Orva": a built-in folder under it is the user's own, here missing.
    for (const char16_t* path :
        { u"\\bad.bmp", u"\\empty.bmp", u"\\folder.bmp", u"\\missing.bmp", u"", u"\\Orva\\Poem\\..\\..\\secret.bmp",
            u"\\Orva\\Other\\x.bmp", u"\\Orva\\Poem\\..\\Other\\x.bmp", u"\\Note\\Poem\\x.bmp" })
        EXPECT_TRUE(LoadDeviceBitmap(QString::fromUtf16(path)).isNull()) << QString::fromUtf16(path).toStdString();
}

// Built-in files are never deleted.
TEST_F(DeviceFilesTest, CreatesAndDeletesOnlyBelowTheRoot)
{
    EXPECT_TRUE(CreateDeviceDirectory(QStringLiteral("\\Note")));
    EXPECT_FALSE(CreateDeviceDirectory(QStringLiteral("\\Note"))) << "an existing folder";
    EXPECT_FALSE(CreateDeviceDirectory(QStringLiteral("\\A\\B"))) << "a missing parent";
    EXPECT_FALSE(CreateDeviceDirectory(QStringLiteral("\\..")));
    EXPECT_TRUE(CreateDeviceDirectories(QStringLiteral("\\NAND Flash\\Note")));
    EXPECT_TRUE(CreateDeviceDirectories(QStringLiteral("\\NAND Flash\\Note"))) << "an existing folder";
    EXPECT_FALSE(CreateDeviceDirectories(QStringLiteral("\\..\\outside")));
    EXPECT_TRUE(QDir(m_root + QStringLiteral("/Note")).exists());
    EXPECT_TRUE(QDir(m_root + QStringLiteral("/NAND Flash/Note")).exists());
    EXPECT_FALSE(QDir(m_root + QStringLiteral("/../outside")).exists());
    WriteBytes(m_root + QStringLiteral("/Note/a.note"), "x");
    WriteImage(m_builtin + QStringLiteral("/Poem/a.bmp"), 5, 5);
    EXPECT_TRUE(DeleteDeviceFile(QStringLiteral("\\Note\\a.note")));
    EXPECT_FALSE(QFile::exists(m_root + QStringLiteral("/Note/a.note")));
    EXPECT_FALSE(DeleteDeviceFile(QStringLiteral("\\Note\\a.note")));
    EXPECT_FALSE(DeleteDeviceFile(QStringLiteral("\\Note"))) << "a folder";
    EXPECT_FALSE(DeleteDeviceFile(QStringLiteral("\\Orva\\Poem\\a.bmp")));
    EXPECT_TRUE(QFile::exists(m_builtin + QStringLiteral("/Poem/a.bmp")));
}

} // namespace
