#include "notebook/storage/FileStamp.h"
#include "notebook/window/tests/NoteBookFixture.h"

#include <csignal>
#include <sys/resource.h>

namespace {

// Start-up reads titles only; a page's text is read when shown, then held by the editor alone.
using NoteBookTextOnDemandTest = NoteBookTest;

// Writes beyond a few bytes fail while it lives, for root too: a save that
// fails while the file stays the version the page read.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { bytes, previous.rlim_max };
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous); }
    const rlimit previous = [] {
        rlimit limit {};
        getrlimit(RLIMIT_FSIZE, &limit);
        return limit;
    }();
};

// The page's title and the text the editor shows.
QStringList PageShown(CNoteBookDlg& dlg)
{
    return { dlg.GetNotes().GetAt(dlg.GetPage())->m_strTitle, dlg.GetEdit().toPlainText() };
}

TEST_F(NoteBookTextOnDemandTest, PagesAreThoseOfReadingEveryFileWhole)
{
    const QString longText = QStringLiteral("a long line of the zebra note\n").repeated(2500);
    WriteNote(QStringLiteral("m.note"), QStringLiteral("May 2"), QStringLiteral("may"));
    WriteNote(QStringLiteral("z.note"), QStringLiteral("Zebra"), longText);
    WriteNote(QStringLiteral("a.note"), QStringLiteral("April 1"), QString());
    WriteNote(QStringLiteral("j.note"), QStringLiteral("January 5"), QStringLiteral("january"));
    // A text cut short and a title alone are no notes, whole titles or not.
    WriteHostFile(NotesHostFolder() + QStringLiteral("/cut.note"),
        ArchivedStrings({ QStringLiteral("December 9"), QStringLiteral("cut") }).chopped(1));
    WriteHostFile(NotesHostFolder() + QStringLiteral("/longcut.note"),
        ArchivedStrings({ QStringLiteral("December 10"), longText }).chopped(1));
    WriteHostFile(NotesHostFolder() + QStringLiteral("/title.note"), ArchivedStrings({ QStringLiteral("June 1") }));
    const QList<QStringList> pages { { "April 1", "" }, { "January 5", "january" }, { "May 2", "may" },
        { "Zebra", longText } };

    CNoteBookDlg& dlg = Start();
    ASSERT_EQ(dlg.GetNotes().GetCount(), pages.size());
    // Back to the first page and forward again: each page read anew.
    for (const int command : { 1001, 1002 }) {
        for (int turn = 0; turn < pages.size(); ++turn) {
            EXPECT_EQ(PageShown(dlg), pages[dlg.GetPage()]) << dlg.GetPage();
            Drive(dlg).SendCommand(command);
        }
    }
}

TEST_F(NoteBookTextOnDemandTest, APageChangedOnDiskWhileItsTextWasLetGoShowsTheNewText)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Drive(dlg).SendCommand(1001);
    Drive(dlg).SendCommand(1001);
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B second"), QStringLiteral("two, theirs"));
    QFile::remove(NotesHostFolder() + QStringLiteral("/c.note"));
    Drive(dlg).SendCommand(1002);
    EXPECT_EQ(PageShown(dlg), (QStringList { "B second", "two, theirs" }));
    // A removed file leaves an empty page, and no file is made for it.
    Drive(dlg).SendCommand(1002);
    EXPECT_EQ(PageShown(dlg), (QStringList { "C third", "" }));
    Tick();
    dlg.DestroyWindow();
    EXPECT_EQ(NoteFiles(), (QStringList { "a.note", "b.note" }));
}

TEST_F(NoteBookTextOnDemandTest, EditsOnAPageLeftAndShownAgainAreKept)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one"));
    WriteNote(QStringLiteral("b.note"), QStringLiteral("B"), QStringLiteral("two"));
    const QString file = NotesHostFolder() + QStringLiteral("/b.note");
    const auto before = std::pair(StampOfFile(file), ReadHostFile(file));
    CNoteBookDlg& dlg = Start();
    // Typed and erased again: the note reads its file back and writes nothing.
    Type(QStringLiteral("x"));
    Drive(dlg).PressQtKey(Qt::Key_Backspace);
    Tick();
    EXPECT_EQ(std::pair(StampOfFile(file), ReadHostFile(file)), before);

    Type(QStringLiteral("saved "));
    Drive(dlg).SendCommand(1001);
    Drive(dlg).SendCommand(1002);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("twosaved "));

    Type(QStringLiteral("unsaved "));
    {
        const FileSizeLimit diskFull(16);
        Drive(dlg).SendCommand(1001);
    }
    Drive(dlg).SendCommand(1002);
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("unsaved twosaved "));
}

// A text read on demand with loss moves to a new note at its first edit; the
// page goes on saying so when its text is read again.
TEST_F(NoteBookTextOnDemandTest, WhereALossyPagesTextWentStaysShownWhenItIsReadAgain)
{
    WriteNote(QStringLiteral("a.note"), QStringLiteral("A"), QStringLiteral("one"));
    const QString file = NotesHostFolder() + QStringLiteral("/b.note");
    const QByteArray bytes = ArchivedStrings({ QStringLiteral("B"), QStringLiteral("two") }) + "- milk\n";
    WriteHostFile(file, bytes);
    CNoteBookDlg& dlg = Start();
    Type(QStringLiteral("!"));
    Tick();
    Drive(dlg).SendCommand(1001);
    Drive(dlg).SendCommand(1002);
    EXPECT_TRUE(ShowsPageText(kStatus, QStringLiteral("Saved to a new note: 2026-12-06 041548.note")));
    EXPECT_EQ(SavedText(QStringLiteral("2026-12-06 041548.note")), QStringLiteral("two!"));
    EXPECT_EQ(ReadHostFile(file), bytes);
}

} // namespace
