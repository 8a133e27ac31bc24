#include "go/window/BoardGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

int CBoardGeometry::ColumnX(int column) const
{
    return static_cast<int>(static_cast<float>(column) * m_fPitchX + static_cast<float>(m_nOriginX));
}

int CBoardGeometry::RowY(int row) const
{
    return static_cast<int>(static_cast<float>(row) * m_fPitchY + static_cast<float>(m_nOriginY));
}

QPoint CBoardGeometry::CellCentre(QPoint cell) const
{
    return { ColumnX(cell.x()), RowY(cell.y()) };
}

QRect CBoardGeometry::StoneBox(QPoint cell) const
{
    const QPoint centre = CellCentre(cell);
    return { centre.x() - m_nStoneW / 2, centre.y() - m_nStoneH / 2, m_nStoneW, m_nStoneH };
}

QRect CBoardGeometry::CellSquare(QPoint cell) const
{
    const QPoint centre = CellCentre(cell);
    const int reach = static_cast<int>(m_fPitchX);
    return { centre.x() - reach, centre.y() - reach, 2 * reach, 2 * reach };
}

int CBoardGeometry::CursorArmReach() const
{
    return static_cast<int>(static_cast<double>(m_fPitchX * 3.0f) * 0.2);
}

int CBoardGeometry::CursorArmStart() const
{
    return static_cast<int>(m_fPitchX * 0.25f);
}

int CBoardGeometry::PointToCell(int px, int py, QPoint& cell) const
{
    const int ix = static_cast<int>(static_cast<float>(px - m_nOriginX) / m_fPitchX);
    const int iy = static_cast<int>(static_cast<float>(py - m_nOriginY) / m_fPitchY);
    // The four intersections around the pixel, in the order that breaks ties.
    const std::array<QPoint, 4> corners
        = { QPoint(ix, iy), QPoint(ix + 1, iy), QPoint(ix + 1, iy + 1), QPoint(ix, iy + 1) };
    const int snapRadius = m_nStoneW / 2 - 4;

    std::size_t chosen = 0;
    int nearest = -1;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const QPoint centre = CellCentre(corners[i]);
        const int distance = PointDistance(px, py, centre.x(), centre.y());
        if (distance <= snapRadius) {
            chosen = i;
            break;
        }
        if (nearest < 0 || distance < nearest) {
            nearest = distance;
            chosen = i;
        }
    }
    cell = corners[chosen];
    return ClampCell(cell);
}

int CBoardGeometry::PointDistance(int ax, int ay, int bx, int by)
{
    const double dx = ax - bx;
    const double dy = ay - by;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

int CBoardGeometry::ClampCell(QPoint& cell)
{
    if (cell.x() >= 0 && cell.x() < kCells && cell.y() >= 0 && cell.y() < kCells)
        return 1;
    cell.setX(std::clamp(cell.x(), 0, kCells - 1));
    cell.setY(std::clamp(cell.y(), 0, kCells - 1));
    return 0;
}
