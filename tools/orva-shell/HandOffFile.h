#pragma once

#include <QByteArray>
#include <QString>

// The hand-off file "Note.path": one archived string naming the text file
// that the notebook is to open.
class HandOffFile {
public:
    // The archived form of a string: a length prefix, then UTF-16LE units.
    static QByteArray ArchivedString(const QString& text);
    // Replaces the hand-off file atomically; false when it cannot be written.
    static bool Write(const QString& devicePathToOpen);
};
