#pragma once

#include <QString>

// Why the last save of a note did not reach its file.
enum class SaveProblem { None, FileReadOnly, FolderReadOnly, DiskFull, FolderGone, NameTooLong, CannotWrite };

// Where a note's text went instead of the file it was read from.
enum class Redirection { None, NewNote, ConflictCopy, RecoveryFolder };

// The problem that errno value error, met saving the host file at hostPath,
// stands for.
SaveProblem SaveProblemOf(int error, const QString& hostPath);
