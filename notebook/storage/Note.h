#pragma once

#include "notebook/storage/FileStamp.h"
#include "notebook/storage/NoteStatus.h"

#include <QFile>
#include <QString>

#include <optional>

// One note, one file. Paths are device paths ("\NAND Flash\Note\x.note",
// "Z:\home\me\a.txt").
//
// Archive form (every note of the notes folder and every new note): the file
// is two archived strings, title then text (see ArchivedString.h).
// Plain-text form (a file handed over by another program): UTF-16LE with the
// signature FF FE, UTF-8 with the signature EF BB BF (written back as
// UTF-16LE), or text in the ANSI code page; the title is the file name.
//
// A note remembers the version of its file it read or last wrote, and the
// text that version holds: it writes only a text that differs from it, only
// over that same version, and never a file it could not read without loss.
class CNote {
public:
    CNote() = default;
    // The archive note at path, whose file (of version stamp) holds title and
    // a text not read yet.
    CNote(const QString& title, const QString& path, const FileStamp& stamp, bool readWithLoss);
    CNote(const CNote&) = default;
    CNote& operator=(const CNote&) = default;
    CNote(CNote&&) = default;
    CNote& operator=(CNote&&) = default;
    virtual ~CNote() = default;

    // Reads the file at path in the given form (true: archive). On success the
    // note holds its title, text, path and form. On failure it returns false;
    // when the file could not be opened the note is unchanged, otherwise it
    // holds the new path and form and whatever was read before the failure.
    // Only regular files are read, archive files up to kLargestNoteFile bytes
    // and plain ones up to kLargestPlainFile. Bytes after an archive's text
    // count as read with loss.
    bool Load(const QString& path, bool archive);
    // Load, for callers that have already mapped path to its host file.
    bool LoadFromHostFile(const QString& hostPath, const QString& path, bool archive);

    // Writes the note's unsaved text to m_strPath in its form, replacing the
    // file atomically (see WriteFileAtomically); an archive note without text
    // deletes its file instead. Nothing is written when the text is saved
    // already, when the file is no longer the version the note read or
    // wrote, when the process may not write it, or when it was read with
    // loss. A plain-text note whose text the ANSI code page cannot hold is
    // written (from then on) as UTF-16LE. A new file gets the mode of the
    // file the note moved from (see MoveTo), else 0666 less the umask.
    // Returns true when the file holds the note; on failure the file and
    // this note stay as they were, GetSaveProblem tells why, and the log
    // says so.
    bool Save();

    // True when the text holds no characters.
    bool IsEmpty() const { return m_strText.isEmpty(); }
    // True when the text differs from what the note's file holds.
    bool HasUnsavedText() const { return m_strText != m_strFileText; }
    // True when the file is no longer the version the note read or wrote:
    // another program changed, replaced or removed it, or made one where the
    // note had none.
    bool IsFileChanged() const;
    // True when the file could not be read without loss; it is never written.
    bool IsReadWithLoss() const { return m_bReadWithLoss; }
    // The text as the note holds it cannot be shown and written back as it
    // was read: the file is not to be written.
    void MarkReadWithLoss() { m_bReadWithLoss = true; }
    // Why the latest save failed; None after one that succeeded.
    SaveProblem GetSaveProblem() const { return m_saveProblem; }
    // Where the text went instead of the file it was read from.
    Redirection GetRedirection() const { return m_redirection; }
    // The version of the file the note read or wrote; nothing while it has none.
    const std::optional<FileStamp>& GetFileStamp() const { return m_fileStamp; }

    // Reads the file again after another program changed it, or to take
    // back a text let go (LoadText); true when the note now holds what the
    // file holds. Where the note's text went (GetRedirection) stays as it
    // was. When the file is gone the note keeps its text and has no file, so
    // that nothing is recreated until the text changes again.
    bool Reload();
    // The note now belongs to a file at path, in the given form, that it has
    // not written yet: its whole text is unsaved. The new file will get the
    // read permissions of the file the note leaves, and its owner may write it.
    // A plain note's title becomes the new file's name.
    void MoveTo(const QString& path, bool archive, Redirection why);
    // Another program renamed the note's file, unchanged, to path, where it
    // has the version stamp (see FileStamp::IsRenamedFrom).
    void FollowRename(const QString& path, const FileStamp& stamp);

    // Text on demand: a note of the notes folder is first read only as far as
    // page order needs (CNotePage::ReadTitle), and its text is read when its
    // page is shown.
    // False while the note's text is still on disk: m_strText is then empty
    // and stands for nothing. A note whose text holds unsaved edits shows them.
    bool IsTextLoaded() const { return m_bTextLoaded || HasUnsavedText(); }
    // Reads the text that is still on disk (Reload). Where the file has gone,
    // the note is left empty without a file; where it can no longer be read,
    // it counts as read with loss, so that an edit never replaces it.
    void LoadText();
    // Lets go of a text that the note's file holds; it is read again when
    // needed. A text with edits not yet saved, or without a file, is kept.
    void UnloadText();
    // The person's text for this note. A note that let go of its text first
    // reads back the version of its file it read, so that a text that did
    // not change is not written; where another program changed the file,
    // the text meets that version as any edit does (CNoteList::SyncNote).
    void TakeEditedText(const QString& text);

    // Decodes count bytes of UTF-8; four-byte sequences become surrogate
    // pairs. A sequence that is not UTF-8 becomes U+FFFD, and lossy, when
    // given, tells whether there was one.
    static QString Utf8ToString(const char* bytes, qsizetype count, bool* lossy = nullptr);

    // A note file larger than this is never read; a handed-over text file
    // larger than kLargestPlainFile neither.
    static constexpr qint64 kLargestNoteFile = qint64(64) << 20;
    static constexpr qint64 kLargestPlainFile = qint64(256) << 20;

    QString m_strTitle;
    QString m_strText;
    QString m_strPath;
    int m_bArchive { 1 };
    int m_bUnicode { 0 };

private:
    bool LoadArchive(QFile& file, qint64 size);
    bool LoadPlainText(QFile& file, qint64 size);
    // Records and logs why a save failed; false.
    bool Failed(int error, const QString& hostPath);

    // The version of the file read or last written, and the text it holds
    // (empty while the note has no file).
    std::optional<FileStamp> m_fileStamp;
    QString m_strFileText;
    bool m_bReadWithLoss { false };
    // The mode a new file of this note gets; none: that of any new file.
    std::optional<quint32> m_newFileMode;
    SaveProblem m_saveProblem { SaveProblem::None };
    Redirection m_redirection { Redirection::None };
    bool m_bTextLoaded { true };
};
