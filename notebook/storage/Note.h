#pragma once

#include <QFile>
#include <QString>

#include <optional>

// One note, one file. Paths are device paths ("\NAND Flash\Note\x.note",
// "Z:\home\me\a.txt").
//
// Archive form (every note of the notes folder and every new note): the file
// is two archived strings, title then text (see ArchivedString.h).
// Plain-text form (a file handed over by another program): UTF-16LE with the
// signature FF FE, UTF-8 with a signature (written back as UTF-16LE), or text
// in the ANSI code page; the title is the file name.
class CNote {
public:
    CNote() = default;
    CNote(const CNote&) = default;
    CNote& operator=(const CNote&) = default;
    CNote(CNote&&) = default;
    CNote& operator=(CNote&&) = default;
    virtual ~CNote() = default;

    // Reads the file at path in the given form (true: archive). On success the
    // note holds its title, text, path and form. On failure it returns false;
    // when the file could not be opened the note is unchanged, otherwise it
    // holds the new path and form and whatever was read before the failure.
    bool Load(const QString& path, bool archive);
    // Load, for callers that have already mapped path to its host file.
    bool LoadFromHostFile(const QString& hostPath, const QString& path, bool archive);

    // Writes the note to m_strPath in its form, replacing the file atomically;
    // an archive note without text deletes its file instead. A plain-text note
    // whose text is unchanged since it was read or saved is not written, and
    // one whose text the ANSI code page cannot hold is written (from then on)
    // as UTF-16LE. Returns true when the file now holds the note; on failure
    // the old file and this note stay as they were.
    bool Save();

    // True when the text holds no characters.
    bool IsEmpty() const { return m_strText.isEmpty(); }

    // Decodes count bytes of UTF-8 the notebook's way: characters up to U+FFFF
    // only, bytes F0 to FF dropped, an incomplete last sequence dropped.
    static QString Utf8ToString(const char* bytes, qsizetype count);

    QString m_strTitle;
    QString m_strText;
    QString m_strPath;
    int m_bArchive { 1 };
    int m_bUnicode { 0 };

private:
    bool LoadArchive(QFile& file);
    bool LoadPlainText(QFile& file);

    // Plain form: the text as the file holds it, when known.
    std::optional<QString> m_strFileText;
};
