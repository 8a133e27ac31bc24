#include "notebook/storage/NoteFolder.h"

#include "notebook/storage/NoteLog.h"
#include "platform/device/DevicePath.h"
#include "shell/OrvaCore.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>
#include <utility>

namespace {

// Device and inode of the files met so far.
using FileIds = std::set<std::pair<quint64, quint64>>;

// Calls found with the device path and host path of every note file under
// folder, by the rules LoadNoteFolder gives.
using NoteFileFound = std::function<void(const QString& path, const QString& hostPath)>;

void FindNotesBelow(const QString& folder, const QString& hostFolder, int depth, const NoteFileFound& found)
{
    QDirIterator entries(hostFolder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        const qsizetype pathLength = folder.size() + 1 + name.size();
        if (IsHiddenNoteEntry(name) || name.contains(u'\\') || pathLength >= MAX_PATH)
            continue;
        // A name that is not UTF-8 comes with U+FFFD in place of its bytes, and
        // under that name the file cannot be reached (or another one is).
        if (name.contains(QChar::ReplacementCharacter) && !QFileInfo::exists(entries.filePath())) {
            qCWarning(lcNotes, "%s holds a name that is not UTF-8; it is left out", qUtf8Printable(folder));
            continue;
        }
        const QFileInfo entry = entries.fileInfo();
        const QString path = folder + u'\\' + name;
        if (entry.isDir()) {
            // A link to a folder could lead back up the tree for ever.
            if (!entry.isSymLink() && depth < kDeepestNoteFolder)
                FindNotesBelow(path, entries.filePath(), depth + 1, found);
        } else if (IsNoteFileName(name)) {
            found(path, entries.filePath());
        }
    }
}

// Keeps the first page of each file (device and inode) from index first on,
// in their order. One sort instead of a lookup per note.
void DropLaterNamesOfOneFile(std::vector<CNotePage>& pages, std::size_t first)
{
    std::vector<std::tuple<quint64, quint64, std::size_t>> files;
    files.reserve(pages.size() - first);
    for (std::size_t index = first; index < pages.size(); ++index)
        files.emplace_back(pages[index].GetFileStamp()->device, pages[index].GetFileStamp()->inode, index);
    std::sort(files.begin(), files.end());
    std::vector<bool> dropped(pages.size(), false);
    for (std::size_t k = 1; k < files.size(); ++k)
        dropped[std::get<2>(files[k])]
            = std::get<0>(files[k]) == std::get<0>(files[k - 1]) && std::get<1>(files[k]) == std::get<1>(files[k - 1]);
    std::size_t kept = first;
    for (std::size_t index = first; index < pages.size(); ++index) {
        if (!dropped[index])
            pages[kept++] = std::move(pages[index]);
    }
    pages.erase(pages.begin() + std::ptrdiff_t(kept), pages.end());
}

void FindNotes(const QString& folder, const NoteFileFound& found)
{
    if (folder.isEmpty())
        return;
    const QString hostFolder = HostPathFromDevicePath(folder);
    if (!hostFolder.isEmpty())
        FindNotesBelow(folder, hostFolder, 0, found);
}

} // namespace

bool IsHiddenNoteEntry(const QString& name)
{
    return name.startsWith(u'.');
}

bool IsNoteFileName(const QString& name)
{
    return name.size() > 5 && name.endsWith(u".note", Qt::CaseInsensitive);
}

void LoadNoteFolder(const QString& folder, std::vector<CNotePage>& pages)
{
    const std::size_t first = pages.size();
    FindNotes(folder, [&](const QString& path, const QString& hostPath) {
        if (std::optional<CNotePage> page = CNotePage::ReadTitle(hostPath, path))
            pages.push_back(std::move(*page));
    });
    DropLaterNamesOfOneFile(pages, first);
}

std::vector<NoteFileEntry> ListNoteFolder(const QString& folder)
{
    std::vector<NoteFileEntry> files;
    FileIds listed;
    FindNotes(folder, [&](const QString& path, const QString& hostPath) {
        const std::optional<FileStamp> stamp = StampOfFile(hostPath);
        if (stamp && listed.emplace(stamp->device, stamp->inode).second)
            files.push_back({ path, hostPath, *stamp });
    });
    return files;
}
