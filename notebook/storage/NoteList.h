#pragma once

#include "notebook/storage/Note.h"
#include "notebook/storage/NotePage.h"
#include "shell/OrvaCore.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <vector>

// Every note of the notebook, in page order: page k shows GetAt(k - 1).
// Notes found at start-up are ordered by title (UTF-16 code units, equal
// titles in loading order); notes added later go to the end, except note
// files another program adds to the folder, which take their place in title
// order. A note leaves only when another program removed its file, and
// keeps its address for as long as it is in the list.
class CNoteList {
public:
    // The local date and time now; new notes take their title and file name
    // from it.
    using Clock = std::function<QDateTime()>;

    explicit CNoteList(Clock clock = {});
    CNoteList(const CNoteList&) = delete;
    CNoteList& operator=(const CNoteList&) = delete;
    virtual ~CNoteList() = default;

    // Takes the notes folder from the shell setting "note_path" into
    // m_szFolder (default "\NAND Flash\Note"). A folder that leaves no room
    // for a note's name (see kLongestNoteFolder) gives the default, logged.
    void InitFolder();
    QString GetFolder() const { return QString::fromUtf16(m_szFolder); }

    // Loads the title of every note file under folder (see LoadNoteFolder;
    // a text is read when its page is shown, CNote::LoadText) and puts each
    // at its place in title order; returns the number of notes added.
    int LoadFolder(const QString& folder);
    // Inserts a copy of note before the first note whose title is greater.
    void InsertSorted(const CNote& note);
    // Appends a new empty note titled with the date caption of now, to be
    // saved in the notes folder as "YYYY-MM-DD hhmmss.note" (with "-2",
    // "-3"... before ".note" when that path is taken); returns its index.
    // The note has no file until it is saved with text.
    int AddNew();
    // Appends the plain-text file at path (a device path) as a note; returns
    // its index, or -1 when the file can't be read. A file that is already
    // a page, by this path or another (a link), is not added again: its
    // index is returned. Another page counts as the file only while its own
    // file is still at its own path: a removed note's inode, given to a new
    // file, is not that note.
    int AddFile(const QString& path);

    // What SyncNote did. Moved: the note's text now belongs to another file
    // (GetRedirection tells which); a page of another program's version may
    // have been appended.
    enum class Sync { InStep, Reloaded, Moved, Failed };
    // Brings the note at index and its file in step without losing either:
    // - no unsaved text: when another program changed the file, the note is
    //   read again (Reloaded); a removed file leaves the note as it is;
    // - unsaved text: the note is saved (CNote::Save). When another program
    //   changed, replaced or removed the file meanwhile, that file is left as
    //   it is and the note moves to a new file beside it in the same form,
    //   "<name> (conflict YYYY-MM-DD hhmmss)<extension>" (an archive note's
    //   title takes the same mark), and the other version, when it is still
    //   there, becomes a page at the end. A note read with loss moves to a
    //   new note in the notes folder, named as AddNew names one. Failed: the
    //   text is still unsaved, to be tried again.
    Sync SyncNote(int index);
    // SyncNote for a page that is being left (another page is shown, the
    // program ends): text that still cannot be saved goes to a new note in
    // the notes folder, else to one in RecoveryFolder. Failed only when
    // neither could be written.
    Sync LeaveNote(int index);
    // $XDG_DATA_HOME/orva/Recovered (by default ~/.local/share/orva/Recovered)
    // as a host path: where text goes that no other file would take.
    static QString RecoveryFolder();

    // Follows what other programs did to the notes folder since the notes
    // were read: a note file that came is inserted in title order, a renamed
    // one takes its note along (unless it changed too: then it is a note that
    // came), and a note whose file went leaves, unless it holds unsaved text,
    // which SyncNote then saves as a conflict copy. Notes outside the folder,
    // and new notes without a file yet, stay. True when the pages changed.
    bool UpdateFromFolder();

    int GetCount() const { return int(m_notes.size()); }
    // The index of note, or -1 when it is not a page (any more).
    int IndexOf(const CNote* note) const;
    // The note at index, to read or change in place; null when index is
    // below 0 or not below the count. A page never asked for holds no note
    // (CNotePage): this makes it.
    CNote* GetAt(int index);
    const CNote* GetAt(int index) const;

    // The notes folder, a device path without a trailing backslash.
    char16_t m_szFolder[MAX_PATH] = {};

private:
    bool IsPathTaken(const QString& path) const;
    QString NewNotePath(const QDateTime& now) const;
    QString NewNotePathIn(const QString& folder, const QDateTime& now) const;
    Sync MoveToConflictCopy(int index);
    bool SaveMoved(CNote& note, const QString& path, Redirection why);
    QString ConflictPath(const QString& path, const QDateTime& now) const;
    int IndexOfFile(const QString& path) const;
    int Append(const CNote& note);
    void InsertSorted(CNotePage page);

    // Mutable: a page makes its note when first asked for (GetAt).
    mutable std::vector<CNotePage> m_notes;
    // True while every note stands in title order (nothing appended out of it),
    // so that a place can be found by binary search.
    bool m_bInTitleOrder { true };
    Clock m_clock;
};
