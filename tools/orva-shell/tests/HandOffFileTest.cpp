#include "tools/orva-shell/HandOffFile.h"

#include "platform/device/DevicePath.h"
#include "shell/tests/ShellEnvironment.h"

#include <QFile>

namespace {

using HandOffFileTest = ShellEnvironment;

QByteArray Utf16(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

TEST_F(HandOffFileTest, ArchivesAStringWithTheShortestLengthPrefix)
{
    EXPECT_EQ(HandOffFile::ArchivedString(QStringLiteral("Z:\\a")), QByteArray("\xFF\xFE\xFF\x04Z\0:\0\\\0a\0", 12));
    EXPECT_EQ(HandOffFile::ArchivedString(QString()), QByteArray("\xFF\xFE\xFF\x00", 4));
    const QString n254(254, u'x');
    EXPECT_EQ(HandOffFile::ArchivedString(n254), QByteArray("\xFF\xFE\xFF\xFE", 4) + Utf16(n254));
    const QString n255(255, u'ç');
    EXPECT_EQ(HandOffFile::ArchivedString(n255), QByteArray("\xFF\xFE\xFF\xFF\xFF\x00", 6) + Utf16(n255));
    const QString n65533(65533, u'y');
    EXPECT_EQ(HandOffFile::ArchivedString(n65533).left(6), QByteArray("\xFF\xFE\xFF\xFF\xFD\xFF", 6));
    const QString n70000(70000, u'z');
    const QByteArray long70000 = HandOffFile::ArchivedString(n70000);
    EXPECT_EQ(long70000.left(10), QByteArray("\xFF\xFE\xFF\xFF\xFF\xFF\x70\x11\x01\x00", 10));
    EXPECT_EQ(long70000.size(), 10 + 140000);
}

TEST_F(HandOffFileTest, WritesTheHandOffFileInTheShellsFolder)
{
    ASSERT_TRUE(HandOffFile::Write(QStringLiteral("Z:\\tmp\\a.txt")));
    QFile file(HostPathFromDevicePath(QStringLiteral("\\Orva\\Note.path")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), HandOffFile::ArchivedString(QStringLiteral("Z:\\tmp\\a.txt")));
    ASSERT_TRUE(HandOffFile::Write(QStringLiteral("\\b.txt")));
    file.seek(0);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), HandOffFile::ArchivedString(QStringLiteral("\\b.txt"))) << "replaced whole";
}

} // namespace
