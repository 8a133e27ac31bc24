#pragma once

#include <QFont>
#include <QString>

// A logical-font description. lfHeight > 0 is the character cell height in
// pixels (ascent plus descent); lfHeight < 0 is the em height in pixels.
struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = 400;
    bool lfItalic = false;
    bool lfUnderline = false;
    bool lfStrikeOut = false;
    int lfCharSet = 0;
    int lfOutPrecision = 0;
    int lfClipPrecision = 0;
    int lfQuality = 0;
    int lfPitchAndFamily = 0;
    QString lfFaceName;
};

constexpr int NONANTIALIASED_QUALITY = 3;
constexpr int ANTIALIASED_QUALITY = 4;
constexpr int CLEARTYPE_QUALITY = 5;
constexpr int FF_ROMAN = 0x10;
constexpr int FF_SWISS = 0x20;
constexpr int FF_MODERN = 0x30;

// The font of a description. Its QFontMetrics::ascent() + descent() equals a
// positive lfHeight when the face has a pixel size with that cell height;
// otherwise it is the face's nearest cell below (Liberation Sans, for "Arial",
// has cells of 23 and 25 pixels but none of 24).
// Faces resolve through fontconfig ("Arial" to Liberation Sans, "Tahoma" to
// DejaVu Sans); characters the face lacks (Chinese) come from a fallback face.
QFont FontFromLogFont(const LOGFONT& description);
