// Taps, the pointer's shape and keys.
#include "go/window/GoDlg.h"

#include "go/window/GoKeys.h"
#include "go/window/GoLayout.h"
#include "platform/Cursor.h"
#include "platform/Rect.h"

void CGoDlg::OnLButtonDown(unsigned flags, QPoint point)
{
    QPoint cell;
    if (m_geometry.PointToCell(point.x(), point.y(), cell))
        PersonMove(cell.x(), cell.y());

    const int option = OptionAt(point);
    if (option > 0) {
        SetLevel(option);
    } else if (option == 0) {
        ToggleCpuFirst();
    }
    CDialog::OnLButtonDown(flags, point);
}

bool CGoDlg::OnSetCursor()
{
    const QPoint point = mapFromGlobal(GetCursorPos());
    QPoint cell;
    if (m_geometry.PointToCell(point.x(), point.y(), cell) && !m_bGameOver) {
        // The colour that moves next: white after black's stone.
        SetCursor(m_stonePointers[m_lastColor != 0 ? 0 : 1]);
        return true;
    }
    return CDialog::OnSetCursor();
}

bool CGoDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN)
        OnKey(static_cast<int>(msg->wParam & 0xFF));
    return CDialog::PreTranslateMessage(msg);
}

void CGoDlg::OnKey(int key)
{
    const GoKeyCommand command = KeyCommandFor(key);
    const QPoint before = m_ptCursor;
    switch (command) {
    case GoKeyCommand::Undo: OnUndo(); break;
    case GoKeyCommand::ToggleCpuFirst: ToggleCpuFirst(); break;
    case GoKeyCommand::PlayAtCursor:
        PersonMove(m_ptCursor.x(), m_ptCursor.y());
        RepaintCursorCells(before);
        break;
    case GoKeyCommand::CursorLeft:
    case GoKeyCommand::CursorUp:
    case GoKeyCommand::CursorRight:
    case GoKeyCommand::CursorDown:
        m_ptCursor = StepCursor(m_ptCursor, command);
        RepaintCursorCells(before);
        break;
    case GoKeyCommand::NewGame: OnNewGame(); break;
    case GoKeyCommand::LevelEasy: SetLevel(1); break;
    case GoKeyCommand::LevelNormal: SetLevel(2); break;
    case GoKeyCommand::LevelHard: SetLevel(3); break;
    case GoKeyCommand::None: break;
    }
}

// The option shown changes at once; the running game keeps its rule until New.
void CGoDlg::ToggleCpuFirst()
{
    m_bPersonFirst = !m_bPersonFirst;
    InvalidateRect(QRectFromRect(kRectCpuFirst), false);
}
