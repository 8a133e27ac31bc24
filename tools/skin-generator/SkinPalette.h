#pragma once

#include <QColor>
#include <QString>

// The colours that make one skin, for the game and the notebook alike.
struct SkinPalette {
    QString name;
    QColor tableTop;    // behind the game board, top of the gradient
    QColor tableBottom; // behind the game board, bottom of the gradient
    QColor panel;       // the option panel, sampled by the game at (605, 234)
    QColor panelEdge;
    QColor statusText; // colour word 48
    QColor buttonText; // colour word 49
    QColor optionText; // colour word 50
    QColor woodLight;  // the board
    QColor woodDark;
    QColor gridLine;
    QColor cover; // the notebook's cover around the pages
    QColor coverDark;
    QColor noteButton; // the notebook's buttons
    QColor noteButtonGlyph;
    QColor titleInk;
};

// The built-in skins; the first is the one used when none is chosen.
SkinPalette ClassicPalette();
SkinPalette OceanPalette();
