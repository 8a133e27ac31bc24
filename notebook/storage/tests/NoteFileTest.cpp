#include "notebook/storage/Note.h"
#include "notebook/storage/tests/DeviceFixture.h"

#include <vector>

namespace {

struct PlainCase {
    const char* name;
    const char* codepage;
    QByteArray bytes;
    QString text;
    int unicode;
    // The file once "!" is appended to the text and saved; a file read with
    // loss keeps its bytes.
    QByteArray afterEdit;
};

void PrintTo(const PlainCase& c, std::ostream* out)
{
    *out << c.name;
}

class PlainTextFile : public DeviceFixture, public testing::WithParamInterface<PlainCase> {};

TEST_P(PlainTextFile, LoadsAndIsWrittenBackAfterAnEditUnlessReadWithLoss)
{
    const PlainCase& c = GetParam();
    SetShellSetting(QStringLiteral("codepage"), QString::fromLatin1(c.codepage));
    const QString path = QStringLiteral("\\Docs\\letter.txt");
    WriteDeviceFile(path, c.bytes);

    CNote note;
    ASSERT_TRUE(note.Load(path, false));
    EXPECT_EQ(note.m_strTitle, QStringLiteral("letter.txt"));
    EXPECT_EQ(note.m_strText, c.text);
    EXPECT_EQ(note.m_strPath, path);
    EXPECT_EQ(note.m_bArchive, 0);
    EXPECT_EQ(note.m_bUnicode, c.unicode);
    const bool lossless = c.afterEdit != c.bytes;
    EXPECT_EQ(note.IsReadWithLoss(), !lossless);

    note.m_strText += u'!';
    EXPECT_EQ(note.Save(), lossless);
    EXPECT_EQ(ReadDeviceFile(path).toHex(' '), c.afterEdit.toHex(' '));
}

const QString kReplacement(QChar::ReplacementCharacter);

INSTANTIATE_TEST_SUITE_P(Encodings, PlainTextFile, testing::Values(
    PlainCase { "Utf16", "1252", QByteArray::fromHex("FFFE680069006000"), QStringLiteral("hi`"), 1,
                QByteArray::fromHex("FFFE68006900600021 00") },
    PlainCase { "Utf16ZeroUnitIsLoss", "1252", QByteArray::fromHex("FFFE610000006200"), QStringLiteral("a"), 1,
                QByteArray::fromHex("FFFE610000006200") },
    PlainCase { "Utf16OddByteIsLoss", "1252", QByteArray::fromHex("FFFE610062"), QStringLiteral("a"), 1,
                QByteArray::fromHex("FFFE610062") },
    PlainCase { "Utf16SignatureOnly", "1252", QByteArray::fromHex("FFFE"), QString(), 1, QByteArray::fromHex("FFFE2100") },
    PlainCase { "Utf8", "1252", QByteArray::fromHex("EFBBBF63C3A9E4BDA0"), QStringLiteral("cé你"), 1,
                QByteArray::fromHex("FFFE6300E900604F2100") },
    PlainCase { "Utf8FourBytes", "1252", QByteArray::fromHex("EFBBBFF09F98807A"), QStringLiteral("😀z"), 1,
                QByteArray::fromHex("FFFE3DD800DE7A002100") },
    PlainCase { "Utf8Invalid", "1252", QByteArray::fromHex("EFBBBF61FF62"), u'a' + kReplacement + u'b', 1,
                QByteArray::fromHex("EFBBBF61FF62") },
    // Only all three signature bytes make UTF-8; any other EF is the code page's.
    PlainCase { "LoneEFIsAnsi", "1252", QByteArray("\xEF"), QStringLiteral("ï"), 0, QByteArray("\xEF!") },
    PlainCase { "EFWithoutSignatureIsAnsi", "65001", QStringLiteral("（注意）").toUtf8(), QStringLiteral("（注意）"), 0,
                QStringLiteral("（注意）!").toUtf8() },
    PlainCase { "Ansi", "1252", QByteArray("caf\xE9"), QStringLiteral("café"), 0, QByteArray("caf\xE9!") },
    PlainCase { "AnsiUndefinedByteIsLoss", "1252", QByteArray("a\x81"), u'a' + kReplacement, 0, QByteArray("a\x81") },
    PlainCase { "AnsiInvalidUtf8IsLoss", "65001", QByteArray("caf\xE9"), QStringLiteral("caf") + kReplacement, 0,
                QByteArray("caf\xE9") },
    PlainCase { "AnsiEmptyFile", "1252", QByteArray(), QString(), 0, QByteArray("!") },
    PlainCase { "AnsiFFWithoutFE", "1252", QByteArray("\xFF" "A"), QStringLiteral("ÿA"), 0, QByteArray("\xFF" "A!") },
    PlainCase { "AnsiZeroByteIsLoss", "1252", QByteArray("h\0i\0", 4), QStringLiteral("h"), 0, QByteArray("h\0i\0", 4) },
    PlainCase { "Utf8WithoutSignatureIsAnsi", "1252", QByteArray("\xC3\xA9"), QStringLiteral("Ã©"), 0,
                QByteArray("\xC3\xA9!") }),
    [](const testing::TestParamInfo<PlainCase>& info) { return std::string(info.param.name); });

class NoteFile : public DeviceFixture {};

TEST_F(NoteFile, PlainTitleIsTheBareFileName)
{
    WriteDeviceFile(QStringLiteral("\\a\\b\\c.d.txt"), "x");
    CNote note;
    ASSERT_TRUE(note.Load(QStringLiteral("\\a\\b\\c.d.txt"), false));
    EXPECT_EQ(note.m_strTitle, QStringLiteral("c.d.txt"));

    const QString host = HostPath(QStringLiteral("\\a\\b\\c.d.txt"));
    ASSERT_TRUE(note.Load(QStringLiteral("Z:") + QString(host).replace(u'/', u'\\'), false));
    EXPECT_EQ(note.m_strTitle, QStringLiteral("c.d.txt"));

    ASSERT_TRUE(note.LoadFromHostFile(host, QStringLiteral("a.txt"), false));
    EXPECT_EQ(note.m_strTitle, QStringLiteral("a.txt"));
}

TEST_F(NoteFile, ArchiveFileIsExactlyTheTwoStrings)
{
    CNote note;
    note.m_strPath = QStringLiteral("\\Note\\n.note");
    note.m_strTitle = QStringLiteral("T");
    note.m_strText = QStringLiteral("x\ny");
    QDir().mkpath(HostPath(QStringLiteral("\\Note")));
    ASSERT_TRUE(note.Save());
    EXPECT_EQ(ReadDeviceFile(note.m_strPath).toHex(' '),
              QByteArray::fromHex("FFFEFF01 5400 FFFEFF03 78000A007900").toHex(' '));

    CNote back;
    ASSERT_TRUE(back.Load(note.m_strPath, true));
    EXPECT_EQ(back.m_strTitle, note.m_strTitle);
    EXPECT_EQ(back.m_strText, note.m_strText);
    EXPECT_EQ(back.m_bArchive, 1);
}

TEST_F(NoteFile, ArchiveReadsEightBitStringsAndIgnoresTrailingBytes)
{
    const QString path = QStringLiteral("\\Note\\old.note");
    WriteDeviceFile(path, QByteArray::fromHex("0254 31") + QByteArray::fromHex("FFFEFF0161 00") + "junk");
    CNote note;
    ASSERT_TRUE(note.Load(path, true));
    EXPECT_EQ(note.m_strTitle, QStringLiteral("T1"));
    EXPECT_EQ(note.m_strText, QStringLiteral("a"));
    note.m_strText = QStringLiteral("b");
    ASSERT_TRUE(note.Save());
    EXPECT_EQ(ReadDeviceFile(path).toHex(), QByteArray::fromHex("FFFEFF02 54003100 FFFEFF01 6200").toHex());
}

TEST_F(NoteFile, ArchiveLoadFailureKeepsWhatWasRead)
{
    const QString path = QStringLiteral("\\Note\\cut.note");
    WriteDeviceFile(path, QByteArray::fromHex("FFFEFF0154 00 FFFEFF05 6100"));
    CNote note;
    note.m_strText = QStringLiteral("before");
    EXPECT_FALSE(note.Load(path, true));
    EXPECT_EQ(note.m_strPath, path);
    EXPECT_EQ(note.m_strTitle, QStringLiteral("T"));
    EXPECT_EQ(note.m_strText, QStringLiteral("before"));
}

TEST_F(NoteFile, PlainTextFileReadAsArchiveLoadsWhatItsBytesSpell)
{
    // "Hi" announces 72 bytes of 8-bit text: far more than the file holds.
    WriteDeviceFile(QStringLiteral("\\Note\\text.note"), "Hi there");
    CNote note;
    EXPECT_FALSE(note.Load(QStringLiteral("\\Note\\text.note"), true));
    // Two bytes: length 1 "A", then an empty string.
    WriteDeviceFile(QStringLiteral("\\Note\\tiny.note"), QByteArray("\x01" "A\x00", 3));
    ASSERT_TRUE(note.Load(QStringLiteral("\\Note\\tiny.note"), true));
    EXPECT_EQ(note.m_strTitle, QStringLiteral("A"));
    EXPECT_EQ(note.m_strText, QString());
}

TEST_F(NoteFile, UnopenableFileLeavesTheNoteUnchanged)
{
    CNote note;
    note.m_strTitle = QStringLiteral("keep");
    EXPECT_FALSE(note.Load(QStringLiteral("\\Note\\missing.note"), true));
    EXPECT_FALSE(note.Load(QStringLiteral("\\Note\\missing.txt"), false));
    QDir().mkpath(HostPath(QStringLiteral("\\Note\\folder.note")));
    EXPECT_FALSE(note.Load(QStringLiteral("\\Note\\folder.note"), true));
    EXPECT_EQ(note.m_strTitle, QStringLiteral("keep"));
    EXPECT_TRUE(note.m_strPath.isEmpty());
    EXPECT_EQ(note.m_bArchive, 1);
}

TEST_F(NoteFile, ArchiveNoteWithoutTextDeletesItsFile)
{
    const QString path = QStringLiteral("\\Note\\gone.note");
    WriteDeviceFile(path, QByteArray::fromHex("FFFEFF0154 00 FFFEFF0161 00"));
    CNote note;
    ASSERT_TRUE(note.Load(path, true));
    note.m_strText.clear();
    EXPECT_TRUE(note.IsEmpty());
    EXPECT_TRUE(note.Save());
    EXPECT_FALSE(DeviceFileExists(path));
    // Never written, nothing to delete: nothing happens.
    EXPECT_TRUE(note.Save());
    EXPECT_FALSE(DeviceFileExists(path));
}

TEST_F(NoteFile, PlainNoteWithoutTextIsStillWritten)
{
    WriteDeviceFile(QStringLiteral("\\Docs\\u.txt"), QByteArray::fromHex("FFFE6100"));
    WriteDeviceFile(QStringLiteral("\\Docs\\a.txt"), "a");
    CNote unicode;
    CNote ansi;
    ASSERT_TRUE(unicode.Load(QStringLiteral("\\Docs\\u.txt"), false));
    ASSERT_TRUE(ansi.Load(QStringLiteral("\\Docs\\a.txt"), false));
    unicode.m_strText.clear();
    ansi.m_strText.clear();
    ASSERT_TRUE(unicode.Save());
    ASSERT_TRUE(ansi.Save());
    EXPECT_EQ(ReadDeviceFile(QStringLiteral("\\Docs\\u.txt")), QByteArray::fromHex("FFFE"));
    EXPECT_TRUE(DeviceFileExists(QStringLiteral("\\Docs\\a.txt")));
    EXPECT_EQ(ReadDeviceFile(QStringLiteral("\\Docs\\a.txt")), QByteArray());
}

} // namespace
