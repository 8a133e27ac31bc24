#pragma once

#include <span>

// One entry of a program's fixed texts. An entry without a Chinese text
// shows its English one in every language.
struct LocalTextPair {
    const char16_t* english;
    const char16_t* chinese;
};

// The one rule by which both programs look up their texts: the Chinese text
// when language is Chinese (1) and the entry has one, the English text
// otherwise; the empty string for an index outside the table.
const char16_t* LookUpLocalText(std::span<const LocalTextPair> table, int index, int language);
