#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/Note.h"

#include <QBuffer>

namespace {

// Most notes are read whole in one read of this size; a larger one is read
// as far as its title.
constexpr qint64 kHeadBytes = 4096;

// The title, and whether a whole text follows it.
bool ReadTitle(QIODevice& device, QString& title, bool& lossy)
{
    return ReadArchivedString(device, title, &lossy) && SkipArchivedString(device);
}

} // namespace

bool CNote::LoadTitleFromHostFile(const QString& hostPath, const QString& path)
{
    QByteArray head;
    std::optional<FileStamp> stamp = ReadRegularFileHead(hostPath, kHeadBytes, head);
    if (!stamp || stamp->size > kLargestNoteFile)
        return false;
    QString title;
    bool lossy = false;
    if (head.size() == stamp->size) {
        QBuffer whole(&head);
        if (!whole.open(QIODevice::ReadOnly) || !ReadTitle(whole, title, lossy))
            return false;
    } else {
        QFile file;
        stamp = OpenRegularFile(file, hostPath);
        if (!stamp || stamp->size > kLargestNoteFile || !ReadTitle(file, title, lossy))
            return false;
    }
    // Every page keeps these two strings for the life of the program: no
    // room to grow.
    m_strTitle = title;
    m_strTitle.squeeze();
    m_strText.clear();
    m_strPath = path;
    m_strPath.squeeze();
    m_bArchive = 1;
    m_fileStamp = stamp;
    m_strFileText.clear();
    m_bReadWithLoss = lossy;
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
