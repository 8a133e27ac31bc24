#include "notebook/storage/Note.h"
#include "notebook/storage/tests/DeviceFixture.h"

#include <optional>
#include <vector>

namespace {

const QString kReplacement(QChar::ReplacementCharacter);

TEST(Utf8ToString, DecodesInFullAndTellsOfLoss)
{
    const struct {
        const char* name;
        QByteArray bytes;
        std::vector<char16_t> units; // empty for bytes that are not UTF-8
    } cases[] = {
        { "Empty", QByteArray(), {} },
        { "ThreeBytes", "\xE4\xBD\xA0\xEF\xBF\xBF", { 0x4F60, 0xFFFF } },
        { "SignatureInsideIsACharacter", "\xEF\xBB\xBFx", { 0xFEFF, u'x' } },
        { "LoneContinuation", "\x80", {} },
        { "Overlong", "\xC1\x81", {} },
        { "Surrogate", "\xED\xA0\x80", {} },
        { "BeyondU10FFFF", "\xF4\x90\x80\x80", {} },
        { "CutInsideThreeBytes", "ab\xE4\xBD", {} },
    };
    for (const auto& c : cases) {
        bool lossy = false;
        const QString text = CNote::Utf8ToString(c.bytes.constData(), c.bytes.size(), &lossy);
        EXPECT_EQ(lossy, c.units.empty() && !c.bytes.isEmpty()) << c.name;
        if (lossy)
            EXPECT_TRUE(text.contains(kReplacement)) << c.name << ": what is lost shows";
        else
            EXPECT_EQ(text, QString(reinterpret_cast<const QChar*>(c.units.data()), qsizetype(c.units.size())))
                << c.name;
    }
}

class NoteFile : public DeviceFixture {};

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
        { "Utf16SignatureOnly", "1252", "FFFE", "", 1, "FFFE2100" },
        { "Utf16StaysUtf16", "1252", "FFFE6100", "a", 1, "FFFE6F006B00", "ok" },
        { "Utf16Emptied", "1252", "FFFE6100", "a", 1, "FFFE", "" },
        { "Utf8", "1252", "EFBBBF63C3A9E4BDA0", "cé你", 1, "FFFE6300E900604F2100" },
        { "Utf8FourBytes", "1252", "EFBBBFF09F98807A", "😀z", 1, "FFFE3DD800DE7A002100" },
        { "Utf8Invalid", "1252", "EFBBBF61FF62", u'a' + kReplacement + u'b', 1, "EFBBBF61FF62" },
        { "Utf8ZeroIsLoss", "1252", "EFBBBF610062", zero, 1, "EFBBBF610062" },
        // Only all three signature bytes make UTF-8; any other EF is the code page's.
        { "LoneEFIsAnsi", "1252", "EF", "ï", 0, "EF21" },
        { "EFWithoutSignatureIsAnsi", "65001", "EFBC88E6B3A8E6848FEFBC89", "（注意）", 0,
          "EFBC88E6B3A8E6848FEFBC89 21" },
        { "Ansi", "1252", "636166E9", "café", 0, "636166E9 21" },
        { "AnsiBeyondTheCodePage", "1252", "706C61696E", "plain", 0, "FFFEE70061002000604F", "ça 你" },
        { "AnsiGainingAZero", "1252", "6162", "ab", 0, "FFFE610000006200", zero },
        // Three bytes for most Chinese characters in the UTF-8 code page.
        { "AnsiUtf8CodePage", "65001", "78", "x", 0, "E4BDA0E5A5BDE4BDA0E5A5BD", "你好你好" },
        { "AnsiEmptied", "1252", "61", "a", 0, "", "" },
        { "AnsiUndefinedByteIsLoss", "1252", "6181", u'a' + kReplacement, 0, "6181" },
        { "AnsiInvalidUtf8IsLoss", "65001", "636166E9", QStringLiteral("caf") + kReplacement, 0, "636166E9" },
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
        EXPECT_EQ(note.m_strTitle, QStringLiteral("letter.txt")) << c.name;
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
    CNote bare;
    ASSERT_TRUE(bare.LoadFromHostFile(HostPath(path), QStringLiteral("a.txt"), false));
    EXPECT_EQ(bare.m_strTitle, QStringLiteral("a.txt")) << "a path without a backslash is its own title";
}

TEST_F(NoteFile, ArchiveFileIsTheTwoStringsAndNoMore)
{
    SetShellSetting(QStringLiteral("codepage"), QStringLiteral("1252"));
    const struct {
        const char* name;
        QByteArray bytes;
        bool loads;
        QString title;
        QString text;
    } cases[] = {
        { "EightBitAndTrailingBytes", QByteArray::fromHex("025431 FFFEFF016100") + "junk", true, "T1", "a" },
        // "Hi" announces 72 bytes of 8-bit text: far more than the file holds.
        { "PlainTextAnnouncingTooMuch", "Hi there", false, "", "before" },
        { "PlainTextSpellingTwoStrings", QByteArray("\x01" "A\x00", 3), true, "A", "" },
        { "CutInTheText", QByteArray::fromHex("FFFEFF015400 FFFEFF056100"), false, "T", "before" },
    };
    const QString path = QStringLiteral("\\Note\\n.note");
    for (const auto& c : cases) {
        WriteDeviceFile(path, c.bytes);
        CNote note;
        note.m_strText = QStringLiteral("before");
        EXPECT_EQ(note.Load(path, true), c.loads) << c.name;
        EXPECT_EQ(note.m_strTitle, c.title) << c.name;
        EXPECT_EQ(note.m_strText, c.text) << c.name;
    }

    // Written back in the 16-bit form; emptied, the file goes.
    WriteDeviceFile(path, QByteArray::fromHex("025431 FFFEFF016100"));
    CNote note;
    ASSERT_TRUE(note.Load(path, true));
    note.m_strText = QStringLiteral("x\ny");
    ASSERT_TRUE(note.Save());
    EXPECT_EQ(ReadDeviceFile(path).toHex(' '),
              QByteArray::fromHex("FFFEFF0254003100 FFFEFF0378000A007900").toHex(' '));
    note.m_strText.clear();
    EXPECT_TRUE(note.IsEmpty());
    EXPECT_TRUE(note.Save());
    EXPECT_FALSE(DeviceFileExists(path));
    note.m_strText = QStringLiteral("z");
    ASSERT_TRUE(note.Save());
    EXPECT_EQ(ReadDeviceFile(path).toHex(' '), QByteArray::fromHex("FFFEFF0254003100 FFFEFF017A00").toHex(' '));

    // A title or text the code page does not define is never written over.
    for (const char* hex : { "02 5481 FFFEFF016100", "FFFEFF015400 02 6181" }) {
        WriteDeviceFile(path, QByteArray::fromHex(hex));
        ASSERT_TRUE(note.Load(path, true)) << hex;
        EXPECT_TRUE(note.IsReadWithLoss()) << hex;
        note.m_strText = QStringLiteral("edited");
        EXPECT_FALSE(note.Save()) << hex;
        EXPECT_EQ(ReadDeviceFile(path), QByteArray::fromHex(hex)) << hex;
    }

    // A file that cannot be opened leaves the note as it was.
    QDir().mkpath(HostPath(QStringLiteral("\\Note\\folder.note")));
    CNote kept;
    kept.m_strTitle = QStringLiteral("keep");
    EXPECT_FALSE(kept.Load(QStringLiteral("\\Note\\missing.note"), true));
    EXPECT_FALSE(kept.Load(QStringLiteral("\\Note\\missing.txt"), false));
    EXPECT_FALSE(kept.Load(QStringLiteral("\\Note\\folder.note"), true));
    EXPECT_EQ(kept.m_strTitle, QStringLiteral("keep"));
    EXPECT_TRUE(kept.m_strPath.isEmpty());
    EXPECT_EQ(kept.m_bArchive, 1);
}

} // namespace
