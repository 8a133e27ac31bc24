#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

// The length-prefixed strings of a note archive and of the hand-off file
// "Note.path". A string is written in the 16-bit form: FF FE FF, then the
// length in one byte (< 255), or FF and 16 bits (< 65534), or FF FF FF and
// 32 bits, then the UTF-16LE code units. Both the 8-bit form (ANSI code
// page) and the 16-bit form are read.

// Reads one string from the device's current position. Returns false on a
// truncated string or an unsupported length; a length that announces more
// bytes than the device still holds fails before anything is allocated.
// lossy, when given, tells whether 8-bit characters held bytes the code page
// does not define.
bool ReadArchivedString(QIODevice& device, QString& out, bool* lossy = nullptr);

// Moves past one string without reading its characters; fails where
// ReadArchivedString would on a regular file.
bool SkipArchivedString(QIODevice& device);

// Appends the 16-bit form of text to out.
void AppendArchivedString(QByteArray& out, const QString& text);
