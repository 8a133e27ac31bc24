#pragma once

#include "SkinPalette.h"

#include <QImage>
#include <QMap>
#include <QString>

// The game's images of one skin, by image name: background, board, stones,
// top-bar buttons and the help icon.
class GameSkinPainter {
public:
    explicit GameSkinPainter(SkinPalette palette);

    QMap<QString, QImage> Paint() const;

private:
    QImage Background() const;
    QImage Board() const;
    QImage TopBarButton(const QImage& background, int left, QChar glyph, bool pressed) const;
    QImage HelpIcon() const;

    SkinPalette m_palette;
};
