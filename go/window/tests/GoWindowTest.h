#pragma once

#include "go/window/GoDlg.h"
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
    void TearDown() override;

    // Creates and shows the window; no timer has fired yet.
    CGoDlg& Open();
    // Opens the window and lets the start-up timer place the opening stone.
    CGoDlg& OpenAfterOpening();

    CGoDlg& Dlg() { return *m_dlg; }
    QString Status() const;
    int StoneCount() const;
    // A tap on the centre of intersection (x, y).
    void TapCell(int x, int y);
    void Place(std::initializer_list<GoPoint> points, std::int8_t code);
    // Delivers what is queued for the window: shell messages, repaints.
    static void ProcessEvents();

    std::unique_ptr<CGoDlg> m_dlg;
};
