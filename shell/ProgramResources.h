#pragma once

#include <QCursor>
#include <QImage>
#include <QString>

// The programs' own resources, drawn at build time with the skins and found
// under "\Orva\Resources" (a user's file of the same name comes first).

// The game's pointer shapes: 149 holds a black stone, 150 a white one; 32 by
// 32 with the hot spot at (2, 2). The arrow when the shape is missing.
QCursor LoadProgramCursor(int resourceId);
// A program's icon ("Go", "NoteBook"), 128 by 128; a null image when missing.
QImage LoadProgramIcon(const QString& program);
// On a desktop the program's windows show its icon and belong to its desktop
// entry (the entry's file name without ".desktop").
void SetProgramIdentity(const QString& program, const QString& desktopEntry);
