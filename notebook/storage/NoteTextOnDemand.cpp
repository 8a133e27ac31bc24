#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/Note.h"

bool CNote::LoadTitleFromHostFile(const QString& hostPath, const QString& path)
{
    QFile file;
    const std::optional<FileStamp> stamp = OpenRegularFile(file, hostPath);
    if (!stamp || stamp->size > kLargestNoteFile)
        return false;
    bool titleLossy = false;
    QString title;
    if (!ReadArchivedString(file, title, &titleLossy) || !SkipArchivedString(file))
        return false;
    m_strTitle = title;
    m_strText.clear();
    m_strPath = path;
    m_bArchive = 1;
    m_fileStamp = stamp;
    m_strFileText.clear();
    m_bReadWithLoss = titleLossy;
    m_bTextLoaded = false;
    return true;
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
