#pragma once

#include "go/window/GoDlg.h"
#include "shell/tests/ShellEnvironment.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <initializer_list>
#include <memory>

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
