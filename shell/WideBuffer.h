#pragma once

#include <QString>

// Copies text into a caller's buffer of bufferSize UTF-16 units, terminator
// included. False, leaving an empty string, when it does not fit.
bool CopyToWideBuffer(const QString& text, char16_t* buffer, int bufferSize);

// The NUL-terminated text at text, empty for a null pointer.
QString FromWide(const char16_t* text);
