#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/tests/DeviceFixture.h"

#include <QBuffer>

namespace {

QByteArray Archived(const QString& text)
{
    QByteArray bytes;
    AppendArchivedString(bytes, text);
    return bytes;
}

bool Read(const QByteArray& bytes, QString& out, qint64* consumed = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const bool ok = ReadArchivedString(buffer, out);
    if (consumed)
        *consumed = buffer.pos();
    return ok;
}

struct PrefixCase {
    int length;
    QByteArray prefix;
};

void PrintTo(const PrefixCase& c, std::ostream* out)
{
    *out << c.length << " characters";
}

class ArchivedStringPrefix : public testing::TestWithParam<PrefixCase> {};

TEST_P(ArchivedStringPrefix, WritesTheWidePrefixAndReadsItBack)
{
    const PrefixCase& c = GetParam();
    const QString text(c.length, QChar(u'你'));
    const QByteArray bytes = Archived(text);
    ASSERT_EQ(bytes.size(), c.prefix.size() + 2 * c.length);
    EXPECT_EQ(bytes.left(c.prefix.size()).toHex(' '), c.prefix.toHex(' '));
    EXPECT_EQ(bytes.mid(c.prefix.size(), 2), QByteArray("\x60\x4F"));

    QString back;
    qint64 consumed = 0;
    ASSERT_TRUE(Read(bytes + "tail", back, &consumed));
    EXPECT_EQ(back, text);
    EXPECT_EQ(consumed, bytes.size());
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ArchivedStringPrefix,
    testing::Values(PrefixCase { 1, QByteArray::fromHex("FFFEFF01") },
                    PrefixCase { 254, QByteArray::fromHex("FFFEFFFE") },
                    PrefixCase { 255, QByteArray::fromHex("FFFEFFFFFF00") },
                    PrefixCase { 65533, QByteArray::fromHex("FFFEFFFFFDFF") },
                    PrefixCase { 65534, QByteArray::fromHex("FFFEFFFFFFFFFEFF0000") },
                    PrefixCase { 70000, QByteArray::fromHex("FFFEFFFFFFFF70110100") }));

TEST(ArchivedString, EmptyStringIsTheMarkAndALengthOfZero)
{
    EXPECT_EQ(Archived(QString()), QByteArray::fromHex("FFFEFF00"));
    QString back = QStringLiteral("old");
    ASSERT_TRUE(Read(QByteArray::fromHex("FFFEFF00"), back));
    EXPECT_TRUE(back.isEmpty());
}

TEST(ArchivedString, KeepsEveryCodeUnitIncludingZeroAndLoneSurrogates)
{
    const QString text = QString(QChar(u'a')) + QChar(u'\0') + QChar(char16_t(0xD800)) + QChar(char16_t(0xFFFF));
    QString back;
    ASSERT_TRUE(Read(Archived(text), back));
    EXPECT_EQ(back, text);
}

TEST(ArchivedString, ReadsTheShortWideFormsOfOtherWriters)
{
    // A 16-bit length after the mark, and a 32-bit one, both for "ab".
    for (const char* hex : { "FFFEFFFF0200", "FFFEFFFFFFFF02000000" }) {
        QString back;
        ASSERT_TRUE(Read(QByteArray::fromHex(hex) + QByteArray("a\0b\0", 4), back)) << hex;
        EXPECT_EQ(back, QStringLiteral("ab")) << hex;
    }
}

class ArchivedStringAnsi : public DeviceFixture {};

TEST_F(ArchivedStringAnsi, ReadsTheEightBitFormsInTheCodePage)
{
    SetShellSetting(QStringLiteral("codepage"), QStringLiteral("1252"));
    QString back;
    ASSERT_TRUE(Read(QByteArray::fromHex("03") + "ab\xE9", back));
    EXPECT_EQ(back, QStringLiteral("abé"));
    ASSERT_TRUE(Read(QByteArray::fromHex("FF0300") + "xyz", back));
    EXPECT_EQ(back, QStringLiteral("xyz"));
    ASSERT_TRUE(Read(QByteArray::fromHex("FFFFFF03000000") + "123", back));
    EXPECT_EQ(back, QStringLiteral("123"));
    const QByteArray long8(300, 'q');
    ASSERT_TRUE(Read(QByteArray::fromHex("FF2C01") + long8, back));
    EXPECT_EQ(back, QString::fromLatin1(long8));
}

TEST_F(ArchivedStringAnsi, EightBitFormUsesUtf8ByDefault)
{
    QString back;
    ASSERT_TRUE(Read(QByteArray::fromHex("03") + "\xE4\xBD\xA0", back));
    EXPECT_EQ(back, QStringLiteral("你"));
}

TEST(ArchivedString, TruncatedInputFails)
{
    const QByteArray whole = Archived(QStringLiteral("hello"));
    for (qsizetype size = 0; size < whole.size(); ++size) {
        QString back;
        EXPECT_FALSE(Read(whole.left(size), back)) << size;
    }
    for (const char* hex : { "FF", "FFFE", "FFFEFF", "FFFEFFFF", "FFFEFFFFFF", "FFFEFFFFFFFF0100", "FF01" }) {
        QString back;
        EXPECT_FALSE(Read(QByteArray::fromHex(hex), back)) << hex;
    }
}

TEST(ArchivedString, TheLargestLengthIsRefused)
{
    QString back;
    EXPECT_FALSE(Read(QByteArray::fromHex("FFFEFFFFFFFFFFFFFFFF") + QByteArray(64, 'x'), back));
}

TEST(ArchivedString, AnnouncedLengthBeyondTheDataFailsWithoutReservingIt)
{
    // Four billion characters announced by a 20-byte file: refused at once.
    QByteArray bytes = QByteArray::fromHex("FFFEFFFFFFFFFEFFFFFF");
    bytes.append(10, 'x');
    ASSERT_EQ(bytes.size(), 20);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("huge.note")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString back;
    EXPECT_FALSE(ReadArchivedString(file, back));
}

} // namespace
