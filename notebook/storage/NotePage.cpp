#include "notebook/storage/NotePage.h"

#include "notebook/storage/ArchivedString.h"

#include <QBuffer>

namespace {

// Most notes are read whole in one read of this size; a larger one is read
// as far as its title.
constexpr qint64 kHeadBytes = 4096;

// The title, and whether a whole text follows it.
bool ReadTitleOf(QIODevice& device, QString& title, bool& lossy)
{
    return ReadArchivedString(device, title, &lossy) && SkipArchivedString(device);
}

} // namespace

std::optional<CNotePage> CNotePage::ReadTitle(const QString& hostPath, const QString& path)
{
    QByteArray head;
    std::optional<FileStamp> stamp = ReadRegularFileHead(hostPath, kHeadBytes, head);
    if (!stamp || stamp->size > CNote::kLargestNoteFile)
        return std::nullopt;
    QString title;
    bool lossy = false;
    if (head.size() == stamp->size) {
        QBuffer whole(&head);
        if (!whole.open(QIODevice::ReadOnly) || !ReadTitleOf(whole, title, lossy))
            return std::nullopt;
    } else {
        QFile file;
        stamp = OpenRegularFile(file, hostPath);
        if (!stamp || stamp->size > CNote::kLargestNoteFile || !ReadTitleOf(file, title, lossy))
            return std::nullopt;
    }
    return CNotePage(title, path, *stamp, lossy);
}

CNotePage::CNotePage(const QString& title, const QString& path, const FileStamp& stamp, bool readWithLoss)
    : m_fileStamp(stamp)
    , m_nTitleSize(int(title.size()))
    , m_bReadWithLoss(readWithLoss)
{
    // Every page keeps this string until it is shown: no room to grow.
    m_strTitleAndPath.reserve(title.size() + path.size());
    m_strTitleAndPath.append(title).append(path);
}

CNotePage::CNotePage(std::unique_ptr<CNote> note)
    : m_note(std::move(note))
{
    Q_ASSERT(m_note);
}

std::u16string_view CNotePage::GetTitle() const
{
    const QString& title = m_note ? m_note->m_strTitle : m_strTitleAndPath;
    const qsizetype size = m_note ? title.size() : m_nTitleSize;
    return { reinterpret_cast<const char16_t*>(title.constData()), std::size_t(size) };
}

QStringView CNotePage::GetPath() const
{
    if (m_note)
        return m_note->m_strPath;
    return QStringView(m_strTitleAndPath).sliced(m_nTitleSize);
}

const FileStamp* CNotePage::GetFileStamp() const
{
    if (!m_note)
        return &m_fileStamp;
    const std::optional<FileStamp>& stamp = m_note->GetFileStamp();
    return stamp ? &*stamp : nullptr;
}

void CNotePage::FollowRename(const QString& path, const FileStamp& stamp)
{
    if (m_note) {
        m_note->FollowRename(path, stamp);
        return;
    }
    Q_ASSERT(stamp.IsRenamedFrom(m_fileStamp));
    *this = CNotePage(m_strTitleAndPath.left(m_nTitleSize), path, stamp, m_bReadWithLoss);
}

CNote& CNotePage::GetNote()
{
    if (!m_note) {
        m_note = std::make_unique<CNote>(
            m_strTitleAndPath.left(m_nTitleSize), m_strTitleAndPath.sliced(m_nTitleSize), m_fileStamp, m_bReadWithLoss);
        m_strTitleAndPath = QString();
    }
    return *m_note;
}
