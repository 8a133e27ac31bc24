#pragma once

#include "go/window/GoLayout.h"

#include <QPoint>
#include <QRect>
#include <cstdint>

// Where the board's intersections lie on the screen, and the mapping of a tap
// to the nearest of them. All arithmetic is single precision and truncates
// toward zero, so that every pixel lands exactly where the layout puts it.
class CBoardGeometry {
public:
    static constexpr int kCells = 15;

    // Centre of intersection cell in client pixels.
    QPoint CellCentre(QPoint cell) const;
    int ColumnX(int column) const;
    int RowY(int row) const;

    // The box of a stone centred on cell: stone image size, top left at the
    // centre less the integer half.
    QRect StoneBox(QPoint cell) const;
    // The square repainted around cell when the cursor moves: one spacing
    // each way from the centre.
    QRect CellSquare(QPoint cell) const;

    // Arm reach and arm start of the cursor mark's corner brackets.
    int CursorArmReach() const;
    int CursorArmStart() const;

    // Writes the intersection chosen for pixel (px, py) into cell; returns 1
    // when it lies on the board, 0 when cell had to be clamped.
    int PointToCell(int px, int py, QPoint& cell) const;

    // Distance between two pixels, truncated.
    static int PointDistance(int ax, int ay, int bx, int by);
    // 1 when cell is on the board; otherwise clamps it onto the board and returns 0.
    static int ClampCell(QPoint& cell);

    // The first intersection, inset from the board image's corner.
    int m_nOriginX = g_rcBoard.left + kBoardLineInset;
    int m_nOriginY = g_rcBoard.top + kBoardLineInset;
    float m_fPitchX = 30.0f;
    float m_fPitchY = 30.0f;
    std::uint16_t m_nStoneW = 24;
    std::uint16_t m_nStoneH = 24;
};
