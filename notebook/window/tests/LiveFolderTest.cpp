#include "notebook/window/tests/NoteBookFixture.h"

namespace {

// The notebook while another program (a sync engine) adds, removes and
// renames note files in its folder.
class LiveFolderTest : public NoteBookTest {
protected:
    QStringList Titles() const
    {
        QStringList titles;
        for (int index = 0; index < m_dlg->GetNotes().GetCount(); ++index)
            titles << m_dlg->GetNotes().GetAt(index)->m_strTitle;
        return titles;
    }
    void Rename(const QString& from, const QString& to)
    {
        QDir().mkpath(QFileInfo(NotesHostFolder() + u'/' + to).path());
        ASSERT_TRUE(QFile::rename(NotesHostFolder() + u'/' + from, NotesHostFolder() + u'/' + to));
    }
    void Remove(const QString& fileName) { ASSERT_TRUE(QFile::remove(NotesHostFolder() + u'/' + fileName)); }
};

TEST_F(LiveFolderTest, NoteFilesThatComeArePagesInTitleOrderAndTheShownPageStays)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    WriteNote(QStringLiteral("b2.note"), QStringLiteral("B and a half"), QStringLiteral("2.5"));
    // A sync engine's file being written (notebook/storage tests the folder's other changes).
    WriteNote(QStringLiteral(".syncthing.d.note.tmp"), QStringLiteral("D fourth"), QStringLiteral("four"));
    ProcessEvents();
    ASSERT_TRUE(Drive(dlg).FireTimer(103)) << "the file system told at once";
    EXPECT_EQ(Titles(), (QStringList { "A first", "B and a half", "B second", "C third" }));
    EXPECT_EQ(dlg.GetPage(), 3);
    EXPECT_TRUE(ShowsPageText(kCaption, QStringLiteral("C third")));
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 4/4")));

    dlg.GetEdit().moveCursor(QTextCursor::Start);
    Type(QStringLiteral("mine: "));
    Rename(QStringLiteral(".syncthing.d.note.tmp"), QStringLiteral("d.note"));
    Tick();
    EXPECT_EQ(Titles().last(), QStringLiteral("D fourth"));
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 4/5")));
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("mine: three"));
    Drive(dlg).SendCommand(1002);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("four"));
    EXPECT_EQ(SavedText(QStringLiteral("c.note")), QStringLiteral("mine: three"));
}

TEST_F(LiveFolderTest, RemovedNoteFilesTakeTheirPagesUnlessThePageHasEdits)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Remove(QStringLiteral("c.note"));
    Tick();
    EXPECT_EQ(Titles(), (QStringList { "A first", "B second" }));
    EXPECT_TRUE(ShowsPageText(kCaption, QStringLiteral("B second")));
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 2/2")));
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("two"));

    // The edits of a page whose file went are a conflict copy, which the
    // watcher then sees as the page's own file, not as another page.
    Type(QStringLiteral("mine: "));
    Remove(QStringLiteral("a.note"));
    Remove(QStringLiteral("b.note"));
    Tick();
    ProcessEvents();
    Drive(dlg).FireTimer(103);
    EXPECT_EQ(Titles(), (QStringList { "B second (conflict 2026-12-06 041548)" }));
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("mine: two"));
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 1/1")));
    // The line is too long for the page: its middle gives way.
    EXPECT_TRUE(ShowsPageText(kStatus, QStringLiteral("Saved to a conflict copy: b …lict 2026-12-06 041548).note")));
    EXPECT_EQ(SavedText(QStringLiteral("b (conflict 2026-12-06 041548).note")), QStringLiteral("mine: two"));
}

TEST_F(LiveFolderTest, RenamedNoteFilesTakeTheirPagesAndEditsAlong)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Rename(QStringLiteral("a.note"), QStringLiteral("sub/z.note"));
    dlg.GetEdit().moveCursor(QTextCursor::Start);
    Type(QStringLiteral("mine: "));
    Rename(QStringLiteral("c.note"), QStringLiteral("c2.note"));
    // Renamed and written meanwhile: another version, a page of its own.
    Rename(QStringLiteral("b.note"), QStringLiteral("b3.note"));
    WriteNote(QStringLiteral("b3.note"), QStringLiteral("B third"), QStringLiteral("two, theirs"));
    Tick();
    EXPECT_EQ(Titles(), (QStringList { "A first", "B third", "C third" }));
    EXPECT_TRUE(ShowsPageText(kLabel, QStringLiteral("Page 3/3")));
    EXPECT_EQ(NoteFiles(), (QStringList { "b3.note", "c2.note" }));
    EXPECT_EQ(SavedText(QStringLiteral("c2.note")), QStringLiteral("mine: three"));

    Drive(dlg).SendCommand(1001);
    Drive(dlg).SendCommand(1001);
    Type(QStringLiteral("1: "));
    Drive(dlg).SendCommand(1002);
    EXPECT_EQ(SavedText(QStringLiteral("sub\\z.note")), QStringLiteral("1: one"));
    EXPECT_EQ(NoteFiles(), (QStringList { "b3.note", "c2.note" }));
}

TEST_F(LiveFolderTest, ASyncEnginesConflictCopyIsAPageBesideItsNoteThatSaysWhoseCopyItIs)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    WriteNote(QStringLiteral("b.sync-conflict-20261206-041548-ABC2DEF.note"), QStringLiteral("B second"),
        QStringLiteral("two, theirs"));
    Tick();
    EXPECT_EQ(Titles(), (QStringList { "A first", "B second", "B second", "C third" }));
    Drive(dlg).SendCommand(1001);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("two, theirs"));
    const std::pair<const char*, QString> captions[] = {
        { "0", QStringLiteral("Conflict copy: B second") },
        { "1", QStringLiteral("冲突副本：B second") },
        { "6", QStringLiteral("Çakışma kopyası: B second") },
    };
    for (const auto& [language, caption] : captions) {
        SetShellSetting(QStringLiteral("language"), QString::fromLatin1(language));
        Send(4);
        EXPECT_TRUE(ShowsPageText(kCaption, caption)) << language;
    }
    Drive(dlg).SendCommand(1001);
    EXPECT_TRUE(ShowsPageText(kCaption, QStringLiteral("B second")));
}

} // namespace
