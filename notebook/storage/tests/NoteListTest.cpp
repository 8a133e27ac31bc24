#include "notebook/storage/NoteList.h"
#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/NoteFolder.h"
#include "notebook/storage/NoteFolderWatcher.h"
#include "shell/tests/ShellEnvironment.h"

#include <QDir>
#include <QDirIterator>

#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const QString kFolder = QStringLiteral("\\Notes");

QByteArray ArchiveBytes(const QString& title, const QString& text)
{
    QByteArray bytes;
    AppendArchivedString(bytes, title);
    AppendArchivedString(bytes, text);
    return bytes;
}

class NoteList : public BareShellEnvironment {
protected:
    void WriteNote(const QString& relative, const QString& title, const QString& text = QStringLiteral("text"))
    {
        WriteDeviceFile(kFolder + u'\\' + relative, ArchiveBytes(title, text));
    }

    static QStringList Titles(CNoteList& list, bool texts = false)
    {
        QStringList titles;
        for (int i = 0; i < list.GetCount(); ++i) {
            if (texts)
                list.GetAt(i)->LoadText();
            titles << (texts ? list.GetAt(i)->m_strText : list.GetAt(i)->m_strTitle);
        }
        return titles;
    }

    // A list of the notes folder whose clock stands at 6 December 2026, 04:15:48.
    std::unique_ptr<CNoteList> MakeList()
    {
        SetShellSetting(QStringLiteral("note_path"), kFolder);
        QDir().mkpath(HostPath(kFolder));
        auto list = std::make_unique<CNoteList>([] { return QDateTime(QDate(2026, 12, 6), QTime(4, 15, 48)); });
        list->InitFolder();
        return list;
    }
};

TEST_F(NoteList, FindsNoteFilesByNameInEverySubFolderOnce)
{
    CNoteList list;
    EXPECT_EQ(list.LoadFolder(QStringLiteral("\\Missing")), 0);

    const QString deep = QStringLiteral("d\\").repeated(kDeepestNoteFolder + 1);
    // \Notes\, the folder and the name make paths of 259 and 260 characters.
    const QString longName = QString(100, QChar(u'f')) + u'\\' + QString(146, QChar(u'n'));
    const struct {
        QString name;
        const char* title;
    } files[] = { { "a.txt", "no" }, { "x.note.bak", "no" }, { ".hidden\\h.note", "no" }, { "a.NoTe", "mixed case" },
        { "b.NOTE", "upper case" }, { "sub\\deeper\\c.note", "deep" }, { deep + "too-deep.note", "too deep" },
        { deep.mid(2) + "fine.note", "fine" }, { longName + ".note", "fits" }, { longName + "n.note", "too long" },
        { "back\\slash.note", "backslash" } };
    for (const auto& f : files)
        WriteNote(f.name, QString::fromLatin1(f.title));
    // A text longer than the file, and a text's length cut short.
    for (const char* bad : { "FFFEFF015400 FFFEFF05 6100", "FFFEFF015400 FFFE" })
        WriteDeviceFile(kFolder + QStringLiteral("\\bad%1.note").arg(qstrlen(bad)), QByteArray::fromHex(bad));
    QDir().mkpath(HostPath(kFolder + QStringLiteral("\\folder.note")));
    // Zero bytes read as an empty title and text: a note as long as the size allows.
    for (const qint64 size : { qint64(64) << 20, (qint64(64) << 20) + 1 })
        WriteSparseDeviceFile(kFolder + QStringLiteral("\\%1.note").arg(size), size);
    LinkDeviceFile(kFolder, kFolder + QStringLiteral("\\sub\\loop"));
    LinkDeviceFile(kFolder + QStringLiteral("\\sub"), kFolder + QStringLiteral("\\other"));
    QFile::rename(HostPath(kFolder + QStringLiteral("\\back\\slash.note")),
        HostPath(kFolder) + QStringLiteral("/back\\slash.note"));

    EXPECT_EQ(list.LoadFolder(kFolder), 6);
    EXPECT_EQ(Titles(list), (QStringList { "", "deep", "fine", "fits", "mixed case", "upper case" }));
    EXPECT_EQ(list.GetAt(1)->m_strPath, kFolder + QStringLiteral("\\sub\\deeper\\c.note"));
}

TEST_F(NoteList, EachFileIsOnePageWhateverItsNames)
{
    const QString docs = QStringLiteral("\\Docs\\");
    WriteNote(QStringLiteral("a.note"), QStringLiteral("a"));
    LinkDeviceFile(kFolder + QStringLiteral("\\a.note"), kFolder + QStringLiteral("\\symbolic.note"));
    QDir().mkpath(HostPath(kFolder + QStringLiteral("\\sub")));
    ASSERT_EQ(::link(QFile::encodeName(HostPath(kFolder + QStringLiteral("\\a.note"))).constData(),
                  QFile::encodeName(HostPath(kFolder + QStringLiteral("\\sub\\hard.note"))).constData()),
        0);
    WriteDeviceFile(docs + "a.txt", "hello");
    LinkDeviceFile(docs + "a.txt", docs + "b.txt");
    WriteSparseDeviceFile(docs + "huge.txt", (qint64(256) << 20) + 1);
    LinkDeviceFile(kFolder + QStringLiteral("\\gone.note"), kFolder + QStringLiteral("\\dangling.note"));

    EXPECT_EQ(ListNoteFolder(kFolder).size(), 1u);
    const auto list = MakeList();
    EXPECT_EQ(list->LoadFolder(kFolder), 1);
    // A page not yet asked for holds no note; still, no page is null.
    EXPECT_EQ(list->IndexOf(nullptr), -1);
    // A file that fails to read (here a regular file whose every read fails) is no page.
    for (const auto& [path, index] : { std::pair { kFolder + QStringLiteral("\\sub\\hard.note"), 0 },
             { docs + "missing.txt", -1 }, { docs + "huge.txt", -1 }, { QStringLiteral("Z:\\proc\\self\\mem"), -1 },
             { docs + "b.txt", 1 }, { docs + "a.txt", 1 } })
        EXPECT_EQ(list->AddFile(path), index) << qPrintable(path);
    EXPECT_EQ(list->GetAt(1)->m_strTitle, QStringLiteral("b.txt"));
    list->GetAt(1)->m_strText = QStringLiteral("mine");
    QFile::remove(HostPath(docs + "b.txt"));
    LinkDeviceFile(kFolder + QStringLiteral("\\a.note"), docs + "b.txt");
    EXPECT_EQ(list->SyncNote(1), CNoteList::Sync::Moved) << "the edits met another file: a conflict copy";
    EXPECT_EQ(list->GetCount(), 2) << "that file, the first page's, is a page already";
    list->AddNew();
    EXPECT_FALSE(list->UpdateFromFolder()) << "a handed-over page and a new one without a file stay";
    for (const int outside : { -1, list->GetCount() }) {
        EXPECT_EQ(list->GetAt(outside), nullptr) << outside;
        EXPECT_EQ(std::as_const(*list).GetAt(outside), nullptr) << outside;
    }
}

// Equal titles keep the order of loading.
TEST_F(NoteList, OrdersByStoredTitleAsCodeUnits)
{
    // U+FF01 sorts after a surrogate pair when compared as UTF-16 code units.
    const QStringList sorted { "10 Aralık 2026, Perşembe 04:15", "2026 年 01 月 06 日 04:15 星期二 ",
        "2026 年 12 月 06 日 04:15 星期日 ", "6 Aralık 2026, Pazar 04:15", "April 9, 2026 10:00 THU ",
        "March 5, 2026 10:00 THU ", "april", "😀", QString(QChar(char16_t(0xFF01))) };
    // File names in an order of their own.
    for (int i = 0; i < sorted.size(); ++i)
        WriteNote(QStringLiteral("s\\%1.note").arg((i * 5) % 9), sorted[i]);
    WriteNote(QStringLiteral("a\\1.note"), QStringLiteral("same"), QStringLiteral("first"));
    for (int i = 0; i < 8; ++i)
        WriteNote(QStringLiteral("b\\n%1.note").arg(i), QStringLiteral("same"), QStringLiteral("n%1").arg(i));
    WriteNote(QStringLiteral("b\\0.note"), QStringLiteral("a"), QStringLiteral("a"));
    QStringList expected { "a", "first" };
    QDirIterator entries(HostPath(kFolder + QStringLiteral("\\b")), QStringList { "n*.note" }, QDir::Files);
    while (entries.hasNext())
        expected << entries.next().section(u'/', -1).chopped(5);

    CNoteList list;
    EXPECT_EQ(list.LoadFolder(kFolder + QStringLiteral("\\s")), 9);
    EXPECT_EQ(Titles(list), sorted);
    CNoteList same;
    EXPECT_EQ(same.LoadFolder(kFolder + QStringLiteral("\\a")), 1);
    EXPECT_EQ(same.LoadFolder(kFolder + QStringLiteral("\\b")), 9);
    EXPECT_EQ(Titles(same, true), expected);
}

TEST_F(NoteList, InsertSortedGoesBeforeTheFirstGreaterTitle)
{
    CNoteList list;
    CNote note;
    for (const char* title : { "d", "b", "d", "a" }) {
        note.m_strTitle = QString::fromLatin1(title);
        note.m_strText = QString::fromLatin1(title) + QString::number(list.GetCount());
        list.InsertSorted(note);
    }
    EXPECT_EQ(Titles(list, true), (QStringList { "a3", "b1", "d0", "d2" }));
}

TEST_F(NoteList, AddNewAppendsADatedNoteWithoutAFileAtAFreePath)
{
    CNoteList defaults;
    defaults.InitFolder();
    EXPECT_EQ(defaults.GetFolder(), QStringLiteral("\\NAND Flash\\Note"));
    SetShellSetting(QStringLiteral("note_path"), QStringLiteral("\\Mine\\Notes\\"));
    defaults.InitFolder();
    EXPECT_EQ(defaults.GetFolder(), QStringLiteral("\\Mine\\Notes"));
    SetShellSetting(QStringLiteral("note_path"), QStringLiteral("\\\\"));
    defaults.InitFolder();
    EXPECT_EQ(defaults.GetFolder(), QStringLiteral("\\")) << "the root stays";
    // A folder must leave room for a new note's name: 236 characters at most.
    for (const qsizetype length : { 236, 237 }) {
        const QString folder = u'\\' + QString(length - 1, u'f');
        SetShellSetting(QStringLiteral("note_path"), folder);
        defaults.InitFolder();
        EXPECT_EQ(defaults.GetFolder(), length == 236 ? folder : QStringLiteral("\\NAND Flash\\Note"));
    }

    WriteNote(QStringLiteral("z.note"), QStringLiteral("zzz"));
    WriteNote(QStringLiteral("2026-12-06 041548-2.note"), QStringLiteral("zzz"));
    SetShellSetting(QStringLiteral("language"), QStringLiteral("6"));
    const auto list = MakeList();
    EXPECT_EQ(list->LoadFolder(list->GetFolder()), 2);
    for (const char* name : { "", "-3", "-4" }) {
        const int index = list->AddNew();
        const CNote* note = list->GetAt(index);
        EXPECT_EQ(index, list->GetCount() - 1);
        EXPECT_EQ(note->m_strTitle, QStringLiteral("6 Aralık 2026, Pazar 04:15"));
        EXPECT_EQ(note->m_strPath, kFolder + "\\2026-12-06 041548" + name + ".note");
        EXPECT_EQ(note->m_bArchive, 1);
        EXPECT_FALSE(DeviceFileExists(note->m_strPath));
    }
}

TEST_F(NoteList, SyncReadsAnotherProgramsVersionOnlyIntoAPageWithoutEdits)
{
    WriteNote("a.note", "A", "one");
    WriteDeviceFile(QStringLiteral("\\Docs\\t.txt"), "abc");
    const auto list = MakeList();
    list->LoadFolder(kFolder);
    ASSERT_EQ(list->AddFile(QStringLiteral("\\Docs\\t.txt")), 1);
    CNote& note = *list->GetAt(0);
    CNote& plain = *list->GetAt(1);
    EXPECT_EQ(list->SyncNote(0), CNoteList::Sync::InStep);
    EXPECT_EQ(list->SyncNote(2), CNoteList::Sync::Failed);
    // An edit of a text not read yet is compared with the file as read then.
    note.TakeEditedText(QStringLiteral("one"));
    EXPECT_FALSE(note.HasUnsavedText());

    WriteNote("a.note", "A", "one, theirs");
    // A loaded text is not read again: the sync tells of the other version.
    note.LoadText();
    EXPECT_EQ(list->SyncNote(0), CNoteList::Sync::Reloaded);
    EXPECT_EQ(note.m_strText, QStringLiteral("one, theirs"));
    EXPECT_FALSE(note.HasUnsavedText());

    // A save is made against what the file holds now.
    plain.m_strText = QStringLiteral("abcd");
    plain.UnloadText();
    EXPECT_EQ(list->SyncNote(1), CNoteList::Sync::InStep);
    EXPECT_EQ(ReadDeviceFile(QStringLiteral("\\Docs\\t.txt")), QByteArray("abcd")) << "edits are never let go";
    plain.m_strText = QStringLiteral("abc");
    EXPECT_EQ(list->SyncNote(1), CNoteList::Sync::InStep);
    EXPECT_EQ(ReadDeviceFile(QStringLiteral("\\Docs\\t.txt")), QByteArray("abc"));

    // A removed file is made again only once the page is edited.
    QFile::remove(HostPath(kFolder + QStringLiteral("\\a.note")));
    EXPECT_EQ(list->SyncNote(0), CNoteList::Sync::InStep);
    EXPECT_EQ(note.m_strText, QStringLiteral("one, theirs"));
    EXPECT_FALSE(DeviceFileExists(note.m_strPath));
    note.m_strText = QStringLiteral("one, mine");
    EXPECT_EQ(list->SyncNote(0), CNoteList::Sync::InStep);
    EXPECT_EQ(ReadDeviceFile(note.m_strPath), ArchiveBytes("A", "one, mine"));

    // A file that no longer reads when its text is wanted counts as read with
    // loss: it stays, and edits go to a new note.
    note.UnloadText();
    WriteDeviceFile(kFolder + QStringLiteral("\\a.note"), "cut");
    note.LoadText();
    note.m_strText = QStringLiteral("mine");
    EXPECT_EQ(list->SyncNote(0), CNoteList::Sync::Moved);
    EXPECT_EQ(note.m_strPath, kFolder + QStringLiteral("\\2026-12-06 041548.note"));
}

// A conflict copy beside the file, with a caption of its own, and the other
// version a page at the end; a note of a file read with loss goes to a new
// note in the notes folder. Later edits stay in the new file. A copy that
// keeps size and modification time (cp -p) is another version too.
TEST_F(NoteList, EditsMeetingAnotherVersionOrReadWithLossMoveToANewFile)
{
    SetShellSetting("codepage", "1252");
    WriteNote("b.note", "B", "two");
    WriteNote("b (conflict 2026-12-06 041548).note", "C", "taken");
    const auto list = MakeList();
    list->LoadFolder(kFolder);
    const QString stamp = " (conflict 2026-12-06 041548";
    const QString docs = "\\Docs.d\\";
    // The copy holds the page's text as it was written (plain text when nothing is given).
    const struct {
        QString path;
        QByteArray before;
        QByteArray theirs;
        QString mine;
        QString copy;
        QByteArray copyBytes {};
        bool sameTime = false;
    } cases[] = {
        { kFolder + "\\b.note", "", ArchiveBytes("B, theirs", "theirs"), "mine", kFolder + "\\b" + stamp + "-2).note",
            ArchiveBytes("B" + stamp + ")", "mine") },
        { docs + "todo", "todo", "todo (theirs)", "todo (mine)", docs + "todo" + stamp + ")" },
        { docs + ".plan", "plan", "plan (theirs)", "plan (mine)", docs + ".plan" + stamp + ")" },
        { docs + "m.txt", "list", "LIST", "list!", docs + "m" + stamp + ").txt", {}, true },
        { docs + "latin.txt", "caf\x81", "caf\x81", "café", "\\Notes\\2026-12-06 041548.note",
            ArchiveBytes("latin.txt", "café") },
        // Its copy's path would be MAX_PATH characters long.
        { docs + QString(219, u'l') + ".txt", "l", "L", "l!", "\\Notes\\2026-12-06 041548-2.note",
            ArchiveBytes(QString(219, u'l') + ".txt", "l!") },
    };
    for (const auto& c : cases) {
        if (!c.before.isEmpty())
            WriteDeviceFile(c.path, c.before);
        const int index = c.path.startsWith(kFolder) ? 0 : list->AddFile(c.path);
        CNote& note = *list->GetAt(index);
        ASSERT_EQ(note.m_strPath, c.path);
        const QByteArray host = QFile::encodeName(HostPath(c.path));
        struct stat before { };
        ::stat(host.constData(), &before);
        WriteDeviceFile(c.path, c.theirs);
        const timespec times[2] = { before.st_atim, before.st_mtim };
        if (c.sameTime) {
            ASSERT_EQ(::utimensat(AT_FDCWD, host.constData(), times, 0), 0);
        }
        note.TakeEditedText(c.mine);
        const int pages = list->GetCount();
        EXPECT_EQ(list->SyncNote(index), CNoteList::Sync::Moved) << qPrintable(c.path);
        EXPECT_EQ(note.m_strPath, c.copy);
        EXPECT_EQ(ReadDeviceFile(c.copy), c.copyBytes.isEmpty() ? c.mine.toLatin1() : c.copyBytes)
            << qPrintable(c.copy);
        if (note.GetRedirection() == Redirection::ConflictCopy)
            EXPECT_EQ(list->GetAt(pages)->m_strPath, c.path) << "the other version is a page";
        else
            EXPECT_EQ(list->GetCount(), pages);
        note.m_strText += u'!';
        EXPECT_EQ(list->SyncNote(index), CNoteList::Sync::InStep) << qPrintable(c.path);
        EXPECT_EQ(note.m_strPath, c.copy);
        EXPECT_EQ(ReadDeviceFile(c.path), c.theirs) << qPrintable(c.path);
    }
}

// New notes get 0666 less the umask; a conflict copy gets its file's mode.
TEST_F(NoteList, NewNotesFollowTheUmaskAndCopiesTheirFilesMode)
{
    const auto list = MakeList();
    const auto modeOf = [this](const QString& path) {
        struct stat status { };
        ::stat(QFile::encodeName(HostPath(path)).constData(), &status);
        return status.st_mode & 07777;
    };
    const mode_t saved = ::umask(027);
    CNote& fresh = *list->GetAt(list->AddNew());
    fresh.m_strText = QStringLiteral("new");
    EXPECT_EQ(list->SyncNote(0), CNoteList::Sync::InStep);
    EXPECT_EQ(modeOf(fresh.m_strPath), 0640u);

    ::umask(0);
    WriteDeviceFile(QStringLiteral("\\Docs\\secret.txt"), "mine");
    ::chmod(QFile::encodeName(HostPath(QStringLiteral("\\Docs\\secret.txt"))).constData(), 0600);
    const int index = list->AddFile(QStringLiteral("\\Docs\\secret.txt"));
    CNote& secret = *list->GetAt(index);
    secret.m_strText = QStringLiteral("mine too");
    WriteDeviceFile(QStringLiteral("\\Docs\\secret.txt"), "theirs");
    EXPECT_EQ(list->SyncNote(index), CNoteList::Sync::Moved);
    EXPECT_EQ(modeOf(secret.m_strPath), 0600u) << qPrintable(secret.m_strPath);
    ::umask(saved);
}

// A handed-over file is an open page only while that page's own file is
// still at its own path: a renamed or removed note's inode is another file.
TEST_F(NoteList, AHandedOverFileIsAPageOnlyWhileThePageStillHoldsIt)
{
    const auto list = MakeList();
    WriteDeviceFile(QStringLiteral("\\Docs\\a.txt"), "a");
    ASSERT_EQ(list->AddFile(QStringLiteral("\\Docs\\a.txt")), 0);
    LinkDeviceFile(QStringLiteral("\\Docs\\a.txt"), QStringLiteral("\\Docs\\link.txt"));
    EXPECT_EQ(list->AddFile(QStringLiteral("\\Docs\\link.txt")), 0);
    ASSERT_TRUE(QFile::rename(HostPath(QStringLiteral("\\Docs\\a.txt")), HostPath(QStringLiteral("\\Docs\\b.txt"))));
    EXPECT_EQ(list->AddFile(QStringLiteral("\\Docs\\b.txt")), 1);
    EXPECT_EQ(list->GetAt(1)->m_strTitle, QStringLiteral("b.txt"));
}

// Another program (a sync engine) at work in the notes folder: the watcher
// tells when, and the pages follow, each named by its path in the folder;
// the first page is marked "*" while it is the same page.
TEST_F(NoteList, PagesFollowTheFolderWhenTheWatcherSeesAChange)
{
    WriteNote("a.note", "A");
    WriteNote("b.note", "B");
    const auto list = MakeList();
    list->LoadFolder(kFolder);
    const CNote* first = list->GetAt(0);
    // The deepest folder the search enters, and one too deep under a folder made later.
    const QString deepest = kFolder + u'\\' + QStringLiteral("d\\").repeated(kDeepestNoteFolder);
    const QString tooDeep = kFolder + QStringLiteral("\\n\\") + QStringLiteral("d\\").repeated(kDeepestNoteFolder);
    QDir().mkpath(HostPath(deepest));
    CNoteFolderWatcher watcher;
    watcher.Watch(HostPath(kFolder));
    const QString host = HostPath(kFolder);
    const int queue = ReadHostFile(QStringLiteral("/proc/sys/fs/inotify/max_queued_events")).trimmed().toInt();
    const struct {
        const char* name;
        std::function<void()> change;
        bool seen;
        bool followed;
        const char* pages;
    } steps[] = {
        { "nothing", [] {}, false, false, "*a.note b.note" },
        { "a folder in the deepest", [&] { QDir().mkpath(HostPath(deepest + u'e')); }, true, false, "*a.note b.note" },
        { "folders too deep", [&] { QDir().mkpath(HostPath(tooDeep)); }, true, false, "*a.note b.note" },
        { "a note in them", [&] { WriteDeviceFile(tooDeep + "x.note", "X"); }, false, false, "*a.note b.note" },
        { "a hidden file", [&] { WriteNote(".c.note.tmp", "C"); }, false, false, "*a.note b.note" },
        { "new folders", [&] { WriteNote("s\\t\\d.note", "D"); }, true, true, "*a.note b.note s\\t\\d.note" },
        { "a note below", [&] { WriteNote("s\\t\\e.NOTE", "E"); }, true, true,
            "*a.note b.note s\\t\\d.note s\\t\\e.NOTE" },
        { "renamed", [&] { QFile::rename(host + "/a.note", host + "/s/z.note"); }, true, true,
            "*s\\z.note b.note s\\t\\d.note s\\t\\e.NOTE" },
        { "moved aside and replaced",
            [&] { QFile::rename(host + "/b.note", host + "/b.old.note"), WriteNote("b.note", "B"); }, true, true,
            "*s\\z.note b.note b.old.note s\\t\\d.note s\\t\\e.NOTE" },
        { "written in place", [&] { WriteNote("b.note", "B", "new"); }, true, false,
            "*s\\z.note b.note b.old.note s\\t\\d.note s\\t\\e.NOTE" },
        { "replaced by a rename",
            [&] {
                WriteNote(".b", "B", "newer");
                std::rename(
                    QFile::encodeName(host + "/.b").constData(), QFile::encodeName(host + "/b.note").constData());
            },
            true, false, "*s\\z.note b.note b.old.note s\\t\\d.note s\\t\\e.NOTE" },
        { "more events than the kernel holds",
            [&] {
                for (int i = 0; i <= queue / 2; ++i)
                    WriteNote(QStringLiteral(".h%1").arg(i), "H");
            },
            true, false, "*s\\z.note b.note b.old.note s\\t\\d.note s\\t\\e.NOTE" },
        { "removed", [&] { QFile::remove(host + "/b.note"); }, true, true,
            "*s\\z.note b.old.note s\\t\\d.note s\\t\\e.NOTE" },
        { "folder moved away", [&] { QDir().rename(host, host + ".old"), first = nullptr; }, true, true, "" },
        { "still away", [] {}, false, false, "" },
        { "made again", [&] { WriteNote("f.note", "F"); }, true, true, "f.note" },
        { "a note in it", [&] { WriteNote("g.note", "G"); }, true, true, "f.note g.note" },
    };
    for (const auto& step : steps) {
        step.change();
        EXPECT_EQ(watcher.TakeChange(), step.seen) << step.name;
        EXPECT_EQ(list->UpdateFromFolder(), step.followed) << step.name;
        QStringList pages;
        for (int i = 0; i < list->GetCount(); ++i)
            pages << (list->IndexOf(first) == i ? QStringLiteral("*") : QString())
                    + list->GetAt(i)->m_strPath.mid(kFolder.size() + 1);
        EXPECT_EQ(pages.join(u' '), QString::fromLatin1(step.pages)) << step.name;
    }
}

// Text that cannot be saved where it belongs goes, when its page is left, to
// a new note in the notes folder, else to one in the recovery folder.
TEST_F(NoteList, LeftTextThatCannotBeSavedGoesToANewNoteOrTheRecoveryFolder)
{
    WriteDeviceFile(QStringLiteral("\\File"), "a file, not a folder");
    const struct {
        const char* notesFolder;
        QString recovered;
        Redirection redirection;
    } cases[] = {
        { "\\Notes", HostPath(kFolder), Redirection::NewNote },
        { "\\File\\Notes", CNoteList::RecoveryFolder(), Redirection::RecoveryFolder },
    };
    for (const auto& c : cases) {
        const auto list = MakeList();
        SetShellSetting(QStringLiteral("note_path"), QString::fromLatin1(c.notesFolder));
        list->InitFolder();
        WriteDeviceFile(QStringLiteral("\\Docs\\list.txt"), "milk");
        CNote& note = *list->GetAt(list->AddFile(QStringLiteral("\\Docs\\list.txt")));
        QDir(HostPath(QStringLiteral("\\Docs"))).removeRecursively();
        note.m_strText = QStringLiteral("milk, eggs");
        EXPECT_EQ(list->SyncNote(0), CNoteList::Sync::Failed) << c.notesFolder;
        EXPECT_EQ(list->LeaveNote(0), CNoteList::Sync::Moved) << c.notesFolder;
        EXPECT_EQ(note.GetRedirection(), c.redirection) << c.notesFolder;
        EXPECT_EQ(ReadHostFile(c.recovered + QStringLiteral("/2026-12-06 041548.note")),
            ArchiveBytes(QStringLiteral("list (conflict 2026-12-06 041548).txt"), note.m_strText));
    }
}

} // namespace
