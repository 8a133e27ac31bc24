#pragma once

#include <QString>
#include <QStringList>

// The "key=value" lines of the shell's text files (shell.ini, a skin's
// Skin.ini). Lines starting with '#' or ';' and section headers are comments.

// The lines of a file, at most 1 MiB of it, any bytes tolerated.
QStringList ReadKeyValueLines(const QString& hostPath);
// The key of a line, empty for a comment or a line without '='.
QString KeyOfLine(const QString& line);
// The value of a line, trimmed.
QString ValueOfLine(const QString& line);
