// Skins a person can trust: one without the screens' images is refused and
// not offered; one that lacks other images borrows them from Classic.
#include "shell/OrvaSkins.h"
#include "shell/SkinFolder.h"
#include "shell/tests/ShellEnvironment.h"

#include <QBuffer>
#include <QProcess>

namespace {

class HomeScreenSkins : public ShellEnvironment {
protected:
    void WriteSkinImage(const QString& skin, const QString& image, QColor colour) const
    {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "BMP"));
        WriteDeviceFile(QStringLiteral("\\Orva\\Skins\\%1\\%2.bmp").arg(skin, image), bytes);
    }

    struct ShellRun {
        int exitCode = -1;
        QString err;
    };
    static ShellRun SetSkin(const QString& skin)
    {
        QProcess shell;
        shell.start(QStringLiteral(ORVA_SHELL_PROGRAM), { QStringLiteral("set"), QStringLiteral("skin"), skin });
        shell.waitForFinished();
        return { shell.exitCode(), QString::fromUtf8(shell.readAllStandardError()) };
    }
};

TEST_F(HomeScreenSkins, FolderWithoutTheScreensImagesIsRefusedAndNotOffered)
{
    WriteDeviceFile(QStringLiteral("\\Orva\\Skins\\Empty\\Skin.ini"), "48=0x00FFFFFF\n");
    WriteSkinImage(QStringLiteral("NoGame"), QStringLiteral("NOTEBOOK"), Qt::red);
    WriteSkinImage(QStringLiteral("NoGame"), QStringLiteral("GO_BOARD"), Qt::red);
    const struct {
        QString skin;
        QString missing;
    } cases[] = { { QStringLiteral("Empty"), QStringLiteral("GAME, NOTEBOOK") },
        { QStringLiteral("NoGame"), QStringLiteral("GAME") } };
    for (const auto& incomplete : cases) {
        const ShellRun run = SetSkin(incomplete.skin);
        EXPECT_EQ(run.exitCode, 2) << incomplete.skin.toStdString();
        EXPECT_TRUE(
            run.err.contains(QStringLiteral("%1 lacks the images %2 ").arg(incomplete.skin, incomplete.missing)))
            << run.err.toStdString();
        EXPECT_FALSE(SkinFolder::Available().contains(incomplete.skin)) << incomplete.skin.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(ShellSettings::FilePath())) << "nothing stored";
    EXPECT_EQ(SkinFolder::Available(), (QStringList { QStringLiteral("Classic"), QStringLiteral("Ocean") }));
}

TEST_F(HomeScreenSkins, UsableSkinTakesEachImageItLacksFromClassic)
{
    WriteSkinImage(QStringLiteral("Mine"), QStringLiteral("GAME"), Qt::red);
    WriteSkinImage(QStringLiteral("Mine"), QStringLiteral("NOTEBOOK"), Qt::blue);
    const ShellRun run = SetSkin(QStringLiteral("Mine"));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(SkinFolder::Available().contains(QStringLiteral("Mine")));

    EXPECT_EQ(COrvaSkins::LoadBitmapW(u"GAME", 0).pixelColor(0, 0), QColor(Qt::red)) << "the skin's own image first";
    for (const char16_t* borrowed : { u"GO_BOARD", u"GAME_CLOSE", u"NOTE_NEXTPAGE" }) {
        const QImage classic = SkinFolder::LoadImage(QStringLiteral("Classic"), QString::fromUtf16(borrowed));
        ASSERT_FALSE(classic.isNull());
        EXPECT_EQ(COrvaSkins::LoadBitmapW(borrowed, 0), classic) << QString::fromUtf16(borrowed).toStdString();
    }
    EXPECT_TRUE(COrvaSkins::LoadBitmapW(u"NO_SUCH_IMAGE", 0).isNull());
}

} // namespace
