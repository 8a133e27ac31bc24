#include "notebook/storage/NoteStatus.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

SaveProblem SaveProblemOf(int error, const QString& hostPath)
{
    switch (error) {
    case 0: return SaveProblem::None;
    case EACCES:
    case EPERM:
    case EROFS: {
        // The same refusal comes from the file's mode and from its folder's.
        const QByteArray name = QFile::encodeName(hostPath);
        const bool fileRefuses = ::faccessat(AT_FDCWD, name.constData(), F_OK, AT_EACCESS) == 0
            && ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0;
        return fileRefuses ? SaveProblem::FileReadOnly : SaveProblem::FolderReadOnly;
    }
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return SaveProblem::DiskFull;
    case ENOENT:
    case ENOTDIR: return SaveProblem::FolderGone;
    case ENAMETOOLONG: return SaveProblem::NameTooLong;
    default: return SaveProblem::CannotWrite;
    }
}
