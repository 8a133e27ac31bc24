#pragma once

#include "notebook/storage/FileStamp.h"
#include "notebook/storage/Note.h"

#include <QString>

#include <memory>
#include <optional>
#include <string_view>

// One page of the notebook. A note file that start-up found is held as its
// title, path and file version alone, title and path in one string, until
// something needs the note itself (GetNote): about 240 bytes a page instead
// of 390. Once made, the note stays at its address for as long as the page
// is in the list.
class CNotePage {
public:
    // Reads the title of the archive note file at hostPath (device path
    // path) and checks that a whole text follows it, so that it fails
    // exactly where CNote::LoadFromHostFile would; the text stays on disk.
    static std::optional<CNotePage> ReadTitle(const QString& hostPath, const QString& path);

    explicit CNotePage(std::unique_ptr<CNote> note);

    std::u16string_view GetTitle() const;
    QStringView GetPath() const;
    // The version of the file the page's note read or wrote; null while it has none.
    const FileStamp* GetFileStamp() const;
    bool IsArchive() const { return !m_note || m_note->m_bArchive; }
    bool HasUnsavedText() const { return m_note && m_note->HasUnsavedText(); }
    // Another program renamed the page's file, unchanged, to path (see
    // CNote::FollowRename).
    void FollowRename(const QString& path, const FileStamp& stamp);

    // The page's note, made from what start-up read when first asked for:
    // its text is read when its page is shown (CNote::LoadText).
    CNote& GetNote();
    // The note, when something has asked for it already.
    const CNote* GetMadeNote() const { return m_note.get(); }

private:
    CNotePage(const QString& title, const QString& path, const FileStamp& stamp, bool readWithLoss);

    std::unique_ptr<CNote> m_note;
    // Until the note is made: the title followed by the path.
    QString m_strTitleAndPath;
    FileStamp m_fileStamp;
    int m_nTitleSize { 0 };
    bool m_bReadWithLoss { false };
};
