#include "shell/LocalTextTable.h"

#include "shell/OrvaSkins.h"

const char16_t* LookUpLocalText(std::span<const LocalTextPair> table, int index, int language)
{
    if (index < 0 || std::size_t(index) >= table.size())
        return u"";
    const LocalTextPair& entry = table[std::size_t(index)];
    if (language == ORVA_LANG_CHINESE && entry.chinese)
        return entry.chinese;
    return entry.english;
}
