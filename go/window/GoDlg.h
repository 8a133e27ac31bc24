#pragma once

#include "go/engine/GoEngine.h"
#include "go/engine/TurnController.h"
#include "go/window/BoardGeometry.h"
#include "go/window/GoPainter.h"
#include "platform/Cursor.h"
#include "platform/Dialog.h"
#include "shell/tern/Tern.h"

#include <QCursor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>
#include <optional>

// The game's only window: the full-screen board, the status text, the options
// and the top bar, all drawn from the shell's skin. It holds the game itself
// (the engine's record, which it derives from) and runs it through the turn
// controller, for which it is the view.
class CGoDlg : public CDialog, public CGoEngine, private CTurnView {
    Q_OBJECT

public:
    // The start-up timer that places the computer's opening stone.
    static constexpr UINT_PTR kOpeningTimer = 1;
    static constexpr unsigned kOpeningDelayMs = 1000;

    explicit CGoDlg(QWidget* parent = nullptr);
    // The computer scans the board in the directions these sources decide.
    CGoDlg(TickSource tickCount, RandomSource random, QWidget* parent = nullptr);
    ~CGoDlg() override;

    // The turn controller's operations, as the buttons, taps and keys reach them.
    void PersonMove(int x, int y);
    void OnNewGame();
    void OnUndo();

    void LayoutControls();
    // Background, top-bar buttons, colours and button captions from the
    // shell's current skin and language; the board and stones stay.
    void LoadSkin();
    void OnHelp();
    void OnMinimize();

    void InvalidateCell(QPoint pt);
    void MoveCursorTo(int x, int y);
    void SetLevel(int level);
    void OnKey(int key);

    bool PreTranslateMessage(MSG* msg) override;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    bool OnCommand(int id) override;
    // Enter plays at the board cursor (OnKey); it never ends the game.
    void OnOK() override;
    void OnClose() override;
    void OnPaint(QPainter& dc) override;
    bool OnEraseBkgnd(QPainter& dc) override;
    void OnLButtonDown(unsigned flags, QPoint point) override;
    bool OnSetCursor() override;
    void OnTimer(UINT_PTR id) override;
    LRESULT OnShellMessage(WPARAM wParam, LPARAM lParam) override;

private:
    // Tests read what the window shows through it (go/window/tests).
    friend class CGoDlgProbe;

    // The turn controller's view of this window.
    GoRect StoneBox(GoPoint pt) const override;
    void InvalidateBox(const GoRect& rect, bool erase) override;
    void InvalidateWindow() override;
    void RepaintNow() override;
    void MovePointerTo(GoPoint pt) override;
    void MoveCursorTo(GoPoint pt) override;
    void ShowStatus(const TurnStatus& status) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // Both of the game's fonts: Arial, semi-bold, differing only in height.
    static QFont GameFont(int height);
    void StartFirstGame();
    void DrawOptions(QPainter& dc) const;
    void LoadButtonPair(CCoolButton& button, const char16_t* normal, const char16_t* pressed);
    void ToggleCpuFirst();
    void RepaintCursorCells(QPoint before);

    QWidget m_boardPlaceholder;
    CCoolButton m_btnUndo;
    CCoolButton m_btnNew;
    CCoolButton m_btnMin;
    CCoolButton m_btnHelp;
    CCoolButton m_btnClose;

    CBoardGeometry m_geometry;
    QPoint m_ptCursor { 7, 7 };
    QRect m_rcBoard;
    CCoolStatic m_status;
    QImage m_bmpBoard;
    QImage m_bmpBlack;
    QImage m_bmpWhite;
    CMemSurface m_surface;
    QFont m_fontOption = GameFont(25);
    // A cell of 22 pixels, not the 24 the status box was made for: the Arial
    // stand-in has no 24-pixel cell, and at 23 the Chinese text of a won game
    // takes four lines, 103 pixels, in the 100-pixel box.
    QFont m_fontStatus = GameFont(22);
    // The background colour of the option area, sampled at each skin load.
    COLORREF g_crOptionBk = 0;
    // The pointer over the board: a black or a white stone at its tip.
    std::array<QCursor, 2> m_stonePointers;
    std::optional<CWaitCursor> m_waitCursor;
    CGoPainter m_painter { m_geometry, m_bmpBoard, m_bmpBlack, m_bmpWhite };
    CTurnController m_turns { *this, *this };
};
