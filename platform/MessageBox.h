#pragma once

#include <QString>

class QWidget;

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;

// A modal message box over parent; returns IDOK, IDCANCEL, IDYES or IDNO.
// Closing it without a choice counts as the last button (IDCANCEL, IDNO, IDOK).
int MessageBox(QWidget* parent, const QString& text, const QString& caption, unsigned type = MB_OK);
