#include "platform/LogFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

namespace {

constexpr int kDefaultHeight = 16;
// Far beyond any text on an 800 by 480 screen; keeps the size search short.
constexpr int kLargestHeight = 480;
// Emoji that the face lacks come from the colour font before the system's
// own fallback, which picks a face with black outlines of them where one is
// installed (DejaVu Sans has the faces).
const QString kColourEmojiFamily = QStringLiteral("Noto Color Emoji");

QFont BaseFont(const LOGFONT& description, const QString& face)
{
    QFont font(face);
    font.setWeight(QFont::Weight(qBound(1, description.lfWeight == 0 ? 400 : description.lfWeight, 1000)));
    font.setItalic(description.lfItalic);
    font.setUnderline(description.lfUnderline);
    font.setStrikeOut(description.lfStrikeOut);
    switch (description.lfPitchAndFamily & 0xF0) {
    case FF_ROMAN: font.setStyleHint(QFont::Serif); break;
    case FF_MODERN: font.setStyleHint(QFont::Monospace); break;
    default: font.setStyleHint(QFont::SansSerif); break;
    }
    if (description.lfQuality == NONANTIALIASED_QUALITY)
        font.setStyleStrategy(QFont::NoAntialias);
    else if (description.lfQuality >= ANTIALIASED_QUALITY)
        font.setStyleStrategy(QFont::PreferAntialias);
    // The face as the system resolves it ("Arial" is Liberation Sans) stays
    // first: a family list is matched by exact names only.
    font.setFamilies({ QFontInfo(font).family(), kColourEmojiFamily });
    return font;
}

int CellHeight(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// The largest pixel size whose cell is at most height. The face is kept even
// when none of its sizes has exactly that cell: a stand-in face of the same
// widths matters more to text laid out for the asked face than one pixel of
// height, and a wider face overflows the boxes made for it.
QFont LargestFitting(QFont font, int height)
{
    for (int pixels = height; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (CellHeight(font) <= height)
            return font;
    }
    font.setPixelSize(1);
    return font;
}

} // namespace

QFont FontFromLogFont(const LOGFONT& description)
{
    const QString face = description.lfFaceName.isEmpty() ? QStringLiteral("Sans") : description.lfFaceName;
    QFont font = BaseFont(description, face);
    if (description.lfHeight < 0) {
        font.setPixelSize(qMin(-description.lfHeight, kLargestHeight));
        return font;
    }
    const int height = description.lfHeight == 0 ? kDefaultHeight : qMin(description.lfHeight, kLargestHeight);
    return LargestFitting(font, height);
}
