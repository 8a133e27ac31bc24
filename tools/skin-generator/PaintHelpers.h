#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

// Small drawing steps shared by the skin painters.
QColor Blend(const QColor& from, const QColor& to, double amount);
// A wood surface with its grain running from top to bottom.
QImage PaintWood(QSize size, const QColor& light, const QColor& dark, unsigned seed);
// A round stone shaded as lit from the top left, its antialiased rim mixed
// into rimBackground and everything outside it the exact colour key.
QImage PaintStone(int size, bool black, const QColor& rimBackground, const QColor& key);
// The same stone over a transparent background, at any size.
void DrawStone(QPainter& painter, const QRectF& rect, bool black);
// A vertical gradient fill of the whole image.
void FillGradient(QImage& image, const QColor& top, const QColor& bottom);
