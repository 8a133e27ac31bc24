#pragma once

#include "notebook/storage/FileStamp.h"
#include "notebook/storage/NotePage.h"

#include <QString>

#include <vector>

// Folders nested deeper than this below the notes folder are not entered.
constexpr int kDeepestNoteFolder = 64;

// Names beginning with a full stop are never notes nor note folders: the
// notebook's own temporary files and a sync engine's (".syncthing.*.tmp").
bool IsHiddenNoteEntry(const QString& name);
// Whether a file of this name in the notes folder is a note: ".note" (any
// case) with something before it.
bool IsNoteFileName(const QString& name);

// Finds every note file under a notes folder (a device path) and reads its
// title (CNotePage::ReadTitle; the texts stay on disk): the files with a note
// file name, in the folder and its sub-folders, in the order the file system
// lists them, appended to pages.
// Hidden entries are skipped, and folders with them. Symbolic links to
// folders are not followed, and entries whose device path would reach
// MAX_PATH characters or that a device path cannot name (a backslash in the
// name, bytes that are not UTF-8, logged) are left out. Files that fail to
// load (or whose text is cut short) are dropped, and so is a file met again by another name (a link):
// each file is one note.
void LoadNoteFolder(const QString& folder, std::vector<CNotePage>& pages);

// One note file as the folder search finds it, unread.
struct NoteFileEntry {
    QString path;
    QString hostPath;
    FileStamp stamp;
};

// The note files LoadNoteFolder would read, by the same rules, without
// reading them: each file once, whatever the links to it.
std::vector<NoteFileEntry> ListNoteFolder(const QString& folder);
