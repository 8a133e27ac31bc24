#include "platform/Rect.h"

QRect QRectFromRect(const RECT& rect)
{
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

RECT RectFromQRect(const QRect& rect)
{
    return RECT { rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height() };
}
