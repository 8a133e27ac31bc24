#pragma once

#include "shell/OrvaSkins.h"

#include <QRect>

#include <functional>

// Wren: the soft keyboard and the conversion to the device's ANSI code page.
enum SIP_STATE : int {
    SIP_HIDDEN = 0,
    SIP_SHOWN = 1,
};

SIP_STATE SipGetState();
// Shows the keyboard along the bottom of the active window; with no active
// window there is nothing to type into, and it stays hidden.
void SipShowCorrectIM(ORVA_LANG language);
// Also what the keyboard's own hide key does.
void SipHideIM();
// Where the keyboard shows, in screen coordinates; empty while it is hidden.
QRect SipGetRect();
// Calls onChange each time the keyboard shows or hides, for as long as
// receiver lives.
void SipWatch(QObject* receiver, std::function<void()> onChange);

// Converts NUL-terminated UTF-16 text to the configured ANSI code page,
// NUL-terminated, writing at most dstSize bytes. Returns the byte length of the
// result without its terminator, or -1 (dst then holds an empty string) when
// the text does not fit or a character cannot be represented in the code page.
int UnicodeToAnsi(const char16_t* src, char* dst, int dstSize);

// Converts srcSize bytes in the configured ANSI code page to text. A byte
// sequence that the code page does not define becomes U+FFFD; nothing is
// dropped silently. lossy, when given, tells whether that happened.
QString AnsiToUnicode(const char* src, int srcSize, bool* lossy = nullptr);
