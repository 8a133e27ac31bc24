#include "notebook/storage/Note.h"

#include "notebook/storage/AnsiText.h"
#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/AtomicFile.h"
#include "notebook/storage/NoteLog.h"
#include "platform/device/DevicePath.h"

#include <QStringDecoder>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

QString TextUpToZeroUnit(const QByteArray& data, qsizetype offset)
{
    const qsizetype unitCount = (data.size() - offset) / 2;
    QString text(unitCount, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(data.constData() + offset, unitCount, text.data());
    const qsizetype zero = text.indexOf(QChar(u'\0'));
    if (zero >= 0)
        text.truncate(zero);
    return text;
}

QByteArray Utf16WithSignature(const QString& text)
{
    QByteArray bytes(2 + 2 * text.size(), Qt::Uninitialized);
    bytes[0] = '\xFF';
    bytes[1] = '\xFE';
    qToLittleEndian<char16_t>(text.utf16(), text.size(), bytes.data() + 2);
    return bytes;
}

} // namespace

bool CNote::Load(const QString& path, bool archive)
{
    return LoadFromHostFile(HostPathFromDevicePath(path), path, archive);
}

bool CNote::LoadFromHostFile(const QString& hostPath, const QString& path, bool archive)
{
    QFile file;
    const std::optional<FileStamp> stamp = OpenRegularFile(file, hostPath);
    if (!stamp)
        return false;
    m_strPath = path;
    m_bArchive = archive ? 1 : 0;
    if (!archive)
        m_strTitle = path.mid(path.lastIndexOf(u'\\') + 1);
    if (!(archive ? LoadArchive(file, stamp->size) : LoadPlainText(file, stamp->size)))
        return false;
    m_fileStamp = stamp;
    m_strFileText = m_strText;
    return true;
}

bool CNote::LoadArchive(QFile& file, qint64 size)
{
    if (size > kLargestNoteFile)
        return false;
    bool titleLossy = false;
    QString title;
    if (!ReadArchivedString(file, title, &titleLossy))
        return false;
    m_strTitle = title;
    bool textLossy = false;
    QString text;
    if (!ReadArchivedString(file, text, &textLossy))
        return false;
    m_strText = text;
    // Bytes after the text (a plain text file named .note) would be lost
    // with the first save.
    m_bReadWithLoss = titleLossy || textLossy || file.pos() != size;
    return true;
}

// A U+0000 ends the text: it and whatever follows it count as lost.
bool CNote::LoadPlainText(QFile& file, qint64 size)
{
    if (size > kLargestPlainFile)
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    bool lossy = false;
    if (data.startsWith("\xFF\xFE")) {
        m_bUnicode = 1;
        m_strText = TextUpToZeroUnit(data, 2);
        // An odd last byte is lost too.
        lossy = 2 + 2 * m_strText.size() != data.size();
    } else if (data.startsWith("\xEF\xBB\xBF")) {
        m_bUnicode = 1;
        m_strText = Utf8ToString(data.constData() + 3, data.size() - 3, &lossy);
        lossy = lossy || m_strText.contains(QChar(u'\0'));
    } else {
        const qsizetype end = qstrnlen(data.constData(), data.size());
        m_strText = AnsiToString(QByteArrayView(data.constData(), end), &lossy);
        lossy = lossy || end != data.size();
    }
    m_bReadWithLoss = lossy;
    return true;
}

bool CNote::Save()
{
    if (!HasUnsavedText())
        return true;
    if (m_bReadWithLoss)
        return false;
    const QString hostPath = HostPathFromDevicePath(m_strPath);
    if (m_bArchive && m_strText.isEmpty()) {
        if (m_fileStamp && !RemoveFileIfUnchanged(hostPath, *m_fileStamp))
            return Failed(errno, hostPath);
        m_fileStamp.reset();
        m_strFileText.clear();
        m_saveProblem = SaveProblem::None;
        return true;
    }
    bool unicode = m_bUnicode != 0;
    QByteArray bytes;
    if (m_bArchive) {
        AppendArchivedString(bytes, m_strTitle);
        AppendArchivedString(bytes, m_strText);
    } else if (std::optional<QByteArray> ansi = unicode ? std::nullopt : StringToAnsi(m_strText)) {
        bytes = *ansi;
    } else {
        unicode = true;
        bytes = Utf16WithSignature(m_strText);
    }
    const std::optional<FileStamp> written = WriteFileAtomically(
        hostPath, bytes, m_fileStamp, m_newFileMode ? std::optional(mode_t(*m_newFileMode)) : std::nullopt);
    if (!written)
        return Failed(errno, hostPath);
    if (m_saveProblem != SaveProblem::None)
        qCInfo(lcNotes, "saved %s again", qUtf8Printable(m_strPath));
    m_fileStamp = written;
    m_strFileText = m_strText;
    m_saveProblem = SaveProblem::None;
    if (!m_bArchive)
        m_bUnicode = unicode ? 1 : 0;
    return true;
}

bool CNote::Failed(int error, const QString& hostPath)
{
    m_saveProblem = SaveProblemOf(error, hostPath);
    qCWarning(lcNotes, "cannot save %s: %s", qUtf8Printable(m_strPath), std::strerror(error));
    return false;
}

bool CNote::IsFileChanged() const
{
    return StampOfFile(HostPathFromDevicePath(m_strPath)) != m_fileStamp;
}

bool CNote::Reload()
{
    const QString hostPath = HostPathFromDevicePath(m_strPath);
    CNote fresh;
    if (!fresh.LoadFromHostFile(hostPath, m_strPath, m_bArchive != 0)) {
        // Whether the file is gone is asked only here: a reading that
        // succeeds (a text read back at a save) needs no stat of its own.
        if (!StampOfFile(hostPath)) {
            if (m_fileStamp)
                m_newFileMode = m_fileStamp->mode;
            m_fileStamp.reset();
            m_strFileText = m_strText;
        }
        return false;
    }
    // Where the note's text went, and the mode its file is to be made with,
    // do not change with a new reading of its file.
    fresh.m_redirection = m_redirection;
    fresh.m_newFileMode = m_newFileMode;
    *this = std::move(fresh);
    return true;
}

void CNote::MoveTo(const QString& path, bool archive, Redirection why)
{
    if (m_fileStamp)
        m_newFileMode = m_fileStamp->mode;
    // Nobody may read the copy who could not read the file; its owner may
    // go on writing it.
    if (m_newFileMode)
        m_newFileMode = (*m_newFileMode & 0666) | S_IWUSR;
    m_strPath = path;
    m_bArchive = archive ? 1 : 0;
    if (!archive)
        m_strTitle = path.mid(path.lastIndexOf(u'\\') + 1);
    m_fileStamp.reset();
    m_strFileText.clear();
    m_bReadWithLoss = false;
    m_redirection = why;
}

void CNote::FollowRename(const QString& path, const FileStamp& stamp)
{
    Q_ASSERT(m_fileStamp && stamp.IsRenamedFrom(*m_fileStamp));
    m_strPath = path;
    m_fileStamp = stamp;
}

QString CNote::Utf8ToString(const char* bytes, qsizetype count, bool* lossy)
{
    // A signature inside the text is a character like any other.
    QStringDecoder decoder(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(QByteArrayView(bytes, count));
    if (lossy)
        *lossy = decoder.hasError();
    return text;
}
