#include "notebook/storage/NoteLog.h"

Q_LOGGING_CATEGORY(lcNotes, "orva.notebook")
