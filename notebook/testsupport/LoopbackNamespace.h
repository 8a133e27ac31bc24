#pragma once

#include <QString>
#include <QStringList>

// Programs that start servers (two Syncthing devices talking to each other)
// run them in a network namespace of their own whose only interface is the
// loopback, so that nothing they send can reach another machine: the
// program starts itself again under "unshare -n" and the copy inside brings
// lo up.

// True in the copy that runs inside the namespace.
bool IsInLoopbackNamespace();
// Brings lo up, once it is sure to be the namespace's only interface; empty,
// or what is wrong.
QString BringUpLoopback();
// Why this machine cannot make such a namespace, or empty when it can.
QString WhyNoLoopbackNamespace();
// Runs this program again with arguments inside a namespace of its own (and
// a process namespace of its own, so that whatever it started dies with
// it), within timeoutMs. Its output goes to ours; returns its exit code, or
// -1 when it did not end in time.
int RunInLoopbackNamespace(const QStringList& arguments, int timeoutMs);
