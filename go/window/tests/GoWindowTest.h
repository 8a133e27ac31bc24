#pragma once

#include "go/window/GoDlg.h"
#include "platform/testsupport/DialogDriver.h"
#include "shell/tests/ShellEnvironment.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <initializer_list>
#include <memory>

// What the game window shows, read the way a test needs it.
class CGoDlgProbe {
public:
    static QPoint CursorCell(const CGoDlg& dlg) { return dlg.m_ptCursor; }
    static const CCoolStatic& Status(const CGoDlg& dlg) { return dlg.m_status; }
    static const QFont& OptionFont(const CGoDlg& dlg) { return dlg.m_fontOption; }
    static const CCoolButton& NewButton(const CGoDlg& dlg) { return dlg.m_btnNew; }
    static const CCoolButton& UndoButton(const CGoDlg& dlg) { return dlg.m_btnUndo; }
    static const QImage& Background(const CGoDlg& dlg) { return *dlg.m_surface.GetDC(); }
};

// The board as the game lays it out: where a person taps.
inline const CBoardGeometry kBoard;

// A game window of its own for each test, on the test's own settings and
// device root, with the computer's scan directions fixed.
class GoWindowTest : public ShellEnvironment {
protected:
    void TearDown() override
    {
        m_dlg.reset();
        ShellEnvironment::TearDown();
    }

    // Creates and shows the window; no timer has fired yet.
    CGoDlg& Open()
    {
        m_dlg = std::make_unique<CGoDlg>([] { return 0u; }, [](std::uint32_t) { return 1u; });
        Drive(*m_dlg).Create();
        return *m_dlg;
    }
    // Opens the window and lets the start-up timer place the opening stone.
    CGoDlg& OpenAfterOpening()
    {
        Open();
        EXPECT_TRUE(Drive(*m_dlg).FireTimer(CGoDlg::kOpeningTimer));
        return *m_dlg;
    }

    CGoDlg& Dlg() { return *m_dlg; }
    QString Status() const { return CGoDlgProbe::Status(*m_dlg).GetText(); }
    // The window as the screen shows it, all of it or one area.
    QImage Frame() { return Drive(*m_dlg).Render().convertToFormat(QImage::Format_RGB32); }
    QImage Frame(const RECT& area) { return Frame().copy(QRectFromRect(area)); }
    int StoneCount() const
    {
        int count = 0;
        for (std::int8_t code : m_dlg->m_board)
            count += code != kGoEmpty;
        return count;
    }
    // A tap on the centre of intersection (x, y).
    void TapCell(int x, int y) { Drive(*m_dlg).TapAt(kBoard.CellCentre({ x, y })); }
    void Place(std::initializer_list<GoPoint> points, std::int8_t code)
    {
        for (GoPoint pt : points)
            m_dlg->SetStone(pt.x, pt.y, code);
        m_dlg->g_nStep = StoneCount();
    }

    std::unique_ptr<CGoDlg> m_dlg;
};
