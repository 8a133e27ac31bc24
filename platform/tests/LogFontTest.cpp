#include "platform/LogFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

LOGFONT Description(const char* face, int height, int weight, bool italic = false)
{
    LOGFONT font;
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfQuality = ANTIALIASED_QUALITY;
    font.lfPitchAndFamily = FF_SWISS;
    font.lfFaceName = QString::fromLatin1(face);
    return font;
}

int CellHeight(const QFont& font)
{
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

// The programs' fonts stay at their height or the nearest below: the
// notebook's page and editor fonts, the game's option and status fonts, and
// "Arial" at a height its stand-in lacks. Weight, italic and an em height
// carry over.
TEST(LogicalFonts, TheProgramsFontsKeepFaceHeightWeightAndItalic)
{
    const struct {
        const char* face;
        int height;
        int weight;
        bool italic;
        int cell;
        const char* family;
    } fonts[] = {
        {"Tahoma", 22, 500, false, 22, "DejaVu Sans"},     {"Tahoma", 16, 500, false, 16, "DejaVu Sans"},
        {"Tahoma", 24, 500, false, 24, "DejaVu Sans"},     {"Tahoma", 25, 500, false, 25, "DejaVu Sans"},
        {"Tahoma", 16, 400, true, 16, "DejaVu Sans"},      {"Arial", 25, 600, false, 25, "Liberation Sans"},
        {"Arial", 22, 600, false, 22, "Liberation Sans"}, {"Arial", 24, 600, false, 23, "Liberation Sans"},
    };
    for (const auto& f : fonts) {
        const QFont font = FontFromLogFont(Description(f.face, f.height, f.weight, f.italic));
        EXPECT_EQ(CellHeight(font), f.cell) << f.face << " " << f.height;
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(f.family)) << f.face << " " << f.height;
        EXPECT_EQ(font.italic(), f.italic) << f.face << " " << f.height;
        EXPECT_EQ(font.weight() >= QFont::DemiBold, f.weight >= 600) << f.face << " " << f.height;
    }
    EXPECT_EQ(FontFromLogFont(Description("Tahoma", -18, 400)).pixelSize(), 18);
}

QImage Glyph(const QFont& font, const QString& text)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, 40, 40), Qt::AlignCenter, text);
    return image;
}

// A missing glyph draws the same box for every character; real glyphs differ
// from each other and from nothing.
TEST(LogicalFonts, ChineseAndTurkishDrawRealGlyphs)
{
    const QFont font = FontFromLogFont(Description("Tahoma", 22, 500));
    for (const auto& [first, second] : {std::pair{u"五", u"子"}, std::pair{u"局", u"棋"}, std::pair{u"ğ", u"ş"},
                                        std::pair{u"ı", u"İ"}}) {
        const QImage a = Glyph(font, QString::fromUtf16(first));
        const QImage b = Glyph(font, QString::fromUtf16(second));
        EXPECT_NE(a, Glyph(font, QString()));
        EXPECT_NE(a, b);
    }
}

} // namespace
