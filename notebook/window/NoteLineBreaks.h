#pragma once

#include "notebook/storage/Note.h"

#include <QString>

class QTextDocument;

// The editor keeps lines as paragraphs; a note keeps them as characters. The
// line break a note is written back with is the one its text already uses;
// a text without any takes "\r\n" in the notebook's own notes (as the
// device's edit control gives it) and "\n" in a handed-over text file.
QString LineBreakOfNote(const CNote& note);

// The editor's text as the note stores it, every character kept (no-break
// spaces and line separators included), paragraphs joined by lineBreak.
QString NoteTextFromDocument(const QTextDocument& document, const QString& lineBreak);
