#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Drives a notebook-peer process (see NoteBookPeerMain.cpp): a notebook of
// its own on a device folder of its own. It is closed with the object.
class NoteBookPeer {
public:
    NoteBookPeer() = default;
    NoteBookPeer(const NoteBookPeer&) = delete;
    NoteBookPeer& operator=(const NoteBookPeer&) = delete;
    ~NoteBookPeer();

    // Starts the program with its device root, settings and registry under
    // folder; false when it does not come up.
    bool Start(const QString& program, const QString& folder);
    // Sends a command line and returns the lines of its answer; nothing
    // when the notebook does not answer within a few seconds.
    QStringList Ask(const QString& command);
    // The notes folder, a host path.
    QString NotesFolder() const { return m_strNotesFolder; }

private:
    QStringList ReadAnswer();

    QProcess m_process;
    QString m_strNotesFolder;
};
