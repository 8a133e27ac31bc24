#include "notebook/storage/AnsiText.h"

#include "shell/OrvaCore.h"
#include "shell/Wren.h"

#include <QStringDecoder>

#include <limits>
#include <vector>

namespace {

constexpr int kUtf8CodePage = 65001;

int ConfiguredCodePage()
{
    char16_t value[MAX_PATH] = {};
    COrvaCore::GetStrParam(u"codepage", value, u"65001");
    bool ok = false;
    const int codePage = QString::fromUtf16(value).trimmed().toInt(&ok);
    return ok ? codePage : kUtf8CodePage;
}

} // namespace

QString AnsiToString(QByteArrayView bytes)
{
    const int codePage = ConfiguredCodePage();
    QStringDecoder decoder = codePage == kUtf8CodePage
        ? QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)
        : QStringDecoder(QByteArray("cp" + QByteArray::number(codePage)).constData(),
                         QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

std::optional<QByteArray> StringToAnsi(const QString& text)
{
    constexpr qsizetype kLongestText = (std::numeric_limits<int>::max() - 2) / 4;
    if (text.size() > kLongestText || text.contains(QChar(u'\0')))
        return std::nullopt;
    // Four bytes a code unit hold any code page's longest sequence, so only
    // characters the code page lacks make the conversion fail.
    std::vector<char> buffer(std::size_t(text.size()) * 4 + 2);
    const int length = UnicodeToAnsi(reinterpret_cast<const char16_t*>(text.utf16()), buffer.data(),
                                     int(buffer.size()));
    if (length < 0)
        return std::nullopt;
    return QByteArray(buffer.data(), qstrnlen(buffer.data(), buffer.size()));
}
