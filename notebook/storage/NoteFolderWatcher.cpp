#include "notebook/storage/NoteFolderWatcher.h"

#include "notebook/storage/NoteFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcNoteFolder, "orva.notebook.folder")

// A note file's name settles by a rename (atomic saves, sync engines) or at
// the close of an in-place write; a folder's arrival or departure carries
// whatever notes it holds.
constexpr uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_DELETE_SELF
    | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK;

} // namespace

CNoteFolderWatcher::CNoteFolderWatcher(QObject* parent)
    : QObject(parent)
    , m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (m_fd < 0) {
        qCWarning(lcNoteFolder) << "no change notification, the notes folder is read at every tick:"
                                << std::strerror(errno);
        m_bBlind = true;
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        ReadEvents();
        if (m_bChanged)
            emit Changed();
    });
}

CNoteFolderWatcher::~CNoteFolderWatcher()
{
    m_notifier.reset();
    if (m_fd >= 0)
        close(m_fd);
}

void CNoteFolderWatcher::Watch(const QString& hostFolder)
{
    m_strRoot = hostFolder;
    if (m_fd >= 0)
        WatchTree(hostFolder, 0);
}

bool CNoteFolderWatcher::TakeChange()
{
    ReadEvents();
    if (m_fd >= 0 && m_nRootWatch < 0 && !m_strRoot.isEmpty()) {
        WatchTree(m_strRoot, 0);
        // A folder made again may hold notes already.
        m_bChanged = m_bChanged || m_nRootWatch >= 0;
    }
    const bool changed = m_bChanged || m_bBlind;
    m_bChanged = false;
    return changed;
}

// The same folders the notes search enters: no hidden ones, no links.
void CNoteFolderWatcher::WatchTree(const QString& hostFolder, int depth)
{
    const int wd = inotify_add_watch(m_fd, QFile::encodeName(hostFolder).constData(), kFolderEvents);
    if (wd < 0) {
        // A folder that went again before it was watched is no loss.
        if (errno != ENOENT && errno != ENOTDIR) {
            qCWarning(lcNoteFolder) << "cannot watch" << hostFolder << std::strerror(errno)
                                    << "- the notes folder is read at every tick";
            m_bBlind = true;
        }
        return;
    }
    m_folders[wd] = { hostFolder, depth };
    if (depth == 0)
        m_nRootWatch = wd;
    if (depth >= kDeepestNoteFolder)
        return;
    QDirIterator entries(hostFolder, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    while (entries.hasNext()) {
        entries.next();
        if (!IsHiddenNoteEntry(entries.fileName()))
            WatchTree(entries.filePath(), depth + 1);
    }
}

void CNoteFolderWatcher::UnwatchAll()
{
    for (const auto& [wd, folder] : m_folders)
        inotify_rm_watch(m_fd, wd);
    m_folders.clear();
    m_nRootWatch = -1;
}

void CNoteFolderWatcher::ReadEvents()
{
    if (m_fd < 0)
        return;
    alignas(inotify_event) char buffer[16 * 1024];
    for (;;) {
        const ssize_t length = read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (ssize_t offset = 0; offset < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            offset += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                // Folders made meanwhile may be unwatched: watch the tree again.
                qCInfo(lcNoteFolder) << "change notifications overflowed, the notes folder is read again";
                m_bChanged = true;
                WatchTree(m_strRoot, 0);
                continue;
            }
            const auto found = m_folders.find(event->wd);
            if (found == m_folders.end())
                continue;
            if (event->mask & IN_IGNORED) {
                if (event->wd == m_nRootWatch)
                    m_nRootWatch = -1;
                m_folders.erase(found);
                continue;
            }
            // A copy: watching a new folder may move the map's entries.
            const WatchedFolder folder = found->second;
            if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF)) {
                m_bChanged = true;
                // The notes folder moved elsewhere keeps its watches there:
                // they go, so that its path is watched again.
                if (event->wd == m_nRootWatch && (event->mask & IN_MOVE_SELF))
                    UnwatchAll();
                continue;
            }
            const QString name = QFile::decodeName(event->name);
            if (IsHiddenNoteEntry(name))
                continue;
            if (event->mask & IN_ISDIR) {
                m_bChanged = true;
                if ((event->mask & (IN_CREATE | IN_MOVED_TO)) && folder.depth < kDeepestNoteFolder)
                    WatchTree(folder.hostPath + u'/' + name, folder.depth + 1);
            } else if (IsNoteFileName(name)) {
                m_bChanged = true;
            }
        }
    }
}
