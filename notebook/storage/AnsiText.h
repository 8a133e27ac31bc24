#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Text in the device's ANSI code page, the shell's "codepage" setting.

// Decodes bytes of the code page; bytes it does not define become U+FFFD,
// and lossy, when given, tells whether there were any.
QString AnsiToString(QByteArrayView bytes, bool* lossy = nullptr);

// Encodes text in the code page, or nothing when a character cannot be
// represented there (a U+0000 inside the text counts as one, since the
// conversion would end the text at it).
std::optional<QByteArray> StringToAnsi(const QString& text);
