#include "notebook/storage/Note.h"

#include "notebook/storage/AnsiText.h"
#include "notebook/storage/ArchivedString.h"
#include "notebook/storage/AtomicFile.h"
#include "platform/device/DevicePath.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

// A handed-over text this large is no note; refusing it keeps memory sane.
constexpr qint64 kLargestPlainFile = qint64(256) << 20;

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

bool RemoveFile(const QString& hostPath)
{
    return !hostPath.isEmpty() && (QFile::remove(hostPath) || !QFileInfo::exists(hostPath));
}

} // namespace

bool CNote::Load(const QString& path, bool archive)
{
    return LoadFromHostFile(HostPathFromDevicePath(path), path, archive);
}

bool CNote::LoadFromHostFile(const QString& hostPath, const QString& path, bool archive)
{
    // Only regular files: opening a pipe or a device could block for ever.
    if (hostPath.isEmpty() || !QFileInfo(hostPath).isFile())
        return false;
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_strPath = path;
    m_bArchive = archive ? 1 : 0;
    if (archive) {
        m_strFileText.reset();
        return LoadArchive(file);
    }
    m_strTitle = path.mid(path.lastIndexOf(u'\\') + 1);
    return LoadPlainText(file);
}

bool CNote::LoadArchive(QFile& file)
{
    QString title;
    if (!ReadArchivedString(file, title))
        return false;
    m_strTitle = title;
    QString text;
    if (!ReadArchivedString(file, text))
        return false;
    m_strText = text;
    return true;
}

bool CNote::LoadPlainText(QFile& file)
{
    if (file.size() > kLargestPlainFile)
        return false;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    if (data.startsWith("\xFF\xFE")) {
        m_bUnicode = 1;
        m_strText = TextUpToZeroUnit(data, 2);
    } else if (data.startsWith('\xEF')) {
        m_bUnicode = 1;
        m_strText = data.size() > 3 ? Utf8ToString(data.constData() + 3, data.size() - 3) : QString();
    } else {
        m_strText = AnsiToString(QByteArrayView(data.constData(), qstrnlen(data.constData(), data.size())));
    }
    m_strFileText = m_strText;
    return true;
}

bool CNote::Save()
{
    const QString hostPath = HostPathFromDevicePath(m_strPath);
    if (m_bArchive) {
        if (m_strText.isEmpty())
            return RemoveFile(hostPath);
        QByteArray bytes;
        AppendArchivedString(bytes, m_strTitle);
        AppendArchivedString(bytes, m_strText);
        return WriteFileAtomically(hostPath, bytes);
    }
    if (m_strFileText == m_strText)
        return true;
    bool unicode = m_bUnicode != 0;
    QByteArray bytes;
    if (!unicode) {
        std::optional<QByteArray> ansi = StringToAnsi(m_strText);
        if (ansi)
            bytes = *ansi;
        else
            unicode = true;
    }
    if (unicode)
        bytes = Utf16WithSignature(m_strText);
    if (!WriteFileAtomically(hostPath, bytes))
        return false;
    m_bUnicode = unicode ? 1 : 0;
    m_strFileText = m_strText;
    return true;
}

QString CNote::Utf8ToString(const char* bytes, qsizetype count)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    QString text;
    text.reserve(count);
    qsizetype i = 0;
    while (i < count) {
        const unsigned b0 = data[i];
        if (b0 < 0x80) {
            text.append(QChar(char16_t(b0)));
            i += 1;
        } else if (b0 < 0xE0) {
            if (i + 1 >= count)
                break;
            // Unsigned arithmetic wraps modulo 2^32, so taking 16 bits gives
            // the value modulo 65536 even for bytes below C0 or 80.
            const unsigned b1 = data[i + 1];
            text.append(QChar(char16_t((b0 - 0xC0u) * 64u + (b1 - 0x80u))));
            i += 2;
        } else if (b0 < 0xF0) {
            if (i + 2 >= count)
                break;
            const unsigned b1 = data[i + 1];
            const unsigned b2 = data[i + 2];
            text.append(QChar(char16_t((b0 & 0x0Fu) << 12 | (b1 & 0x3Fu) << 6 | (b2 & 0x3Fu))));
            i += 3;
        } else {
            i += 1;
        }
    }
    return text;
}
