#pragma once

#include <QString>

#include <vector>

// Text files handed to the notebook by other programs. The shell's hand-off
// file "Note.path" holds one archived string, the device path of the file to
// open; programs that write it keep working. orva-shell posts each hand-off
// as a file of its own, in the same format, in the spool folder
// "Note.spool" beside it, so that any number of hand-offs at once each reach
// the notebook, and the sender learns the notebook's answer: the notebook
// removes an entry it took in and renames one it could not read to
// "<entry>.refused".
namespace HandOff {

// One hand-off waiting for the notebook.
struct Request {
    QString notePath;  // the device path of the file to open
    QString entryPath; // the spool entry's host path; empty for "Note.path"
};

// Every hand-off waiting: "Note.path" first, then the spool's entries in the
// order they were posted. "Note.path" is deleted once read, as the shell's
// programs expect; a damaged one, or one that is no regular file or too
// large to name a path, is left as it is.
std::vector<Request> TakePending();
// Tells the sender whether its file became a page.
void Answer(const Request& request, bool taken);

// What became of a posted entry.
enum class State { Waiting, Taken, Refused };
// Posts a hand-off of the file at the device path notePath; the entry's host
// path, or empty when it could not be written.
QString Post(const QString& notePath);
// The entry's state; a refused entry is removed once seen.
State StateOf(const QString& entryPath);
// Takes back an entry the notebook did not answer; false when it already
// took it.
bool Withdraw(const QString& entryPath);

} // namespace HandOff
