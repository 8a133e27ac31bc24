#pragma once

#include <QString>

// Notes folders and process figures shared by the notes benchmarks.

// Writes count archive notes into hostFolder as years of a diary leave
// them: date-caption titles in a random order of dates (a fixed seed), each
// text about forty words. Plain writes: the bench needs no safe saves.
void WriteBenchNotes(const QString& hostFolder, int count);

// Points the device root, the settings, the user's data and the registry of
// running programs into folders under root, so that a benchmark never meets
// the person's own notes, settings or running programs.
void UseOwnFolders(const QString& root);

// Empties the kernel's file cache; false where this process may not.
bool DropFileCache();

// The resident and the peak resident memory of this process, in MB.
struct ProcessMemory {
    double residentMb = 0;
    double peakMb = 0;
};
ProcessMemory ReadProcessMemory();
