#pragma once

#include "notebook/storage/Note.h"

#include <QString>

class QTextDocument;

// The editor keeps lines as paragraphs; a note keeps them as characters. The
// line break a note is written back with is the one its text uses most
// ("\r\n", "\n" or a lone "\r"; on a tie in that order); a text without any
// takes "\r\n" in the notebook's own notes (as the device's edit control
// gives it) and "\n" in a handed-over text file.
QString LineBreakOfNote(const CNote& note);

// The editor's text as the note stores it, every character kept (no-break
// spaces and line separators included), paragraphs joined by lineBreak.
QString NoteTextFromDocument(const QTextDocument& document, const QString& lineBreak);

// Whether the editor, showing text as shownText (NoteTextFromDocument),
// holds every character of it: only its line breaks may have become
// lineBreak. U+2029, U+FDD0 and U+FDD1 become paragraphs in the editor and
// would come back as line breaks.
bool EditorHoldsText(const QString& text, const QString& shownText, const QString& lineBreak);
