#pragma once

#include "notebook/storage/Note.h"
#include "shell/OrvaSkins.h"

#include <QString>

#include <optional>

// Where two devices changed a note before a sync engine brought them in
// step, Syncthing keeps the version that lost beside the note as
// "<name>.sync-conflict-<YYYYMMDD>-<HHMMSS>-<device><ext>", device being the
// first seven characters of the id of the device that wrote it.
// The file name of the note a conflict copy of this name belongs to, or
// nothing for any other name.
std::optional<QString> ConflictCopyOf(const QString& fileName);

// The caption of a page: the note's title, or for a sync engine's conflict
// copy a short text that says whose copy it is, in the current language.
QString PageCaption(const CNote& note);
QString PageCaption(const CNote& note, ORVA_LANG language);
