#pragma once

#include <QPoint>

class QWidget;

// A finger on a touch screen: one touch pressed and lifted at a pixel of a
// window, delivered through the window system's touch path as a touch screen
// sends it (not as a mouse). Nothing queued is handled in between, so a
// window that a touch opens runs its own loop before this returns.
void TouchAt(QWidget* window, QPoint point);
