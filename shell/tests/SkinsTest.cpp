#include "platform/Color.h"
#include "platform/device/DeviceFiles.h"
#include "shell/OrvaSkins.h"
#include "shell/ProgramResources.h"
#include "shell/SettingRules.h"
#include "shell/SkinFolder.h"
#include "shell/tests/ShellEnvironment.h"

#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

class SkinsTest : public ShellEnvironment {
protected:
    void UseSkin(const QByteArray& skin) { WriteSettings("skin=" + skin + "\n"); }
    static QImage Load(const char16_t* name) { return COrvaSkins::LoadBitmapW(name, 0); }
};

// Every image the game and the notebook ask for, at the size they draw it.
const std::pair<const char16_t*, QSize> kImages[]
    = { { u"GAME", { 800, 480 } }, { u"GO_BOARD", { 460, 460 } }, { u"GO_Black", { 24, 24 } },
          { u"GO_White", { 24, 24 } }, { u"NOTEBOOK", { 800, 480 } }, { u"NOTE_TITLE", { 192, 36 } },
          { u"GAME_CLOSE", {} }, { u"GAME_CLOSE_FOCUS", {} }, { u"GAME_MIN", {} }, { u"GAME_MIN_FOCUS", {} },
          { u"GAME_HELP", {} }, { u"GAME_HELP_FOCUS", {} }, { u"MAGR_BTN_GO", {} }, { u"NOTE_NEXTPAGE", {} },
          { u"NOTE_PREVPAGE", {} }, { u"NOTE_CLEAR", {} }, { u"NOTE_CLOSE", {} }, { u"NOTE_INPUT", {} } };

TEST_F(SkinsTest, EveryBuiltInSkinHasEveryImageAtItsSize)
{
    const QStringList skins = SkinFolder::Available();
    ASSERT_GE(skins.size(), 2);
    for (const QString& skin : skins) {
        UseSkin(skin.toUtf8());
        ASSERT_EQ(SkinFolder::Current(), skin);
        for (const auto& [name, size] : kImages) {
            const QImage loaded = Load(name);
            ASSERT_FALSE(loaded.isNull()) << skin.toStdString() << " " << QString::fromUtf16(name).toStdString();
            EXPECT_TRUE(size.isEmpty() || loaded.size() == size) << QString::fromUtf16(name).toStdString();
        }
        EXPECT_EQ(Load(u"GAME_CLOSE").size(), Load(u"GAME_CLOSE_FOCUS").size());
        EXPECT_EQ(Load(u"GAME_CLOSE").size(), Load(u"GAME_HELP").size());
        EXPECT_LE(Load(u"GAME_CLOSE").width(), 68) << "the top-bar buttons stand 68 pixels apart";
    }
}

TEST_F(SkinsTest, UnknownOrMalformedNamesGiveNothing)
{
    for (const char16_t* name : { u"NO_SUCH_IMAGE", u"", u"..\\..\\GAME", u"GAME.bmp", u"Skin", u"*" })
        EXPECT_TRUE(Load(name).isNull()) << QString::fromUtf16(name).toStdString();
    EXPECT_TRUE(COrvaSkins::LoadBitmapW(nullptr, 0).isNull());
}

TEST_F(SkinsTest, StonesStandOnTheColourKey)
{
    for (const char16_t* stone : { u"GO_Black", u"GO_White" }) {
        const QImage image = Load(stone);
        for (const QPoint corner : { QPoint(0, 0), QPoint(23, 0), QPoint(0, 23), QPoint(23, 23) })
            EXPECT_EQ(image.pixel(corner) & 0xFFFFFF, 0xFF00FFu);
        EXPECT_NE(image.pixel(12, 12) & 0xFFFFFF, 0xFF00FFu);
        EXPECT_NE(image.pixel(1, 12) & 0xFFFFFF, 0xFF00FFu) << "the stone reaches its image's edges";
    }
    EXPECT_LT(qGray(Load(u"GO_Black").pixel(12, 12)), 80);
    EXPECT_GT(qGray(Load(u"GO_White").pixel(12, 12)), 180);
}

TEST_F(SkinsTest, TheBoardHasFifteenLinesThirtyPixelsApart)
{
    const QImage board = Load(u"GO_BOARD");
    for (int i = 0; i < 15; ++i) {
        const int line = 18 + 30 * i;
        for (const int along : { 100, 250 }) {
            EXPECT_LT(qGray(board.pixel(line, along)) + 40, qGray(board.pixel(line + 15, along))) << "column " << i;
            EXPECT_LT(qGray(board.pixel(along, line)) + 40, qGray(board.pixel(along, line + 15))) << "row " << i;
        }
    }
}

TEST_F(SkinsTest, TheOptionPanelIsOneColourWhereTheGameSamplesIt)
{
    const QImage background = Load(u"GAME");
    const QRgb sample = background.pixel(605, 234);
    for (int y = 234; y < 338; y += 7) {
        for (int x = 605; x < 775; x += 9)
            ASSERT_EQ(background.pixel(x, y), sample) << x << "," << y;
    }
    EXPECT_EQ(ColorRefFromColor(QColor(sample)), COrvaSkins::GetSkinInfo()->color[51]);
}

TEST_F(SkinsTest, ASkinChangeShowsAtTheNextLoad)
{
    UseSkin("Classic");
    const QImage classic = Load(u"GAME");
    const SKIN_INFO words = *COrvaSkins::GetSkinInfo();
    for (int word : { 48, 49, 50 })
        EXPECT_NE(words.color[word], 0u) << word;
    UseSkin("Ocean");
    EXPECT_NE(Load(u"GAME"), classic);
    EXPECT_NE(COrvaSkins::GetSkinInfo()->color[48], words.color[48]);
    for (const char* unknown : { "NoSuchSkin", "..\\Poem", "..", "." }) {
        UseSkin(unknown);
        EXPECT_EQ(Load(u"GAME"), classic) << unknown << " falls back to the default";
    }
}

// Names are found whatever their case, as on the device; where two differ only
// in case, the exact one wins.
TEST_F(SkinsTest, AUsersOwnSkinIsUsedWhateverTheCaseOfItsNames)
{
    const QString folder = m_root + QStringLiteral("/orva/skins/mine");
    WriteHostFile(folder + QStringLiteral("/skin.ini"), "0=7\n48=0x000000FF\n49=255\n64=1\n-1=1\nx=2\n");
    for (const auto& [name, colour] : { std::pair { "game.bmp", Qt::red }, std::pair { "notebook.bmp", Qt::red },
             std::pair { "go_black.bmp", Qt::blue }, std::pair { "go_white.bmp", Qt::green },
             std::pair { "GO_White.bmp", Qt::yellow } }) {
        QImage image(colour == Qt::red ? QSize(800, 480) : QSize(24, 24), QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(folder + u'/' + QString::fromLatin1(name), "BMP"));
    }
    EXPECT_TRUE(SkinFolder::Available().contains(QStringLiteral("mine")));
    EXPECT_EQ(SettingRules::Change(QStringLiteral("skin"), QStringLiteral("mine")).result, SettingChangeResult::Done);
    const QImage classicBoard = Load(u"GO_BOARD");
    ASSERT_FALSE(classicBoard.isNull());
    UseSkin("Mine");
    EXPECT_EQ(Load(u"GAME").pixel(0, 0), QColor(Qt::red).rgb());
    EXPECT_EQ(Load(u"GO_Black").pixel(0, 0), QColor(Qt::blue).rgb());
    EXPECT_EQ(Load(u"GO_White").pixel(0, 0), QColor(Qt::yellow).rgb());
    EXPECT_EQ(Load(u"GO_BOARD"), classicBoard) << "the skin has no board: Classic's shows";
    EXPECT_TRUE(Load(u"NO_SUCH_IMAGE").isNull());
    const COLORREF* words = COrvaSkins::GetSkinInfo()->color;
    std::vector<COLORREF> expected(51, 0);
    std::tie(expected[0], expected[48], expected[49]) = std::tuple(7u, 0xFFu, 255u);
    EXPECT_EQ(std::vector<COLORREF>(words, words + 51), expected)
        << "the word is read in any base, and only within the table";
}

// WCAG 2 relative luminance of a colour.
double Luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

// The notebook writes its caption, page label and frame rules in a fixed dark red ink; the page under the
// caption, the label, the four rules and the editor gives it a contrast ratio of at least 4.5 in every skin.
TEST_F(SkinsTest, TheNotebooksInkReadsOnEveryPage)
{
    const double ink = Luminance(qRgb(158, 11, 14));
    const QRect underInk[] = { QRect(430, 58, 300, 17), QRect(210, 412, 130, 18), QRect(440, 87, 300, 308),
        QRect(40, 80, 300, 1), QRect(440, 80, 300, 1), QRect(40, 410, 300, 1), QRect(440, 410, 300, 1) };
    for (const QString& skin : SkinFolder::Available()) {
        UseSkin(skin.toUtf8());
        const QImage book = Load(u"NOTEBOOK");
        for (const QRect& area : underInk) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const double page = Luminance(book.pixel(x, y));
                    ASSERT_GE((std::max(ink, page) + 0.05) / (std::min(ink, page) + 0.05), 4.5)
                        << skin.toStdString() << " " << x << "," << y;
                }
            }
        }
    }
}

TEST_F(SkinsTest, PointerShapesHoldAStoneAtTheirTip)
{
    for (const auto& [id, dark] : { std::pair { 149, true }, std::pair { 150, false } }) {
        const QCursor pointer = LoadProgramCursor(id);
        ASSERT_EQ(pointer.shape(), Qt::BitmapCursor);
        EXPECT_EQ(pointer.hotSpot(), QPoint(2, 2));
        const QImage shape = pointer.pixmap().toImage();
        EXPECT_EQ(shape.size(), QSize(32, 32));
        EXPECT_EQ(qAlpha(shape.pixel(7, 7)), 255);
        EXPECT_EQ(qGray(shape.pixel(9, 9)) < 128, dark) << id;
        EXPECT_EQ(qAlpha(shape.pixel(31, 0)), 0);
    }
    EXPECT_EQ(LoadProgramCursor(1).shape(), Qt::ArrowCursor);
}

TEST_F(SkinsTest, ProgramsHaveIconsAndTheNotebookHasPictures)
{
    for (const QString& program : { QStringLiteral("Go"), QStringLiteral("NoteBook") })
        EXPECT_EQ(LoadProgramIcon(program).size(), QSize(128, 128));
    EXPECT_TRUE(LoadProgramIcon(QStringLiteral("../x")).isNull());
    const QStringList pictures = FindDeviceFiles(QStringLiteral("\\Orva\\Poem\\*.bmp"));
    ASSERT_GE(pictures.size(), 5);
    for (const QString& picture : pictures) {
        const QImage image = LoadDeviceBitmap(QStringLiteral("\\Orva\\Poem\\") + picture);
        ASSERT_FALSE(image.isNull());
        EXPECT_LE(image.width(), 300) << "fits the picture rectangle";
        EXPECT_LE(image.height(), 326);
    }
}

} // namespace
