#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/NoteFolder.h"
#include "notebook/storage/NoteList.h"
#include "notebook/storage/tests/DeviceFixture.h"

#include <QDirIterator>
#include <QFile>

#include <unistd.h>

namespace {

const QString kFolder = QStringLiteral("\\Notes");

class NoteList : public DeviceFixture {
protected:
    void WriteNote(const QString& relative, const QString& title, const QString& text = QStringLiteral("text"))
    {
        QByteArray bytes;
        AppendArchivedString(bytes, title);
        AppendArchivedString(bytes, text);
        WriteDeviceFile(kFolder + u'\\' + relative, bytes);
    }

    static QStringList Titles(const CNoteList& list)
    {
        QStringList titles;
        for (int i = 0; i < list.GetCount(); ++i)
            titles << list.GetAt(i)->m_strTitle;
        return titles;
    }

    static QStringList Texts(const CNoteList& list)
    {
        QStringList texts;
        for (int i = 0; i < list.GetCount(); ++i)
            texts << list.GetAt(i)->m_strText;
        return texts;
    }

    static CNoteList::Clock FixedClock(const QDateTime& time)
    {
        return [time] { return time; };
    }

    const QDateTime m_time { QDate(2026, 12, 6), QTime(4, 15, 48) };
};

TEST_F(NoteList, EmptyOrMissingFolderLoadsNothing)
{
    CNoteList list;
    EXPECT_EQ(list.LoadFolder(QStringLiteral("\\Missing")), 0);
    QDir().mkpath(HostPath(kFolder));
    EXPECT_EQ(list.LoadFolder(kFolder), 0);
    EXPECT_EQ(list.LoadFolder(QString()), 0);
    EXPECT_EQ(list.GetCount(), 0);
}

TEST_F(NoteList, FindsNoteFilesByNameInEverySubFolder)
{
    WriteNote(QStringLiteral("a.txt"), QStringLiteral("txt"));
    WriteNote(QStringLiteral("x.note.bak"), QStringLiteral("bak"));
    WriteNote(QStringLiteral(".note"), QStringLiteral("dot"));
    WriteNote(QStringLiteral("a.NoTe"), QStringLiteral("mixed case"));
    WriteNote(QStringLiteral("b.NOTE"), QStringLiteral("upper case"));
    WriteNote(QStringLiteral("sub\\deeper\\c.note"), QStringLiteral("deep"));
    WriteNote(QStringLiteral(".hidden\\h.note"), QStringLiteral("hidden"));
    WriteNote(QStringLiteral("sub\\.h.note"), QStringLiteral("hidden file"));
    WriteNote(QStringLiteral("bad.note"), QStringLiteral("cut")); // replaced by a cut file below
    WriteDeviceFile(kFolder + QStringLiteral("\\bad.note"), QByteArray::fromHex("FFFEFF05 6100"));
    QDir().mkpath(HostPath(kFolder + QStringLiteral("\\folder.note")));
    // Zero bytes read as an empty title and text: a note as long as the size allows.
    for (const qint64 size : { CNote::kLargestNoteFile, CNote::kLargestNoteFile + 1 }) {
        QFile sparse(HostPath(kFolder + QStringLiteral("\\%1.note").arg(size)));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(size));
    }

    CNoteList list;
    EXPECT_EQ(list.LoadFolder(kFolder), 4);
    EXPECT_EQ(Titles(list), (QStringList { "", "deep", "mixed case", "upper case" }));
    EXPECT_EQ(list.GetAt(0)->m_strPath, kFolder + QStringLiteral("\\%1.note").arg(CNote::kLargestNoteFile));
    EXPECT_EQ(list.GetAt(1)->m_strPath, kFolder + QStringLiteral("\\sub\\deeper\\c.note"));
    EXPECT_EQ(list.GetAt(1)->m_bArchive, 1);
}

TEST_F(NoteList, EachFileIsOnePageWhateverItsNames)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("a"));
    const QByteArray real = QFile::encodeName(HostPath(kFolder + QStringLiteral("\\a.note")));
    ASSERT_TRUE(QFile::link(QString::fromUtf8(real), HostPath(kFolder + QStringLiteral("\\symbolic.note"))));
    QDir().mkpath(HostPath(kFolder + QStringLiteral("\\sub")));
    ASSERT_EQ(::link(real.constData(), QFile::encodeName(HostPath(kFolder + QStringLiteral("\\sub\\hard.note"))).constData()), 0);
    WriteDeviceFile(QStringLiteral("\\Docs\\a.txt"), "hello");
    ASSERT_TRUE(QFile::link(HostPath(QStringLiteral("\\Docs\\a.txt")), HostPath(QStringLiteral("\\Docs\\b.txt"))));

    CNoteList list;
    EXPECT_EQ(list.LoadFolder(kFolder), 1);
    EXPECT_EQ(list.AddFile(kFolder + QStringLiteral("\\sub\\hard.note")), 0);
    EXPECT_EQ(list.AddFile(QStringLiteral("\\Docs\\b.txt")), 1);
    EXPECT_EQ(list.AddFile(QStringLiteral("\\Docs\\a.txt")), 1);
    EXPECT_EQ(list.GetCount(), 2);
}

TEST_F(NoteList, OrdersByStoredTitleAsCodeUnits)
{
    WriteNote(QStringLiteral("1.note"), QStringLiteral("March 5, 2026 10:00 THU "));
    WriteNote(QStringLiteral("2.note"), QStringLiteral("April 9, 2026 10:00 THU "));
    WriteNote(QStringLiteral("3.note"), QStringLiteral("6 Aralık 2026, Pazar 04:15"));
    WriteNote(QStringLiteral("4.note"), QStringLiteral("10 Aralık 2026, Perşembe 04:15"));
    WriteNote(QStringLiteral("5.note"), QStringLiteral("2026 年 12 月 06 日 04:15 星期日 "));
    WriteNote(QStringLiteral("6.note"), QStringLiteral("2026 年 01 月 06 日 04:15 星期二 "));
    WriteNote(QStringLiteral("7.note"), QStringLiteral("april"));
    // U+FF01 sorts after a surrogate pair when compared as UTF-16 code units.
    WriteNote(QStringLiteral("8.note"), QString(QChar(char16_t(0xFF01))));
    WriteNote(QStringLiteral("9.note"), QStringLiteral("😀"));

    CNoteList list;
    EXPECT_EQ(list.LoadFolder(kFolder), 9);
    EXPECT_EQ(Titles(list), (QStringList { "10 Aralık 2026, Perşembe 04:15", "2026 年 01 月 06 日 04:15 星期二 ",
                                           "2026 年 12 月 06 日 04:15 星期日 ", "6 Aralık 2026, Pazar 04:15",
                                           "April 9, 2026 10:00 THU ", "March 5, 2026 10:00 THU ", "april",
                                           "😀", QString(QChar(char16_t(0xFF01))) }));
}

TEST_F(NoteList, EqualTitlesKeepTheOrderOfTheFolderSearch)
{
    for (int i = 0; i < 8; ++i)
        WriteNote(QStringLiteral("n%1.note").arg(i), QStringLiteral("same"), QStringLiteral("n%1").arg(i));
    WriteNote(QStringLiteral("first.note"), QStringLiteral("a"));
    QStringList found;
    QDirIterator entries(HostPath(kFolder), QStringList { "n*.note" }, QDir::Files);
    while (entries.hasNext())
        found << entries.next().section(u'/', -1).chopped(5);

    CNoteList list;
    list.LoadFolder(kFolder);
    EXPECT_EQ(Texts(list).mid(1), found);
}

TEST_F(NoteList, LaterLoadsMergeBehindEqualTitles)
{
    WriteNote(QStringLiteral("a\\1.note"), QStringLiteral("b"), QStringLiteral("first b"));
    WriteNote(QStringLiteral("b\\2.note"), QStringLiteral("b"), QStringLiteral("second b"));
    WriteNote(QStringLiteral("b\\3.note"), QStringLiteral("a"), QStringLiteral("a"));
    CNoteList list;
    EXPECT_EQ(list.LoadFolder(kFolder + QStringLiteral("\\a")), 1);
    EXPECT_EQ(list.LoadFolder(kFolder + QStringLiteral("\\b")), 2);
    EXPECT_EQ(Texts(list), (QStringList { "a", "first b", "second b" }));
}

TEST_F(NoteList, GetAtOutsideThePagesIsNone)
{
    WriteNote(QStringLiteral("1.note"), QStringLiteral("one"));
    CNoteList list;
    list.LoadFolder(kFolder);
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_EQ(list.GetAt(1), nullptr);
    ASSERT_NE(list.GetAt(0), nullptr);
    list.GetAt(0)->m_strText = QStringLiteral("changed in place");
    EXPECT_EQ(list.GetAt(0)->m_strText, QStringLiteral("changed in place"));
}

TEST_F(NoteList, InsertSortedGoesBeforeTheFirstGreaterTitle)
{
    CNoteList list(FixedClock(m_time));
    CNote note;
    for (const char* title : { "d", "b", "d", "a" }) {
        note.m_strTitle = QString::fromLatin1(title);
        note.m_strText = QString::fromLatin1(title) + QString::number(list.GetCount());
        list.InsertSorted(note);
    }
    EXPECT_EQ(Texts(list), (QStringList { "a3", "b1", "d0", "d2" }));

    // After a note was appended out of order the walk is from the head.
    SetShellSetting(QStringLiteral("language"), QStringLiteral("0"));
    list.AddNew(); // "December 6, 2026 04:15 SUN "
    note.m_strTitle = QStringLiteral("c");
    list.InsertSorted(note);
    note.m_strTitle = QStringLiteral("e");
    list.InsertSorted(note);
    EXPECT_EQ(Titles(list), (QStringList { "a", "b", "c", "d", "d", "December 6, 2026 04:15 SUN ", "e" }));
}

TEST_F(NoteList, AddNewAppendsADatedNoteWithoutAFile)
{
    WriteNote(QStringLiteral("z.note"), QStringLiteral("zzz"));
    SetShellSetting(QStringLiteral("note_path"), kFolder);
    SetShellSetting(QStringLiteral("language"), QStringLiteral("6"));
    CNoteList list(FixedClock(m_time));
    list.InitFolder();
    list.LoadFolder(list.GetFolder());
    EXPECT_EQ(list.AddNew(), 1);
    const CNote* note = list.GetAt(1);
    EXPECT_EQ(note->m_strTitle, QStringLiteral("6 Aralık 2026, Pazar 04:15"));
    EXPECT_EQ(note->m_strPath, QStringLiteral("\\Notes\\2026-12-06 041548.note"));
    EXPECT_TRUE(note->IsEmpty());
    EXPECT_EQ(note->m_bArchive, 1);
    EXPECT_FALSE(DeviceFileExists(note->m_strPath));
}

TEST_F(NoteList, NewNotesNeverShareAPath)
{
    SetShellSetting(QStringLiteral("note_path"), kFolder);
    WriteNote(QStringLiteral("2026-12-06 041548-2.note"), QStringLiteral("already there"));
    CNoteList list(FixedClock(m_time));
    list.InitFolder();
    EXPECT_EQ(list.AddNew(), 0);
    EXPECT_EQ(list.AddNew(), 1);
    EXPECT_EQ(list.AddNew(), 2);
    EXPECT_EQ(list.GetAt(0)->m_strPath, QStringLiteral("\\Notes\\2026-12-06 041548.note"));
    EXPECT_EQ(list.GetAt(1)->m_strPath, QStringLiteral("\\Notes\\2026-12-06 041548-3.note"));
    EXPECT_EQ(list.GetAt(2)->m_strPath, QStringLiteral("\\Notes\\2026-12-06 041548-4.note"));
}

TEST_F(NoteList, InitFolderReadsTheShellSetting)
{
    CNoteList list;
    list.InitFolder();
    EXPECT_EQ(list.GetFolder(), QStringLiteral("\\NAND Flash\\Note"));
    SetShellSetting(QStringLiteral("note_path"), QStringLiteral("\\Mine\\Notes\\"));
    list.InitFolder();
    EXPECT_EQ(list.GetFolder(), QStringLiteral("\\Mine\\Notes"));
}

TEST_F(NoteList, AddFileAppendsAPlainTextPageOnce)
{
    WriteNote(QStringLiteral("z.note"), QStringLiteral("zzz"));
    WriteDeviceFile(QStringLiteral("\\Docs\\a.txt"), "hello");
    CNoteList list;
    list.LoadFolder(kFolder);
    EXPECT_EQ(list.AddFile(QStringLiteral("\\Docs\\missing.txt")), -1);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.AddFile(QStringLiteral("\\Docs\\a.txt")), 1);
    EXPECT_EQ(list.GetAt(1)->m_strTitle, QStringLiteral("a.txt"));
    EXPECT_EQ(list.GetAt(1)->m_strText, QStringLiteral("hello"));
    EXPECT_EQ(list.GetAt(1)->m_bArchive, 0);
    // The same file again, by the same or another path, is the same page.
    EXPECT_EQ(list.AddFile(QStringLiteral("\\Docs\\a.txt")), 1);
    const QString hostStyle = QStringLiteral("Z:") + HostPath(QStringLiteral("\\Docs\\a.txt")).replace(u'/', u'\\');
    EXPECT_EQ(list.AddFile(hostStyle), 1);
    EXPECT_EQ(list.AddFile(kFolder + QStringLiteral("\\z.note")), 0);
    EXPECT_EQ(list.GetCount(), 2);
}

TEST_F(NoteList, LinkedFoldersAreNotFollowed)
{
    WriteNote(QStringLiteral("sub\\n.note"), QStringLiteral("once"));
    ASSERT_TRUE(QFile::link(HostPath(kFolder), HostPath(kFolder + QStringLiteral("\\sub\\loop"))));
    ASSERT_TRUE(QFile::link(HostPath(kFolder + QStringLiteral("\\sub")), HostPath(kFolder + QStringLiteral("\\other"))));
    CNoteList list;
    EXPECT_EQ(list.LoadFolder(kFolder), 1);
}

TEST_F(NoteList, OverDeepFoldersAndOverLongPathsAreSkipped)
{
    QString deep;
    for (int level = 0; level < kDeepestNoteFolder + 1; ++level)
        deep += QStringLiteral("d\\");
    WriteNote(deep + QStringLiteral("too-deep.note"), QStringLiteral("too deep"));
    WriteNote(QStringLiteral("d\\d\\d\\fine.note"), QStringLiteral("fine"));
    // \Notes\, the folder and the name make paths of 259 and 260 characters.
    const QString folder = QString(100, QChar(u'f'));
    WriteNote(folder + u'\\' + QString(146, QChar(u'n')) + QStringLiteral(".note"), QStringLiteral("fits"));
    WriteNote(folder + u'\\' + QString(147, QChar(u'n')) + QStringLiteral(".note"), QStringLiteral("too long"));
    WriteNote(QStringLiteral("back\\slash.note"), QStringLiteral("backslash"));
    QFile::rename(HostPath(kFolder + QStringLiteral("\\back\\slash.note")), HostPath(kFolder) + QStringLiteral("/back\\slash.note"));

    CNoteList list;
    EXPECT_EQ(list.LoadFolder(kFolder), 2);
    EXPECT_EQ(Titles(list), (QStringList { "fine", "fits" }));
}

} // namespace
