#pragma once

#include <QLoggingCategory>

// The notebook's log: every save that failed and every text that went to
// another file than its own.
Q_DECLARE_LOGGING_CATEGORY(lcNotes)
