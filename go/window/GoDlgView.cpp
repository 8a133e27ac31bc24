// The game's window as the turn controller sees it, and its painting.
#include "go/window/GoDlg.h"

#include "go/window/GoLayout.h"
#include "go/window/GoText.h"
#include "platform/Cursor.h"
#include "platform/Drawing.h"
#include "platform/Rect.h"
#include "shell/OrvaSkins.h"

#include <QPainter>

namespace {

constexpr int kSkinWordOptionText = 50;

QRect ToQRect(const GoRect& rect)
{
    return QRectFromRect(RECT { rect.left, rect.top, rect.right, rect.bottom });
}

} // namespace

void CGoDlg::OnPaint(QPainter& dc)
{
    CopyImage(dc, 0, 0, kScreenSize.width(), kScreenSize.height(), *m_surface.GetDC());
    m_status.Draw(&dc);
    m_painter.DrawBoardImage(dc, m_rcBoard);
    m_painter.DrawStones(dc, m_board);
    m_painter.DrawCursorMark(dc, m_ptCursor);
    DrawOptions(dc);
}

void CGoDlg::DrawOptions(QPainter& dc) const
{
    dc.setPen(ColorFromColorRef(COrvaSkins::GetSkinInfo()->color[kSkinWordOptionText]));
    constexpr std::array<GoTextEntry, 3> levelNames = { kTextEasy, kTextNormal, kTextHard };
    for (std::size_t i = 0; i < levelNames.size(); ++i) {
        const int level = static_cast<int>(i) + 1;
        DrawRadioButton(
            &dc, QRectFromRect(kRectLevels[i]), GetLocalQString(levelNames[i]), &m_fontOption, g_nLevel == level, 0);
    }
    DrawCheckButton(&dc, QRectFromRect(kRectCpuFirst), GetLocalQString(kTextCpuFirst), &m_fontOption, !m_bPersonFirst);
}

void CGoDlg::InvalidateCell(QPoint pt)
{
    InvalidateRect(m_geometry.CellSquare(pt), false);
}

void CGoDlg::MoveCursorTo(int x, int y)
{
    const QPoint before = m_ptCursor;
    m_ptCursor = { x, y };
    InvalidateCell(m_ptCursor);
    InvalidateCell(before);
}

void CGoDlg::SetLevel(int level)
{
    g_nLevel = level;
    for (const RECT& option : kRectLevels)
        InvalidateRect(QRectFromRect(option), false);
}

void CGoDlg::RepaintCursorCells(QPoint before)
{
    InvalidateCell(m_ptCursor);
    InvalidateCell(before);
}

GoRect CGoDlg::StoneBox(GoPoint pt) const
{
    const RECT box = RectFromQRect(m_geometry.StoneBox({ pt.x, pt.y }));
    return { box.left, box.top, box.right, box.bottom };
}

void CGoDlg::InvalidateBox(const GoRect& rect, bool erase)
{
    InvalidateRect(ToQRect(rect), erase);
}

void CGoDlg::InvalidateWindow()
{
    Invalidate(true);
}

void CGoDlg::RepaintNow()
{
    UpdateWindow();
}

// On a touch screen the hidden pointer follows the computer's stone, so the
// pointer shape tells whose turn it is there; a visible mouse pointer stays
// where the person left it.
void CGoDlg::MovePointerTo(GoPoint pt)
{
    if (IsCursorShown())
        return;
    const QPoint screen = mapToGlobal(m_geometry.CellCentre({ pt.x, pt.y }));
    SetCursorPos(screen.x(), screen.y());
}

void CGoDlg::MoveCursorTo(GoPoint pt)
{
    MoveCursorTo(pt.x, pt.y);
}

void CGoDlg::ShowStatus(const TurnStatus& status)
{
    QString text = FormatLocalText(status.first, status.step);
    if (status.second >= 0)
        text += FormatLocalText(status.second, status.step);
    m_status.SetText(text);
}

void CGoDlg::BeginWaitCursor()
{
    m_waitCursor.emplace();
}

void CGoDlg::EndWaitCursor()
{
    m_waitCursor.reset();
}
