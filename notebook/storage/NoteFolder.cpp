#include "notebook/storage/NoteFolder.h"

#include "platform/device/DevicePath.h"
#include "shell/OrvaCore.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <set>
#include <utility>

namespace {

bool IsNoteFileName(const QString& name)
{
    return name.size() > 5 && name.endsWith(u".note", Qt::CaseInsensitive);
}

// Device and inode of the files loaded so far.
using FileIds = std::set<std::pair<quint64, quint64>>;

void LoadNotesBelow(const QString& folder, const QString& hostFolder, int depth, std::vector<CNote>& notes,
                    FileIds& loaded)
{
    QDirIterator entries(hostFolder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        const qsizetype pathLength = folder.size() + 1 + name.size();
        if (name.startsWith(u'.') || name.contains(u'\\') || pathLength >= MAX_PATH)
            continue;
        const QFileInfo entry = entries.fileInfo();
        const QString path = folder + u'\\' + name;
        if (entry.isDir()) {
            // A link to a folder could lead back up the tree for ever.
            if (!entry.isSymLink() && depth < kDeepestNoteFolder)
                LoadNotesBelow(path, entries.filePath(), depth + 1, notes, loaded);
        } else if (IsNoteFileName(name)) {
            CNote note;
            if (!note.LoadTitleFromHostFile(entries.filePath(), path))
                continue;
            const FileStamp& stamp = *note.GetFileStamp();
            if (loaded.emplace(stamp.device, stamp.inode).second)
                notes.push_back(std::move(note));
        }
    }
}

} // namespace

void LoadNoteFolder(const QString& folder, std::vector<CNote>& notes)
{
    if (folder.isEmpty())
        return;
    const QString hostFolder = HostPathFromDevicePath(folder);
    FileIds loaded;
    if (!hostFolder.isEmpty())
        LoadNotesBelow(folder, hostFolder, 0, notes, loaded);
}
