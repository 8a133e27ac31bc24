#include "SkinPalette.h"

SkinPalette ClassicPalette()
{
    return {
        .name = QStringLiteral("Classic"),
        .tableTop = QColor(38, 86, 62),
        .tableBottom = QColor(18, 48, 34),
        .panel = QColor(86, 54, 32),
        .panelEdge = QColor(190, 146, 88),
        .statusText = QColor(255, 232, 170),
        .buttonText = QColor(255, 250, 240),
        .optionText = QColor(250, 226, 190),
        .woodLight = QColor(232, 190, 112),
        .woodDark = QColor(196, 144, 74),
        .gridLine = QColor(52, 34, 18),
        .cover = QColor(112, 58, 34),
        .coverDark = QColor(62, 30, 16),
        .noteButton = QColor(255, 255, 255),
        .noteButtonGlyph = QColor(158, 11, 14),
        .titleInk = QColor(158, 11, 14),
    };
}

SkinPalette OceanPalette()
{
    return {
        .name = QStringLiteral("Ocean"),
        .tableTop = QColor(34, 64, 110),
        .tableBottom = QColor(12, 26, 54),
        .panel = QColor(28, 52, 88),
        .panelEdge = QColor(120, 170, 220),
        .statusText = QColor(170, 230, 255),
        .buttonText = QColor(255, 255, 255),
        .optionText = QColor(210, 232, 250),
        .woodLight = QColor(240, 214, 160),
        .woodDark = QColor(214, 178, 116),
        .gridLine = QColor(40, 36, 44),
        .cover = QColor(36, 62, 108),
        .coverDark = QColor(14, 28, 56),
        .noteButton = QColor(36, 62, 108),
        .noteButtonGlyph = QColor(255, 255, 255),
        .titleInk = QColor(36, 62, 108),
    };
}
