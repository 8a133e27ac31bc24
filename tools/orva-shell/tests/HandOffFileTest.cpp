#include "tools/orva-shell/HandOffFile.h"

#include "notebook/storage/ArchivedString.h"
#include "platform/device/DevicePath.h"
#include "shell/tests/ShellEnvironment.h"

#include <QFile>

namespace {

using HandOffFileTest = ShellEnvironment;

QString ReadHandOffFile()
{
    QFile file(HostPathFromDevicePath(QStringLiteral("\\Orva\\Note.path")));
    QString path;
    if (!file.open(QIODevice::ReadOnly) || !ReadArchivedString(file, path) || !file.atEnd())
        return QStringLiteral("<not one archived string>");
    return path;
}

TEST_F(HandOffFileTest, WritesOneArchivedStringInTheShellsFolder)
{
    ASSERT_TRUE(HandOffFile::Write(QStringLiteral("Z:\\tmp\\a.txt")));
    EXPECT_EQ(ReadHandOffFile(), QStringLiteral("Z:\\tmp\\a.txt"));
    ASSERT_TRUE(HandOffFile::Write(QStringLiteral("\\b.txt")));
    EXPECT_EQ(ReadHandOffFile(), QStringLiteral("\\b.txt")) << "replaced whole";
}

} // namespace
