#pragma once

#include <QString>

// Sends a command code to the program serving socketPath and waits for its
// answer. 1: the program took the message; 0: it did not answer in time;
// -1: nothing listens there.
int SendShellCode(const QString& socketPath, unsigned long code, int timeoutMs);
