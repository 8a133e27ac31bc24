#include "notebook/storage/ArchivedString.h"
#include "shell/tests/ShellEnvironment.h"

#include <QBuffer>

#include <optional>

namespace {

// One archived string read from bytes, and how many bytes it took; nothing
// when the read fails.
std::optional<QString> Read(const QByteArray& bytes, qint64* consumed = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QString text = QStringLiteral("old");
    const bool read = ReadArchivedString(buffer, text);
    if (consumed)
        *consumed = buffer.pos();
    return read ? std::optional(text) : std::nullopt;
}

TEST(ArchivedString, WritesTheWidePrefixForEachLengthAndReadsItBack)
{
    const struct {
        int length;
        const char* prefix;
    } cases[] = { { 0, "FFFEFF00" }, { 254, "FFFEFFFE" }, { 255, "FFFEFFFFFF00" }, { 65533, "FFFEFFFFFDFF" },
        { 65534, "FFFEFFFFFFFFFEFF0000" }, { 70000, "FFFEFFFFFFFF70110100" } };
    for (const auto& c : cases) {
        const QString text(c.length, QChar(u'你'));
        QByteArray bytes;
        AppendArchivedString(bytes, text);
        const QByteArray expected = QByteArray::fromHex(c.prefix) + QByteArray("\x60\x4F").repeated(c.length);
        EXPECT_TRUE(bytes == expected) << c.length;
        qint64 consumed = 0;
        EXPECT_EQ(Read(bytes + "tail", &consumed), text) << c.length;
        EXPECT_EQ(consumed, bytes.size()) << c.length;
    }
    const QString units(reinterpret_cast<const QChar*>(u"a\0\xD800\xFFFF"), 4);
    QByteArray bytes;
    AppendArchivedString(bytes, units);
    EXPECT_EQ(Read(bytes), units) << "every code unit is kept";
}

class ArchivedStringRead : public BareShellEnvironment { };

TEST_F(ArchivedStringRead, ReadsEveryFormOfOtherWritersAndRefusesWhatTheDataCannotHold)
{
    EXPECT_EQ(Read(QByteArray::fromHex("03E4BDA0")), QStringLiteral("你")) << "8-bit strings are UTF-8 by default";
    SetShellSetting(QStringLiteral("codepage"), QStringLiteral("1252"));
    const struct {
        const char* hex;
        QByteArray characters;
        std::optional<QString> text;
    } cases[] = {
        { "FFFEFFFF0200", QByteArray("a\0b\0", 4), QStringLiteral("ab") },
        { "FFFEFFFFFFFF02000000", QByteArray("a\0b\0", 4), QStringLiteral("ab") },
        { "03", "ab\xE9", QStringLiteral("abé") },
        { "FFFFFF03000000", "123", QStringLiteral("123") },
        { "FF2C01", QByteArray(300, 'q'), QString(300, QChar(u'q')) },
        { "", "", std::nullopt },
        { "FFFEFF", "", std::nullopt },
        { "FFFEFFFFFF", "", std::nullopt },
        { "FFFEFFFFFFFF0100", "", std::nullopt },
        { "FF01", "", std::nullopt },
        { "FFFEFF05", "h\0e\0l\0l\0", std::nullopt },
        { "FFFEFFFFFFFFFFFFFFFF", QByteArray(64, 'x'), std::nullopt },
        // Four billion characters announced by a 20-byte file: refused at once, nothing reserved.
        { "FFFEFFFFFFFFFEFFFFFF", QByteArray(10, 'x'), std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(QByteArray::fromHex(c.hex) + c.characters), c.text) << c.hex;
}

} // namespace
