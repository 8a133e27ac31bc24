#pragma once

// Controls of the notebook dialog's template.
constexpr int IDC_BTN_CLOSE = 1000;
constexpr int IDC_BTN_PREV = 1001;
constexpr int IDC_BTN_NEXT = 1002;
constexpr int IDC_BTN_INPUT = 1003;
constexpr int IDC_BTN_CLEAR = 1004;
constexpr int IDC_NOTE_EDIT = 1007;

// Window timers of the notebook dialog.
constexpr unsigned IDT_AUTOSAVE = 101;
constexpr unsigned IDT_CARET_TO_END = 102;
// One shot after the notes folder changed, so that a burst of changes (a
// sync engine writing many notes) is followed at once, not file by file.
constexpr unsigned IDT_FOLDER_CHANGED = 103;
constexpr unsigned kAutoSavePeriodMs = 10000;
constexpr unsigned kFolderSettleMs = 200;
