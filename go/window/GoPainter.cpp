#include "go/window/GoPainter.h"

#include "platform/Drawing.h"

#include <QPainter>
#include <array>

namespace {

constexpr COLORREF kStoneKeyColour = 0x00FF00FF;
constexpr COLORREF kCursorMarkColour = 0x0000FF00;
constexpr int kCursorMarkWidth = 2;

} // namespace

CGoPainter::CGoPainter(const CBoardGeometry& geometry, const QImage& board, const QImage& black, const QImage& white)
    : m_geometry(geometry)
    , m_bmpBoard(board)
    , m_bmpBlack(black)
    , m_bmpWhite(white)
{
}

void CGoPainter::DrawBoardImage(QPainter& dc, const QRect& rcBoard) const
{
    CopyImage(dc, rcBoard.left(), rcBoard.top(), rcBoard.width(), rcBoard.height(), m_bmpBoard);
}

void CGoPainter::DrawStones(QPainter& dc, const GoBoard& board) const
{
    for (int x = 0; x < kGoBoardSize; ++x) {
        for (int y = 0; y < kGoBoardSize; ++y) {
            const std::int8_t code = board[GoPointIndex(x, y)];
            if (code != kGoEmpty)
                DrawStone(static_cast<std::uint8_t>(code - 1), x, y, dc);
        }
    }
}

void CGoPainter::DrawStone(int colour, int x, int y, QPainter& dc) const
{
    const QRect box = m_geometry.StoneBox({ x, y });
    const QImage& image = colour != 0 ? m_bmpBlack : m_bmpWhite;
    CopyImageTransparent(dc, box.left(), box.top(), box.width(), box.height(), image, 0, 0, kStoneKeyColour);
}

void CGoPainter::DrawCursorMark(QPainter& dc, QPoint cursor) const
{
    const QPoint c = m_geometry.CellCentre(cursor);
    const int a = m_geometry.CursorArmReach();
    const int b = m_geometry.CursorArmStart();
    // Each corner: from the start of one arm to the corner, then along the other arm.
    const std::array<std::array<QPoint, 3>, 4> brackets = { {
        { QPoint(c.x() - a, c.y() - b), QPoint(c.x() - a, c.y() - a), QPoint(c.x() - b, c.y() - a) },
        { QPoint(c.x() + a, c.y() - b), QPoint(c.x() + a, c.y() - a), QPoint(c.x() + b, c.y() - a) },
        { QPoint(c.x() + a, c.y() + b), QPoint(c.x() + a, c.y() + a), QPoint(c.x() + b, c.y() + a) },
        { QPoint(c.x() - a, c.y() + b), QPoint(c.x() - a, c.y() + a), QPoint(c.x() - b, c.y() + a) },
    } };
    const QPen previous = dc.pen();
    dc.setPen(MakePen(PenStyle::Solid, kCursorMarkWidth, kCursorMarkColour));
    for (const auto& bracket : brackets) {
        DrawLine(dc, bracket[0], bracket[1]);
        DrawLine(dc, bracket[1], bracket[2]);
    }
    dc.setPen(previous);
}
