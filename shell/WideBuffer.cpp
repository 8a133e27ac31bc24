#include "shell/WideBuffer.h"

#include <algorithm>

bool CopyToWideBuffer(const QString& text, char16_t* buffer, int bufferSize)
{
    if (!buffer || bufferSize <= 0)
        return false;
    if (text.size() >= bufferSize) {
        buffer[0] = 0;
        return false;
    }
    std::copy_n(text.utf16(), text.size(), buffer);
    buffer[text.size()] = 0;
    return true;
}

QString FromWide(const char16_t* text)
{
    return text ? QString::fromUtf16(text) : QString();
}
