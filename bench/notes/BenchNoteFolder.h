#pragma once

#include <QString>

// Notes folders and process figures shared by the notes benchmarks.

// Writes count archive notes into hostFolder as years of a diary leave
// them: date-caption titles in a random order of dates (a fixed seed), each
// text about forty words. Plain writes: the bench needs no safe saves.
void WriteBenchNotes(const QString& hostFolder, int count);

// Empties the kernel's file cache; false where this process may not.
bool DropFileCache();

// The resident and the peak resident memory of this process, in MB.
struct ProcessMemory {
    double residentMb = 0;
    double peakMb = 0;
};
ProcessMemory ReadProcessMemory();
