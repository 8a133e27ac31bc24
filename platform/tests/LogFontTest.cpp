#include "platform/LogFont.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

LOGFONT Description(const char* face, int height, int weight, bool italic = false)
{
    return { .lfHeight = height,
        .lfWeight = weight,
        .lfItalic = italic,
        .lfQuality = ANTIALIASED_QUALITY,
        .lfPitchAndFamily = FF_SWISS,
        .lfFaceName = QString::fromLatin1(face) };
}

// The programs' fonts keep their height, or the nearest below where the stand-in
// face lacks it ("Arial" at 24). Weight, italic and an em height carry over.
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
        { "Tahoma", 22, 500, false, 22, "DejaVu Sans" },
        { "Tahoma", 16, 400, true, 16, "DejaVu Sans" },
        { "Arial", 25, 600, false, 25, "Liberation Sans" },
        { "Arial", 24, 600, false, 23, "Liberation Sans" },
    };
    for (const auto& f : fonts) {
        const QFont font = FontFromLogFont(Description(f.face, f.height, f.weight, f.italic));
        const QFontMetrics metrics(font);
        EXPECT_EQ(metrics.ascent() + metrics.descent(), f.cell) << f.face << " " << f.height;
        EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(f.family)) << f.face << " " << f.height;
        EXPECT_EQ(font.italic(), f.italic) << f.face << " " << f.height;
        EXPECT_EQ(font.weight() >= QFont::DemiBold, f.weight >= 600) << f.face << " " << f.height;
        EXPECT_TRUE(font.styleStrategy() & QFont::PreferAntialias) << f.face << " " << f.height;
    }
    EXPECT_EQ(FontFromLogFont(Description("Tahoma", -18, 400)).pixelSize(), 18);
    // A description that sets neither height nor weight: a regular font of a 16-pixel cell.
    LOGFONT unset;
    unset.lfFaceName = QStringLiteral("Arial");
    const QFontMetrics plain(FontFromLogFont(unset));
    EXPECT_EQ(plain.ascent() + plain.descent(), 16);
    EXPECT_EQ(FontFromLogFont(unset).weight(), QFont::Normal);
    EXPECT_EQ(FontFromLogFont(Description("Tahoma", 22, 0)).weight(), QFont::Normal);
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
    for (const auto& [first, second] :
        { std::pair { u"五", u"子" }, std::pair { u"ğ", u"ş" }, std::pair { u"ı", u"İ" } }) {
        const QImage a = Glyph(font, QString::fromUtf16(first));
        const QImage b = Glyph(font, QString::fromUtf16(second));
        EXPECT_NE(a, Glyph(font, QString()));
        EXPECT_NE(a, b);
    }
}

} // namespace
