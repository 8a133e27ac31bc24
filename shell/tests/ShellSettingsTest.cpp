#include "shell/ShellSettings.h"
#include "shell/LocalTextTable.h"
#include "shell/OrvaCore.h"
#include "shell/OrvaSkins.h"
#include "shell/SettingRules.h"
#include "shell/tests/ShellEnvironment.h"

#include <QDir>
#include <array>
#include <string_view>
#include <tuple>

namespace {

using ShellSettingsTest = ShellEnvironment;

// A MAX_PATH buffer followed by a guard that must never be written.
struct PathBuffer {
    std::array<char16_t, MAX_PATH + 1> units {};
    PathBuffer() { units.fill(u'#'); }
    QString Text() const { return QString::fromUtf16(units.data()); }
    bool GuardIntact() const { return units[MAX_PATH] == u'#'; }
};

TEST_F(ShellSettingsTest, GivesTheConfiguredValueOrTheDefault)
{
    const std::u16string longDefault(300, u'd');
    const struct {
        QByteArray file;
        const char16_t* key;
        const char16_t* defaultValue;
        QString value;
    } cases[] = {
        { "language=1\n", u"note_path", nullptr, QString() },
        { "# on the card\r\n[General]\r\n Note_Path = \\SD Card\\N, alt \r\n; skin=x\r\n", u"note_path", u"\\NAND",
            QStringLiteral("\\SD Card\\N, alt") },
        { "; skin=x\r\n", u"skin", u"Classic", QStringLiteral("Classic") },
        { "note_path=\\" + QByteArray(259, 'x') + "\n", u"note_path", u"\\NAND", QStringLiteral("\\NAND") },
        { "note_path=\\" + QByteArray(258, 'x') + "\n", u"note_path", u"\\NAND", u'\\' + QString(258, u'x') },
        { "x=1\n", u"missing", longDefault.c_str(), QString() },
        { QByteArray("\0\xff\xfe=\n=\nlanguage=\xc3\x28\n\xff\n", 20), u"", u"d", QStringLiteral("d") },
    };
    for (const auto& c : cases) {
        WriteSettings(c.file);
        PathBuffer buffer;
        COrvaCore::GetStrParam(c.key, buffer.units.data(), c.defaultValue);
        EXPECT_EQ(buffer.Text(), c.value) << c.file.toStdString();
        EXPECT_TRUE(buffer.GuardIntact());
    }
    EXPECT_EQ(COrvaSkins::GetLanguage(), ORVA_LANG_ENGLISH) << "after any bytes";
}

TEST_F(ShellSettingsTest, LanguageAndTouchFollowTheFileWithoutARestart)
{
    EXPECT_EQ(COrvaSkins::GetLanguage(), ORVA_LANG_ENGLISH);
    EXPECT_FALSE(ShellSettings::IsTouchScreen());
    const struct {
        const char* file;
        int language;
        bool touch;
    } cases[] = { { "language=1\ntouch=1", ORVA_LANG_CHINESE, true },
        { "language=6\ntouch=yes", ORVA_LANG_TURKISH, false }, { "language=0", ORVA_LANG_ENGLISH, false },
        { "language=abc", ORVA_LANG_ENGLISH, false }, { "language=3", 3, false } };
    for (const auto& c : cases) {
        WriteSettings(c.file);
        EXPECT_EQ(static_cast<int>(COrvaSkins::GetLanguage()), c.language) << c.file;
        EXPECT_EQ(ShellSettings::IsTouchScreen(), c.touch) << c.file;
    }
}

TEST(LocalTextRule, ChineseOnlyForLanguageOneAndWhereTheEntryHasIt)
{
    constexpr LocalTextPair kTable[] = { { u"New", u"新游戏" }, { u"Only", nullptr } };
    const struct {
        int index;
        int language;
        std::u16string_view text;
    } cases[] = { { 0, 1, u"新游戏" }, { 0, 0, u"New" }, { 1, 1, u"Only" }, { -1, 1, u"" }, { 2, 0, u"" } };
    for (const auto& c : cases)
        EXPECT_EQ(std::u16string_view(LookUpLocalText(kTable, c.index, c.language)), c.text)
            << c.index << " in language " << c.language;
}

TEST_F(ShellSettingsTest, SetsAValueKeepingTheOtherLines)
{
    WriteSettings("# mine\nlanguage=1\nskin=Ebony\nLANGUAGE=6\n\n\n");
    SetShellSetting(QStringLiteral("language"), QStringLiteral("0"));
    SetShellSetting(QStringLiteral("note_path"), QStringLiteral("\\SD\\Note"));
    EXPECT_EQ(
        ReadHostFile(ShellSettings::FilePath()), QByteArray("# mine\nlanguage=0\nskin=Ebony\nnote_path=\\SD\\Note\n"));
    for (const auto& [key, value] :
        { std::pair { "a=b", "c" }, std::pair { "key", "two\nlines" }, std::pair { "key", "a\rb" },
            std::pair { " key", "c" }, std::pair { "", "c" }, std::pair { "k\ney", "c" } })
        EXPECT_FALSE(ShellSettings::SetValue(QString::fromUtf8(key), QString::fromUtf8(value))) << key;
}

// A notes folder is a device path shorter than MAX_PATH that leaves room for
// a new note's name within it.
TEST_F(ShellSettingsTest, TheNotesFolderLeavesRoomForNoteNames)
{
    const std::tuple<int, SettingChangeResult, const char*> cases[] = {
        { MAX_PATH, SettingChangeResult::Refused,
            "note_path: must be a device path such as \\NAND Flash\\Note, shorter than 260 characters" },
        { 237, SettingChangeResult::Refused, "note_path: must leave room for note names: at most 236 characters" },
        { 236, SettingChangeResult::Done, "" },
    };
    for (const auto& [length, result, problem] : cases) {
        const SettingChange change
            = SettingRules::Change(QStringLiteral("note_path"), u'\\' + QString(length - 1, u'n'));
        EXPECT_EQ(change.result, result) << length;
        EXPECT_EQ(change.problem.toStdString(), problem);
    }
}

TEST_F(ShellSettingsTest, HomeFolderAndShellFiles)
{
    EXPECT_EQ(QString::fromUtf16(COrvaCore::GetHomePath()), QStringLiteral("\\Orva"));
    const std::u16string longName(300, u'n');
    for (const char16_t* name : { u"Note.path", u"", u"..", u"a\\b", u"../x", u"Z:x", longName.c_str() }) {
        PathBuffer buffer;
        COrvaCore::GetPath(buffer.units.data(), name, 0);
        EXPECT_EQ(
            buffer.Text(), name == std::u16string_view(u"Note.path") ? QStringLiteral("\\Orva\\Note.path") : QString())
            << QString::fromUtf16(name).toStdString();
        EXPECT_TRUE(buffer.GuardIntact());
    }
    EXPECT_TRUE(QDir(m_root + QStringLiteral("/Orva")).exists()) << "the folder is there to write into";
}

} // namespace
