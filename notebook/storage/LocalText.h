#pragma once

#include "shell/OrvaSkins.h"

#include <QString>

// The notebook's fixed texts, by index: 0 "Note Book", 1 "Next", 2 "Prev",
// 3 the page label format "Page %d/%d" (current page, number of pages),
// 4 the caption of a sync engine's conflict copy, "Conflict copy: %1" (the
// note's title).
constexpr int kPageLabelText = 3;
constexpr int kConflictCaptionText = 4;

// The text in the current interface language: Chinese when the language is
// 1, English otherwise; empty for an index outside the table.
QString GetLocalText(int index);
QString GetLocalText(int index, ORVA_LANG language);

// The page label, "Page 3/7" or "第3页/共7页", in the current language.
QString FormatPageLabel(int page, int pageCount);
QString FormatPageLabel(int page, int pageCount, ORVA_LANG language);

// The caption of a sync engine's conflict copy of the note titled title:
// Chinese, Turkish (as the date captions have it) or English.
QString FormatConflictCaption(const QString& title, ORVA_LANG language);
