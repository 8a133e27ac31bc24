#include "notebook/storage/Note.h"

CNote::CNote(const QString& title, const QString& path, const FileStamp& stamp, bool readWithLoss)
    : m_strTitle(title)
    , m_strPath(path)
    , m_fileStamp(stamp)
    , m_bReadWithLoss(readWithLoss)
    , m_bTextLoaded(false)
{
}

void CNote::LoadText()
{
    if (IsTextLoaded() || Reload())
        return;
    if (m_fileStamp)
        m_bReadWithLoss = true;
    else
        m_bTextLoaded = true;
}

void CNote::UnloadText()
{
    if (HasUnsavedText() || !m_fileStamp)
        return;
    m_strText.clear();
    m_strFileText.clear();
    m_bTextLoaded = false;
}

void CNote::TakeEditedText(const QString& text)
{
    if (!IsTextLoaded() && !IsFileChanged()) {
        const std::optional<FileStamp> read = m_fileStamp;
        // The editor may have found loss in the version it showed (a
        // character it changes): reading it back does not make it lossless.
        const bool readWithLoss = m_bReadWithLoss;
        LoadText();
        // A version written (or removed) between the check and the read is
        // no base to compare with: it counts as changed, and its text as
        // unknown.
        if (m_fileStamp != read) {
            m_fileStamp = read;
            m_strFileText.clear();
        }
        m_bReadWithLoss = m_bReadWithLoss || readWithLoss;
    }
    m_strText = text;
}
