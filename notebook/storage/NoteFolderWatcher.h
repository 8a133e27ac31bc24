#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <unordered_map>

class QSocketNotifier;

// Tells when note files may have come, gone or changed names anywhere under
// a notes folder, from the kernel's change notification (inotify): one watch
// on each folder the notes search enters, so that nothing is read while
// nothing changes. Hidden names (temporary files being written) are no
// change until they are renamed to a note's name. Where the kernel cannot
// watch (its watch limit), or its event queue overflowed, every call of
// TakeChange says there may be one.
class CNoteFolderWatcher : public QObject {
    Q_OBJECT

public:
    explicit CNoteFolderWatcher(QObject* parent = nullptr);
    ~CNoteFolderWatcher() override;

    // Starts watching hostFolder and the folders below it.
    void Watch(const QString& hostFolder);
    // Whether something under the folder changed since the last call; the
    // notifications the kernel holds are read now.
    bool TakeChange();

signals:
    // Something changed under the folder; TakeChange tells the same.
    void Changed();

private:
    struct WatchedFolder {
        QString hostPath;
        int depth = 0;
    };

    void ReadEvents();
    void WatchTree(const QString& hostFolder, int depth);
    void UnwatchAll();

    int m_fd { -1 };
    std::unique_ptr<QSocketNotifier> m_notifier;
    QString m_strRoot;
    std::unordered_map<int, WatchedFolder> m_folders;
    // The watch on the notes folder itself; -1 while it has none (the
    // folder was removed, or moved away), to be tried again at each call.
    int m_nRootWatch { -1 };
    bool m_bChanged { false };
    // Set when a folder could not be watched: changes may come unannounced.
    bool m_bBlind { false };
};
