#pragma once

#include "SkinPalette.h"

#include <QImage>
#include <QMap>
#include <QString>

// The notebook's images of one skin: the open book, its five buttons and
// its title.
class NotebookSkinPainter {
public:
    explicit NotebookSkinPainter(SkinPalette palette);

    QMap<QString, QImage> Paint() const;

private:
    enum class Glyph { Close, Previous, Next, Clear, Input };

    QImage Book() const;
    QImage Button(Glyph glyph) const;
    QImage Title() const;

    SkinPalette m_palette;
};
