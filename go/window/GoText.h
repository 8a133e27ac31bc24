#pragma once

#include "go/engine/GoTextEntry.h"

#include <QString>

// The game's texts: one table of (English, Chinese) pairs, indexed by
// GoTextEntry.

// The entry's text for the given interface language: Chinese for language 1,
// English for any other; the empty string for an index outside the table.
const char16_t* LocalText(int index, int language);

// The entry's text for the shell's current language, asked anew at each call.
const char16_t* GetLocalText(int index);

// GetLocalText as a QString.
QString GetLocalQString(int index);

// The entry with every "%d" replaced by number in decimal.
QString FormatLocalText(int index, int number);
