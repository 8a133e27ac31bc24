#include "shell/LocalTextTable.h"
#include "shell/OrvaCore.h"
#include "shell/OrvaSkins.h"
#include "shell/ShellSettings.h"
#include "shell/tests/ShellEnvironment.h"

#include <QDir>
#include <QFile>
#include <array>
#include <string_view>

namespace {

using ShellSettingsTest = ShellEnvironment;

// A MAX_PATH buffer followed by a guard that must never be written.
struct PathBuffer {
    std::array<char16_t, MAX_PATH + 1> units{};
    PathBuffer() { units.fill(u'#'); }
    QString Text() const { return QString::fromUtf16(units.data()); }
    bool GuardIntact() const { return units[MAX_PATH] == u'#'; }
};

QString Param(const char16_t* key, const char16_t* defaultValue)
{
    PathBuffer buffer;
    COrvaCore::GetStrParam(key, buffer.units.data(), defaultValue);
    EXPECT_TRUE(buffer.GuardIntact());
    return buffer.Text();
}

TEST_F(ShellSettingsTest, GivesTheDefaultWhenTheKeyIsAbsent)
{
    EXPECT_EQ(Param(u"note_path", u"\\NAND Flash\\Note"), QStringLiteral("\\NAND Flash\\Note")) << "no file";
    WriteSettings("language=1\n");
    EXPECT_EQ(Param(u"note_path", u"\\NAND Flash\\Note"), QStringLiteral("\\NAND Flash\\Note"));
    EXPECT_EQ(Param(u"note_path", nullptr), QString());
}

TEST_F(ShellSettingsTest, GivesTheConfiguredValueAsItStands)
{
    WriteSettings("# notes on the card\r\n[General]\r\n Note_Path = \\SD Card\\Notizen, alt \r\n; skin=x\r\n");
    EXPECT_EQ(Param(u"note_path", u"\\NAND Flash\\Note"), QStringLiteral("\\SD Card\\Notizen, alt"));
    EXPECT_EQ(Param(u"skin", u"Classic"), QStringLiteral("Classic"));
}

TEST_F(ShellSettingsTest, NeverWritesPastTheCallersBuffer)
{
    WriteSettings("note_path=\\" + QByteArray(259, 'x') + "\n");
    EXPECT_EQ(Param(u"note_path", u"\\NAND Flash\\Note"), QStringLiteral("\\NAND Flash\\Note"));
    WriteSettings("note_path=\\" + QByteArray(258, 'x') + "\n");
    EXPECT_EQ(Param(u"note_path", u"\\NAND Flash\\Note").size(), 259);
    const std::u16string longDefault(300, u'd');
    EXPECT_EQ(Param(u"missing", longDefault.c_str()), QString());
}

TEST_F(ShellSettingsTest, ToleratesAnyBytes)
{
    WriteSettings(QByteArray("\0\xff\xfe=\n=\nlanguage=\xc3\x28\n\xff\n", 20));
    EXPECT_EQ(COrvaSkins::GetLanguage(), ORVA_LANG_ENGLISH);
    EXPECT_EQ(Param(u"", u"d"), QStringLiteral("d"));
}

TEST_F(ShellSettingsTest, LanguageFollowsTheFileWithoutARestart)
{
    EXPECT_EQ(COrvaSkins::GetLanguage(), ORVA_LANG_ENGLISH);
    for (const auto& [line, language] : {std::pair{"language=1", ORVA_LANG_CHINESE}, std::pair{"language=6", ORVA_LANG_TURKISH},
                                          std::pair{"language=0", ORVA_LANG_ENGLISH}, std::pair{"language=abc", ORVA_LANG_ENGLISH}}) {
        WriteSettings(line);
        EXPECT_EQ(COrvaSkins::GetLanguage(), language) << line;
    }
    WriteSettings("language=3");
    EXPECT_EQ(static_cast<int>(COrvaSkins::GetLanguage()), 3) << "other values are passed on";
}

TEST(LocalTextRule, ChineseOnlyForLanguageOneAndWhereTheEntryHasIt)
{
    constexpr LocalTextPair kTable[] = { { u"New", u"新游戏" }, { u"Only", nullptr } };
    struct Case {
        int index;
        int language;
        std::u16string_view text;
    };
    for (const Case& c : { Case { 0, 1, u"新游戏" }, Case { 0, 0, u"New" }, Case { 0, 6, u"New" },
                           Case { 0, -1, u"New" }, Case { 1, 1, u"Only" }, Case { -1, 1, u"" }, Case { 2, 0, u"" } })
        EXPECT_EQ(std::u16string_view(LookUpLocalText(kTable, c.index, c.language)), c.text)
            << c.index << " in language " << c.language;
}

TEST_F(ShellSettingsTest, TouchScreenOnlyWhenSet)
{
    EXPECT_FALSE(ShellSettings::IsTouchScreen());
    WriteSettings("touch=1\n");
    EXPECT_TRUE(ShellSettings::IsTouchScreen());
    WriteSettings("touch=yes\n");
    EXPECT_FALSE(ShellSettings::IsTouchScreen());
}

TEST_F(ShellSettingsTest, SetsAValueKeepingTheOtherLines)
{
    WriteSettings("# mine\nlanguage=1\nskin=Ebony\nLANGUAGE=6\n");
    ASSERT_TRUE(ShellSettings::SetValue(QStringLiteral("language"), QStringLiteral("0")));
    ASSERT_TRUE(ShellSettings::SetValue(QStringLiteral("note_path"), QStringLiteral("\\SD\\Note")));
    QFile file(ShellSettings::FilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("# mine\nlanguage=0\nskin=Ebony\nnote_path=\\SD\\Note\n"));
    EXPECT_FALSE(ShellSettings::SetValue(QStringLiteral("a=b"), QStringLiteral("c")));
    EXPECT_FALSE(ShellSettings::SetValue(QStringLiteral("key"), QStringLiteral("two\nlines")));
}

TEST_F(ShellSettingsTest, HomeFolderAndShellFiles)
{
    EXPECT_EQ(QString::fromUtf16(COrvaCore::GetHomePath()), QStringLiteral("\\Orva"));
    PathBuffer buffer;
    COrvaCore::GetPath(buffer.units.data(), u"Note.path", 0);
    EXPECT_EQ(buffer.Text(), QStringLiteral("\\Orva\\Note.path"));
    EXPECT_TRUE(QDir(m_root + QStringLiteral("/Orva")).exists()) << "the folder is there to write into";
    for (const char16_t* name : {u"", u"..", u"a\\b", u"../x", u"Z:x"}) {
        PathBuffer refused;
        COrvaCore::GetPath(refused.units.data(), name, 0);
        EXPECT_EQ(refused.Text(), QString()) << QString::fromUtf16(name).toStdString();
    }
    const std::u16string longName(300, u'n');
    PathBuffer tooLong;
    COrvaCore::GetPath(tooLong.units.data(), longName.c_str(), 0);
    EXPECT_EQ(tooLong.Text(), QString());
    EXPECT_TRUE(tooLong.GuardIntact());
}

} // namespace
