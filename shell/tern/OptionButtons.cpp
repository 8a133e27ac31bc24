#include "shell/tern/OptionButtons.h"

#include "platform/Drawing.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The mark's square at the left of rect: three quarters of its height,
// between 12 and 24 pixels, centred vertically.
QRectF MarkBox(const QRect& rect)
{
    const qreal side = qBound(12, rect.height() * 3 / 4, 24);
    return QRectF(rect.left() + 2, rect.top() + (rect.height() - side) / 2, side, side);
}

// A colour that reads on top of the ink colour (inside a filled mark).
QColor Contrast(const QColor& ink)
{
    return qGray(ink.rgb()) > 140 ? QColor(40, 40, 40) : QColor(255, 255, 255);
}

void DrawLabel(QPainter& dc, const QRect& rect, const QRectF& mark, const QString& text, const QFont* font)
{
    if (font)
        dc.setFont(*font);
    QRect area = rect;
    area.setLeft(qRound(mark.right()) + qMax(6, qRound(mark.width() / 3)));
    const QString shown = dc.fontMetrics().elidedText(text, Qt::ElideRight, qMax(0, area.width()));
    DrawText(dc, shown, area, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

} // namespace

void DrawCheckButton(QPainter* dc, const QRect& rect, const QString& text, const QFont* font, int checked)
{
    if (!dc || rect.isEmpty())
        return;
    dc->save();
    const QColor ink = dc->pen().color();
    const QRectF box = MarkBox(rect);
    const qreal line = qMax<qreal>(2.0, box.width() / 9);
    dc->setRenderHint(QPainter::Antialiasing);
    const QRectF frame = box.adjusted(line / 2, line / 2, -line / 2, -line / 2);
    if (checked) {
        dc->setPen(Qt::NoPen);
        dc->setBrush(ink);
        dc->drawRoundedRect(box, box.width() / 6, box.width() / 6);
        // A bold tick from the left middle down to the bottom third and up to the top right.
        QPainterPath tick;
        tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.53);
        tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.73);
        tick.lineTo(box.left() + box.width() * 0.78, box.top() + box.height() * 0.30);
        dc->setPen(QPen(Contrast(ink), line * 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        dc->setBrush(Qt::NoBrush);
        dc->drawPath(tick);
    } else {
        dc->setPen(QPen(ink, line));
        dc->setBrush(Qt::NoBrush);
        dc->drawRoundedRect(frame, box.width() / 6, box.width() / 6);
    }
    dc->setRenderHint(QPainter::Antialiasing, false);
    dc->setPen(ink);
    DrawLabel(*dc, rect, box, text, font);
    dc->restore();
}

void DrawRadioButton(QPainter* dc, const QRect& rect, const QString& text, const QFont* font, int checked, int)
{
    if (!dc || rect.isEmpty())
        return;
    dc->save();
    const QColor ink = dc->pen().color();
    const QRectF box = MarkBox(rect);
    const qreal line = qMax<qreal>(2.0, box.width() / 9);
    dc->setRenderHint(QPainter::Antialiasing);
    dc->setPen(QPen(ink, line));
    dc->setBrush(Qt::NoBrush);
    dc->drawEllipse(box.adjusted(line / 2, line / 2, -line / 2, -line / 2));
    if (checked) {
        const qreal inset = box.width() * 0.25;
        dc->setPen(Qt::NoPen);
        dc->setBrush(ink);
        dc->drawEllipse(box.adjusted(inset, inset, -inset, -inset));
    }
    dc->setRenderHint(QPainter::Antialiasing, false);
    dc->setPen(ink);
    DrawLabel(*dc, rect, box, text, font);
    dc->restore();
}
