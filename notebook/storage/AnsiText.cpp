#include "notebook/storage/AnsiText.h"

#include "shell/Wren.h"

#include <limits>
#include <vector>

QString AnsiToString(QByteArrayView bytes, bool* lossy)
{
    // Beyond what one conversion takes, the rest is converted on its own.
    constexpr qsizetype kLargestPiece = std::numeric_limits<int>::max();
    if (lossy)
        *lossy = false;
    QString text;
    for (qsizetype start = 0; start < bytes.size(); start += kLargestPiece) {
        const QByteArrayView piece = bytes.sliced(start, std::min(kLargestPiece, bytes.size() - start));
        bool pieceLossy = false;
        text += AnsiToUnicode(piece.data(), int(piece.size()), &pieceLossy);
        if (lossy && pieceLossy)
            *lossy = true;
    }
    return text;
}

std::optional<QByteArray> StringToAnsi(const QString& text)
{
    constexpr qsizetype kLongestText = (std::numeric_limits<int>::max() - 2) / 4;
    if (text.size() > kLongestText || text.contains(QChar(u'\0')))
        return std::nullopt;
    // Four bytes a code unit hold any code page's longest sequence, so only
    // characters the code page lacks make the conversion fail.
    std::vector<char> buffer(std::size_t(text.size()) * 4 + 2);
    const int length
        = UnicodeToAnsi(reinterpret_cast<const char16_t*>(text.utf16()), buffer.data(), int(buffer.size()));
    if (length < 0)
        return std::nullopt;
    return QByteArray(buffer.data(), length);
}
