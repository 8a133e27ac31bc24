#pragma once

#include <QString>

// The hand-off file "Note.path": one archived string naming the text file
// that the notebook is to open.
class HandOffFile {
public:
    // Replaces the hand-off file atomically; false when it cannot be written.
    static bool Write(const QString& devicePathToOpen);
};
