#pragma once

#include "platform/Color.h"

#include <QFont>
#include <QImage>
#include <QPen>
#include <QRect>
#include <QString>

class QPainter;

// Drawing with the semantics the programs rely on. A device context is a
// QPainter (on a widget or on a surface's QImage); its pen colour is the text
// colour, and text is always drawn with a transparent background.

// Plain copy (source copy): the w by h block of source at (sx, sy) replaces
// the pixels at (x, y), whatever their alpha. Only the part of the block that
// lies on the source is drawn; a null source draws nothing.
void CopyImage(QPainter& dc, int x, int y, int w, int h, const QImage& source, int sx = 0, int sy = 0);

// Copies the w by h block of source at (sx, sy) to (x, y), leaving out every
// pixel of the key colour (the target keeps its own there) and every pixel
// past the source's edges.
void CopyImageTransparent(
    QPainter& dc, int x, int y, int w, int h, const QImage& source, int sx, int sy, COLORREF keyColor);

// The colour of one pixel; CLR_INVALID outside the image or for a null image.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
COLORREF GetPixel(const QImage& image, int x, int y);

enum class PenStyle { Solid = 0, Dash = 1 };
// A pen with flat ends, so that lines end where DrawLine says.
QPen MakePen(PenStyle style, int width, COLORREF color);

// A line from `from` towards `to` that stops one pixel short of `to`, as the
// platform draws lines, in the painter's current pen.
void DrawLine(QPainter& dc, QPoint from, QPoint to);

void FillRect(QPainter& dc, const QRect& rect, COLORREF color);

// Text layout flags; combine with |. Without DT_SINGLELINE, "\r\n" and "\n"
// break lines and DT_WORDBREAK wraps long ones.
constexpr unsigned DT_LEFT = 0x00;
constexpr unsigned DT_TOP = 0x00;
constexpr unsigned DT_CENTER = 0x01;
constexpr unsigned DT_RIGHT = 0x02;
constexpr unsigned DT_VCENTER = 0x04;
constexpr unsigned DT_BOTTOM = 0x08;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
// A single line too wide for rect loses characters from its middle, shown as
// an ellipsis, so that both its start and its end (a file's extension) show.
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;

// Draws text in rect with the painter's font and pen colour, clipped to rect.
void DrawText(QPainter& dc, const QString& text, const QRect& rect, unsigned format);
// The rectangle the text's lines take when DrawText lays them out in rect
// with font, before clipping: what the platform's DT_CALCRECT measures.
QRect TextRect(const QFont& font, const QString& text, const QRect& rect, unsigned format);
