#include "notebook/storage/Note.h"
#include "platform/device/DevicePath.h"
#include "shell/tests/ShellEnvironment.h"

#include <optional>

namespace {

const QString kReplacement(QChar::ReplacementCharacter);

class NoteFile : public BareShellEnvironment { };

// A file is loaded, then its text is replaced by edit (or "!" is appended) and
// saved: afterEdit is the file then, in UTF-16 only where the code page cannot
// hold the text. A file read with loss keeps its bytes. Bytes are in hex.
TEST_F(NoteFile, PlainTextLoadsAndIsWrittenBackAfterAnEditUnlessReadWithLoss)
{
    const QString zero = QString(QChar(u'a')) + QChar() + u'b';
    const struct {
        const char* name;
        const char* codepage;
        const char* bytes;
        QString text;
        int unicode;
        const char* afterEdit;
        std::optional<QString> edit {};
    } cases[] = {
        { "Utf16", "1252", "FFFE680069006000", "hi`", 1, "FFFE680069006000 2100" },
        { "Utf16ZeroUnitIsLoss", "1252", "FFFE610000006200", "a", 1, "FFFE610000006200" },
        { "Utf16OddByteIsLoss", "1252", "FFFE610062", "a", 1, "FFFE610062" },
        { "Utf16Emptied", "1252", "FFFE6100", "a", 1, "FFFE", "" },
        { "Utf8", "1252", "EFBBBF63C3A9E4BDA0", "cé你", 1, "FFFE6300E900604F2100" },
        { "Utf8FourBytes", "1252", "EFBBBFF09F98807A", "😀z", 1, "FFFE3DD800DE7A002100" },
        // A signature after the first is a character; a sequence cut by the end is lost.
        { "Utf8SignatureInside", "1252", "EFBBBFEFBBBF78", QStringLiteral("\uFEFFx"), 1, "FFFEFFFE78002100" },
        { "Utf8CutInASequence", "1252", "EFBBBF6162C3", QStringLiteral("ab") + kReplacement, 1, "EFBBBF6162C3" },
        { "Utf8ZeroIsLoss", "1252", "EFBBBF610062", zero, 1, "EFBBBF610062" },
        // Only all three signature bytes make UTF-8; any other EF is the code page's.
        { "EFWithoutSignatureIsAnsi", "65001", "EFBC88E6B3A8E6848FEFBC89", "（注意）", 0,
            "EFBC88E6B3A8E6848FEFBC89 21" },
        { "AnsiBeyondTheCodePage", "1252", "706C61696E", "plain", 0, "FFFEE70061002000604F", "ça 你" },
        { "AnsiGainingAZero", "1252", "6162", "ab", 0, "FFFE610000006200", zero },
        { "AnsiEmptied", "1252", "61", "a", 0, "", "" },
        { "AnsiUndefinedByteIsLoss", "1252", "6181", u'a' + kReplacement, 0, "6181" },
        { "AnsiEmptyFile", "1252", "", "", 0, "21" },
        { "AnsiFFWithoutFE", "1252", "FF41", "ÿA", 0, "FF4121" },
        { "AnsiZeroByteIsLoss", "1252", "68006900", "h", 0, "68006900" },
        { "Utf8WithoutSignatureIsAnsi", "1252", "C3A9", "Ã©", 0, "C3A921" },
    };
    const QString path = QStringLiteral("\\Docs\\letter.txt");
    for (const auto& c : cases) {
        SetShellSetting(QStringLiteral("codepage"), QString::fromLatin1(c.codepage));
        const QByteArray bytes = QByteArray::fromHex(c.bytes);
        const QByteArray afterEdit = QByteArray::fromHex(c.afterEdit);
        WriteDeviceFile(path, bytes);
        CNote note;
        ASSERT_TRUE(note.Load(path, false)) << c.name;
        EXPECT_EQ(note.m_strText, c.text) << c.name;
        EXPECT_EQ(note.m_bUnicode, c.unicode) << c.name;
        const bool lossless = afterEdit != bytes;
        EXPECT_EQ(note.IsReadWithLoss(), !lossless) << c.name;

        note.m_strText = c.edit.value_or(note.m_strText + u'!');
        EXPECT_EQ(note.Save(), lossless) << c.name;
        EXPECT_TRUE(DeviceFileExists(path)) << c.name;
        EXPECT_EQ(ReadDeviceFile(path).toHex(' '), afterEdit.toHex(' ')) << c.name;
        EXPECT_EQ(note.m_bUnicode, lossless ? int(afterEdit.startsWith("\xFF\xFE")) : c.unicode) << c.name;
    }
}

TEST_F(NoteFile, ArchiveFileIsTheTwoStringsAndNoMore)
{
    SetShellSetting(QStringLiteral("codepage"), QStringLiteral("1252"));
    const QString path = QStringLiteral("\\Note\\n.note");
    // "Hi" announces 72 bytes of 8-bit text: far more than the file holds.
    WriteDeviceFile(path, "Hi there");
    CNote note;
    EXPECT_FALSE(note.Load(path, true));
    WriteDeviceFile(path, QByteArray::fromHex("025431 FFFEFF016100"));
    bool loaded = false;
    WithoutStandardInput([&] { loaded = note.Load(path, true); });
    ASSERT_TRUE(loaded);
    EXPECT_EQ(note.m_strTitle, QStringLiteral("T1"));
    EXPECT_EQ(note.m_strText, QStringLiteral("a"));
    EXPECT_FALSE(note.IsReadWithLoss());
    EXPECT_TRUE(note.Save()) << "nothing to write is no failure";

    // Written back in the 16-bit form; emptied, the file goes.
    note.m_strText = QStringLiteral("x\ny");
    ASSERT_TRUE(note.Save());
    EXPECT_EQ(ReadDeviceFile(path).toHex(' '), QByteArray::fromHex("FFFEFF0254003100 FFFEFF0378000A007900").toHex(' '));
    note.m_strText.clear();
    EXPECT_TRUE(note.Save());
    EXPECT_FALSE(DeviceFileExists(path));
    // Emptied once another program removed the file, nothing is left to do;
    // once another program wrote it, it stays.
    for (const bool removed : { true, false }) {
        note.m_strText = QStringLiteral("z");
        ASSERT_TRUE(note.Save());
        removed ? (void)QFile::remove(HostPath(path)) : WriteDeviceFile(path, "theirs");
        note.m_strText.clear();
        EXPECT_EQ(note.Save(), removed);
        EXPECT_EQ(DeviceFileExists(path), !removed);
    }

    // A title or text the code page does not define, or bytes after the text
    // (a plain list named .note), are never written over.
    for (const char* hex : { "02 5481 FFFEFF016100", "FFFEFF015400 02 6181", "025431 FFFEFF016100 6a756e6b" }) {
        WriteDeviceFile(path, QByteArray::fromHex(hex));
        ASSERT_TRUE(note.Load(path, true)) << hex;
        EXPECT_TRUE(note.IsReadWithLoss()) << hex;
        note.m_strText = QStringLiteral("edited");
        EXPECT_FALSE(note.Save()) << hex;
        EXPECT_EQ(ReadDeviceFile(path), QByteArray::fromHex(hex)) << hex;
    }
    // A file larger than any note is not read at all.
    ASSERT_TRUE(QFile::resize(HostPathFromDevicePath(path), CNote::kLargestNoteFile + 1));
    EXPECT_FALSE(note.Load(path, true));
}

} // namespace
