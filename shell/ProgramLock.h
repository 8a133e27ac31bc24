#pragma once

#include <QString>

// A kernel lock on a program's lock file, held for as long as the program
// runs. It is an open-file-description lock: the kernel releases it when the
// process ends in any way, so a crash leaves nothing stale, and no other
// descriptor of the same process can drop it by closing the file.
class ProgramLock {
public:
    ProgramLock() = default;
    ~ProgramLock();
    ProgramLock(const ProgramLock&) = delete;
    ProgramLock& operator=(const ProgramLock&) = delete;

    // Takes the lock without waiting; false when another holder has it.
    bool TryAcquire(const QString& lockPath);
    void Release();
    bool IsHeld() const { return m_fd >= 0; }

    // True when some open file description, of this process or another,
    // holds the lock at lockPath; the lock is only tested, never taken.
    static bool IsHeldAt(const QString& lockPath);

private:
    int m_fd = -1;
};
