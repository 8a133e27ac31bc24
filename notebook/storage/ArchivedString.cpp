#include "notebook/storage/ArchivedString.h"

#include "notebook/storage/AnsiText.h"

#include <QtEndian>

namespace {

constexpr quint16 kWideMark = 0xFFFE;

template<typename T>
bool ReadLittleEndian(QIODevice& device, T& value)
{
    char bytes[sizeof(T)];
    if (device.read(bytes, sizeof(T)) != qint64(sizeof(T)))
        return false;
    value = qFromLittleEndian<T>(bytes);
    return true;
}

// Reads the length prefix; wide tells whether 16-bit characters follow.
bool ReadLength(QIODevice& device, quint32& length, bool& wide)
{
    wide = false;
    quint8 byte = 0;
    if (!ReadLittleEndian(device, byte))
        return false;
    if (byte < 0xFF) {
        length = byte;
        return true;
    }
    quint16 word = 0;
    if (!ReadLittleEndian(device, word))
        return false;
    if (word == kWideMark) {
        wide = true;
        if (!ReadLittleEndian(device, byte))
            return false;
        if (byte < 0xFF) {
            length = byte;
            return true;
        }
        if (!ReadLittleEndian(device, word))
            return false;
    }
    if (word < 0xFFFF) {
        length = word;
        return true;
    }
    quint32 dword = 0;
    if (!ReadLittleEndian(device, dword) || dword == 0xFFFFFFFF)
        return false;
    length = dword;
    return true;
}

// Bytes that can still be read; a sequential device tells only what it buffers.
qint64 BytesLeft(const QIODevice& device)
{
    if (device.isSequential())
        return device.bytesAvailable();
    return device.size() - device.pos();
}

} // namespace

bool ReadArchivedString(QIODevice& device, QString& out, bool* lossy)
{
    if (lossy)
        *lossy = false;
    quint32 length = 0;
    bool wide = false;
    if (!ReadLength(device, length, wide))
        return false;
    const qint64 byteCount = qint64(length) * (wide ? 2 : 1);
    if (byteCount > BytesLeft(device))
        return false;
    const QByteArray bytes = device.read(byteCount);
    if (bytes.size() != byteCount)
        return false;
    if (!wide) {
        out = AnsiToString(bytes, lossy);
        return true;
    }
    out.resize(qsizetype(length));
    qFromLittleEndian<char16_t>(bytes.constData(), length, out.data());
    return true;
}

bool SkipArchivedString(QIODevice& device)
{
    quint32 length = 0;
    bool wide = false;
    if (!ReadLength(device, length, wide))
        return false;
    const qint64 byteCount = qint64(length) * (wide ? 2 : 1);
    return byteCount <= BytesLeft(device) && device.skip(byteCount) == byteCount;
}

void AppendArchivedString(QByteArray& out, const QString& text)
{
    const auto length = quint32(text.size());
    out.append('\xFF');
    char mark[2];
    qToLittleEndian<quint16>(kWideMark, mark);
    out.append(mark, 2);
    char number[4];
    if (length < 0xFF) {
        out.append(char(length));
    } else if (length < 0xFFFE) {
        out.append('\xFF');
        qToLittleEndian<quint16>(quint16(length), number);
        out.append(number, 2);
    } else {
        out.append("\xFF\xFF\xFF", 3);
        qToLittleEndian<quint32>(length, number);
        out.append(number, 4);
    }
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size());
    qToLittleEndian<char16_t>(text.utf16(), text.size(), out.data() + start);
}
