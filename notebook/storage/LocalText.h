#pragma once

#include "notebook/storage/NoteStatus.h"
#include "shell/OrvaSkins.h"

#include <QString>

// The notebook's fixed texts, by index: 0 "Note Book", 1 "Next", 2 "Prev",
// 3 the page label format "Page %d/%d" (current page, number of pages).
constexpr int kPageLabelText = 3;

// The text in the current interface language: Chinese when the language is
// 1, English otherwise; empty for an index outside the table.
QString GetLocalText(int index);
QString GetLocalText(int index, ORVA_LANG language);

// The page label, "Page 3/7" or "第3页/共7页", in the current language.
QString FormatPageLabel(int page, int pageCount);
QString FormatPageLabel(int page, int pageCount, ORVA_LANG language);

// The one line a page shows while its text is not where it belongs: why its
// last save failed ("Not saved: the file is read-only"), else which file its
// text went to ("Saved to a new note: 2026-12-06 041548.note"); empty when
// the text is in its own file. In Chinese, English or Turkish.
QString FormatSaveStatus(SaveProblem problem, Redirection redirection, const QString& fileName, ORVA_LANG language);

// The caption of a sync engine's conflict copy of the note titled title,
// "Conflict copy: %1", in Chinese, English or Turkish.
QString FormatConflictCaption(const QString& title, ORVA_LANG language);
