#include "notebook/window/NoteBookFonts.h"

LOGFONT PageFontDescription()
{
    LOGFONT font;
    font.lfHeight = 16;
    font.lfWeight = 400;
    font.lfItalic = true;
    font.lfQuality = ANTIALIASED_QUALITY;
    font.lfPitchAndFamily = FF_SWISS;
    font.lfFaceName = QStringLiteral("Tahoma");
    return font;
}

LOGFONT StatusFontDescription()
{
    LOGFONT font = PageFontDescription();
    font.lfHeight = 12;
    return font;
}

// Every line of the editor must be exactly one rule high, whatever its
// script. The face that stands in for Tahoma makes 23-pixel lines, and lines
// with Chinese taller still; this face at an 18-pixel em makes 22-pixel lines
// of Latin, Turkish and Chinese alike.
LOGFONT EditFontDescription()
{
    LOGFONT font;
    font.lfHeight = -18;
    font.lfWeight = 500;
    font.lfQuality = ANTIALIASED_QUALITY;
    font.lfPitchAndFamily = FF_SWISS;
    font.lfFaceName = QStringLiteral("WenQuanYi Micro Hei");
    return font;
}
