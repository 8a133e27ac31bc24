#pragma once

#include "notebook/storage/Note.h"

#include <QString>

#include <vector>

// Folders nested deeper than this below the notes folder are not entered.
constexpr int kDeepestNoteFolder = 64;

// Finds every note file under a notes folder (a device path) and reads its
// title (CNote::LoadTitleFromHostFile; the texts stay on disk): the
// files whose names end in ".note" (any case) with something before it, in
// the folder and its sub-folders, in the order the file system lists them,
// appended to notes in archive form. Names beginning with a full stop are
// skipped, and folders with them. Symbolic links to folders are not
// followed, and entries whose device path would reach MAX_PATH characters or
// that a device path cannot name (a backslash in the name, bytes that are not
// UTF-8, logged) are left out.
// Files that fail to load (or whose text is cut short) are dropped, and so
// is a file met again by another name (a link): each file is one note.
void LoadNoteFolder(const QString& folder, std::vector<CNote>& notes);
