#pragma once

#include "go/engine/GoBoard.h"
#include "go/window/BoardGeometry.h"

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

// Paints the board's layers: the board image, the stones and the cursor mark.
// It reads the images and geometry it is given at each paint and keeps
// nothing of its own.
class CGoPainter {
public:
    CGoPainter(const CBoardGeometry& geometry, const QImage& board, const QImage& black, const QImage& white);

    // The board image copied into rcBoard from its top left pixel.
    void DrawBoardImage(QPainter& dc, const QRect& rcBoard) const;
    // Every stone of board, column by column.
    void DrawStones(QPainter& dc, const GoBoard& board) const;
    // Colour 0 draws the white stone, any other the black one, centred on
    // intersection (x, y), its magenta pixels left out.
    void DrawStone(int colour, int x, int y, QPainter& dc) const;
    // Four green corner brackets around intersection cursor.
    void DrawCursorMark(QPainter& dc, QPoint cursor) const;

private:
    const CBoardGeometry& m_geometry;
    const QImage& m_bmpBoard;
    const QImage& m_bmpBlack;
    const QImage& m_bmpWhite;
};
