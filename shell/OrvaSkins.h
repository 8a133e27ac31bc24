#pragma once

#include "platform/Color.h"

#include <QImage>

// Plover: the current skin's images and colours, and the interface language.
enum ORVA_LANG : int {
    ORVA_LANG_ENGLISH = 0,
    ORVA_LANG_CHINESE = 1,
    ORVA_LANG_TURKISH = 6,
};

// The colour words of the current skin; words 48 to 50 are the game's text colours.
struct SKIN_INFO {
    static constexpr int kWordCount = 64;
    COLORREF color[kWordCount];
};

class COrvaSkins {
public:
    // The named image of the current skin as a new image that the caller owns;
    // a null image when the skin has none.
    static QImage LoadBitmapW(const char16_t* name, int flags);
    // Read anew at each call.
    static const SKIN_INFO* GetSkinInfo();
    // Read anew at each call, so a change shows at the next lookup.
    static ORVA_LANG GetLanguage();
};
