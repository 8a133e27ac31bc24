#include "shell/Wren.h"
#include "shell/tests/ShellEnvironment.h"

#include <string>
#include <vector>

namespace {

using AnsiConversionTest = ShellEnvironment;

struct Conversion {
    const char* codepage; // nullptr: no setting
    const char16_t* text;
    QByteArray bytes;
};

TEST_F(AnsiConversionTest, RoundTripsInEachCodePage)
{
    const Conversion cases[] = {
        { nullptr, u"Grüße,\r\n中文 ş",
            QByteArray("Gr\xc3\xbc\xc3\x9f"
                       "e,\r\n\xe4\xb8\xad\xe6\x96\x87 \xc5\x9f") },
        { "936", u"中文 abc", QByteArray("\xd6\xd0\xce\xc4 abc") },
        { "99999", u"ü", QByteArray("\xc3\xbc") }, // a page iconv lacks: UTF-8
        { "1252", u"", QByteArray() },
    };
    for (const Conversion& c : cases) {
        WriteSettings(c.codepage ? QByteArray("codepage=") + c.codepage : QByteArray());
        const std::u16string text(c.text);
        std::vector<char> buffer(text.size() * 2 + 2, '#');
        ASSERT_EQ(UnicodeToAnsi(c.text, buffer.data(), static_cast<int>(buffer.size())), c.bytes.size()) << c.codepage;
        EXPECT_EQ(QByteArray(buffer.data()), c.bytes) << c.codepage;
        bool lossy = true;
        EXPECT_EQ(AnsiToUnicode(c.bytes.constData(), static_cast<int>(c.bytes.size()), &lossy),
            QString::fromStdU16String(text));
        EXPECT_FALSE(lossy) << c.codepage;
    }
}

TEST_F(AnsiConversionTest, ReportsTextTheCodePageCannotHold)
{
    const std::pair<const char*, const char16_t*> cases[] = {
        { "1252", u"Ağaç" },
        { "936", u"ş" },
        { "65001", u"a\xD800z" },
        { "1252", u"x\xDC00" },
    };
    for (const auto& [codepage, text] : cases) {
        WriteSettings(QByteArray("codepage=") + codepage);
        std::vector<char> buffer(64, '#');
        EXPECT_EQ(UnicodeToAnsi(text, buffer.data(), static_cast<int>(buffer.size())), -1) << codepage;
        EXPECT_EQ(buffer[0], '\0') << "no half-converted text is left behind";
    }
}

TEST_F(AnsiConversionTest, ReportsTextThatDoesNotFitTheBuffer)
{
    std::vector<char> buffer(16, '#');
    EXPECT_EQ(UnicodeToAnsi(u"abc", buffer.data(), 4), 3);
    EXPECT_EQ(QByteArray(buffer.data()), "abc");
    EXPECT_EQ(UnicodeToAnsi(u"abc", buffer.data(), 3), -1);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[3], '\0') << "nothing beyond the limit is touched";
    EXPECT_EQ(buffer[4], '#');
    EXPECT_EQ(UnicodeToAnsi(u"中", buffer.data(), 3), -1) << "three UTF-8 bytes and a terminator";
    EXPECT_EQ(UnicodeToAnsi(u"x", buffer.data(), 0), -1);
    EXPECT_EQ(UnicodeToAnsi(u"x", nullptr, 8), -1);
    EXPECT_EQ(UnicodeToAnsi(nullptr, buffer.data(), 8), 0);
}

TEST_F(AnsiConversionTest, ShowsAndReportsUndefinedBytesAsReplacementCharacters)
{
    const QString replacement(QChar::ReplacementCharacter);
    const struct {
        const char* codepage;
        QByteArray bytes;
        QString text;
    } cases[] = {
        { "65001",
            QByteArray("a\xff"
                       "b"),
            u'a' + replacement + u'b' },
        { "65001", QByteArray("a\xe4\xb8"), u'a' + replacement }, // cut off at the end
        { "936", QByteArray("\xd6\xd0\xd6"), QStringLiteral("中") + replacement },
    };
    for (const auto& c : cases) {
        WriteSettings(QByteArray("codepage=") + c.codepage);
        bool lossy = false;
        EXPECT_EQ(AnsiToUnicode(c.bytes.constData(), static_cast<int>(c.bytes.size()), &lossy), c.text);
        EXPECT_TRUE(lossy) << c.codepage;
    }
    EXPECT_EQ(AnsiToUnicode(nullptr, 5), QString());
    const QByteArray many(100000, 'a');
    EXPECT_EQ(AnsiToUnicode(many.constData(), static_cast<int>(many.size())).size(), 100000);
}

} // namespace
