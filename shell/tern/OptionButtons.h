#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// A check box and a radio button with their labels, painted into rect on dc
// in dc's pen colour (the text colour), the mark at the left, the label after
// it, both centred vertically. They keep no state and take no input: the
// caller hit-tests rect itself and repaints after a change. A null font
// uses dc's own.
void DrawCheckButton(QPainter* dc, const QRect& rect, const QString& text, const QFont* font, int checked);
// The last argument is unused (callers pass 0).
void DrawRadioButton(QPainter* dc, const QRect& rect, const QString& text, const QFont* font, int checked, int);
