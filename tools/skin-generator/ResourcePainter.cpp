#include "ResourcePainter.h"

#include "PaintHelpers.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kIconSize = 128;

} // namespace

QImage ResourcePainter::StonePointer(bool black)
{
    QImage pointer(32, 32, QImage::Format_ARGB32);
    pointer.fill(Qt::transparent);
    QPainter painter(&pointer);
    painter.setRenderHint(QPainter::Antialiasing);

    // An arrow pointer, its tip under the stone it carries.
    const QPolygonF arrow({ QPointF(0, 0), QPointF(0, 18), QPointF(4.5, 14), QPointF(8, 21.5), QPointF(11, 20),
        QPointF(7.5, 12.8), QPointF(13, 12.8) });
    painter.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow.translated(8, 8));

    // The stone: its upper-left rim is the hot spot (2, 2).
    const QPointF centre(7.2, 7.2);
    painter.setPen(QPen(black ? Qt::white : Qt::black, 1.2));
    painter.setBrush(black ? Qt::black : Qt::white);
    painter.drawEllipse(centre, 6.6, 6.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(black ? QColor(255, 255, 255, 170) : QColor(0, 0, 0, 0));
    painter.drawEllipse(centre + QPointF(-2.2, -2.2), 1.6, 1.6);
    return pointer;
}

QImage ResourcePainter::GameIcon()
{
    QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(6, 6, 116, 116), 18, 18);
    painter.fillPath(tile.translated(3, 4), QColor(0, 0, 0, 70));
    painter.setClipPath(tile);
    painter.drawImage(6, 6, PaintWood(QSize(116, 116), QColor(232, 190, 112), QColor(196, 144, 74), 3));
    painter.setClipping(false);
    painter.setPen(QPen(QColor(52, 34, 18), 1.6));
    for (int i = 0; i < 6; ++i) {
        const double at = 24 + i * 16;
        painter.drawLine(QPointF(at, 24), QPointF(at, 104));
        painter.drawLine(QPointF(24, at), QPointF(104, at));
    }
    const QPoint blacks[] = { { 1, 1 }, { 2, 2 }, { 3, 3 }, { 4, 4 } };
    const QPoint whites[] = { { 2, 1 }, { 3, 2 }, { 1, 3 } };
    for (const QPoint p : blacks)
        DrawStone(painter, QRectF(24 + p.x() * 16 - 7.5, 24 + p.y() * 16 - 7.5, 15, 15), true);
    for (const QPoint p : whites)
        DrawStone(painter, QRectF(24 + p.x() * 16 - 7.5, 24 + p.y() * 16 - 7.5, 15, 15), false);
    return icon;
}

QImage ResourcePainter::NotebookIcon()
{
    QImage icon(kIconSize, kIconSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath cover;
    cover.addRoundedRect(QRectF(8, 20, 112, 88), 10, 10);
    painter.fillPath(cover.translated(3, 4), QColor(0, 0, 0, 70));
    painter.fillPath(cover, QColor(112, 58, 34));
    for (const bool left : { true, false }) {
        QPainterPath page;
        const double x = left ? 14 : 64;
        page.moveTo(64, 30);
        page.quadTo(left ? 40 : 88, 22, left ? 14 : 114, 26);
        page.lineTo(left ? 14 : 114, 100);
        page.quadTo(left ? 40 : 88, 96, 64, 104);
        page.closeSubpath();
        painter.fillPath(page, Qt::white);
        painter.setPen(QPen(QColor(158, 11, 14, 150), 1.2));
        for (int line = 0; line < 5; ++line)
            painter.drawLine(QPointF(x + 8, 44 + line * 11), QPointF(x + 42, 44 + line * 11));
    }
    QLinearGradient gutter(56, 0, 72, 0);
    gutter.setColorAt(0.0, QColor(120, 104, 84, 0));
    gutter.setColorAt(0.5, QColor(120, 104, 84, 90));
    gutter.setColorAt(1.0, QColor(120, 104, 84, 0));
    painter.fillRect(QRectF(56, 28, 16, 76), gutter);
    QPainterPath ribbon;
    ribbon.moveTo(88, 26);
    ribbon.lineTo(96, 26);
    ribbon.lineTo(96, 118);
    ribbon.lineTo(92, 112);
    ribbon.lineTo(88, 118);
    ribbon.closeSubpath();
    painter.fillPath(ribbon, QColor(196, 30, 36));
    return icon;
}
