#pragma once

#include "shell/OrvaCore.h"

#include <string_view>

// The longest notes folder ("note_path") the notebook can use: a new note's
// name must still fit after it within a path of MAX_PATH - 1 characters. A
// longer folder would take every save the person makes and keep none.
constexpr std::u16string_view kNewNoteNameShape = u"\\YYYY-MM-DD hhmmss.note";
constexpr qsizetype kLongestNoteFolder = MAX_PATH - 1 - qsizetype(kNewNoteNameShape.size());
