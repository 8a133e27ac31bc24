#pragma once

#include <QString>

#include <cstddef>

// Points the device root and the shell's settings at a private temporary
// folder, so that fuzzing never reads or writes the user's own, and returns
// a host file path inside it for inputs that must be files.
QString PrepareFuzzEnvironment();

// Replaces the file at path by size bytes of data.
void WriteFuzzInput(const QString& path, const unsigned char* data, std::size_t size);
