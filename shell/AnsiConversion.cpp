// Wren: conversions between UTF-16 and the device's ANSI code page.
#include "shell/Wren.h"

#include "shell/AnsiCodePage.h"

#include <QStringDecoder>

#include <bit>
#include <cerrno>
#include <iconv.h>
#include <string>

namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// An open iconv conversion, closed when it goes out of scope.
class Conversion {
public:
    Conversion(const char* to, const char* from)
        : m_cd(iconv_open(to, from))
    {
    }
    ~Conversion()
    {
        if (IsOpen())
            iconv_close(m_cd);
    }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return m_cd; }

private:
    iconv_t m_cd;
};

} // namespace

int UnicodeToAnsi(const char16_t* src, char* dst, int dstSize)
{
    if (!dst || dstSize <= 0)
        return -1;
    dst[0] = 0;
    if (!src)
        return 0;
    const Conversion conversion(AnsiCodePage::ActiveIconvName().constData(), kUtf16);
    if (!conversion.IsOpen())
        return -1;
    char* in = const_cast<char*>(reinterpret_cast<const char*>(src));
    size_t inLeft = std::char_traits<char16_t>::length(src) * sizeof(char16_t);
    char* out = dst;
    size_t outLeft = static_cast<size_t>(dstSize) - 1; // room for the terminator
    // Too small a buffer (E2BIG), a character the code page lacks (EILSEQ) and
    // a lone surrogate (EILSEQ, EINVAL) all fail the whole conversion.
    if (iconv(conversion.Handle(), &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1)
        || iconv(conversion.Handle(), nullptr, nullptr, &out, &outLeft) == static_cast<size_t>(-1)) {
        dst[0] = 0;
        return -1;
    }
    *out = 0;
    return static_cast<int>(out - dst);
}

QString AnsiToUnicode(const char* src, int srcSize, bool* lossy)
{
    if (lossy)
        *lossy = false;
    if (!src || srcSize <= 0)
        return {};
    const Conversion conversion(kUtf16, AnsiCodePage::ActiveIconvName().constData());
    if (!conversion.IsOpen()) {
        QStringDecoder utf8(
            QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString text = utf8.decode(QByteArrayView(src, srcSize));
        if (lossy)
            *lossy = utf8.hasError();
        return text;
    }
    QString text;
    char* in = const_cast<char*>(src);
    size_t inLeft = static_cast<size_t>(srcSize);
    std::u16string chunk(256, u'\0');
    while (inLeft > 0) {
        char* out = reinterpret_cast<char*>(chunk.data());
        size_t outLeft = chunk.size() * sizeof(char16_t);
        const size_t result = iconv(conversion.Handle(), &in, &inLeft, &out, &outLeft);
        text.append(QStringView(chunk.data(), (reinterpret_cast<char16_t*>(out) - chunk.data())));
        if (result != static_cast<size_t>(-1) || errno == E2BIG)
            continue;
        // A byte sequence the code page does not define, or one cut off at
        // the end, shows as a replacement character.
        text.append(QChar::ReplacementCharacter);
        if (lossy)
            *lossy = true;
        if (errno != EILSEQ)
            break;
        ++in;
        --inLeft;
    }
    return text;
}
