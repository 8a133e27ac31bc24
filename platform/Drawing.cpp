#include "platform/Drawing.h"

#include <QFontMetrics>
#include <QPainter>

void CopyImage(QPainter& dc, int x, int y, int w, int h, const QImage& source, int sx, int sy)
{
    if (source.isNull() || w <= 0 || h <= 0)
        return;
    // Only the part of the block that lies on the source is copied.
    const QRect block = QRect(sx, sy, w, h) & source.rect();
    if (block.isEmpty())
        return;
    const QPoint target(x + block.x() - sx, y + block.y() - sy);
    const auto mode = dc.compositionMode();
    dc.setCompositionMode(QPainter::CompositionMode_Source);
    // Colour bits only, as a bit-block copy: an alpha channel plays no part.
    if (source.hasAlphaChannel())
        dc.drawImage(target, source.copy(block).convertToFormat(QImage::Format_RGB32));
    else
        dc.drawImage(target, source, block);
    dc.setCompositionMode(mode);
}

void CopyImageTransparent(
    QPainter& dc, int x, int y, int w, int h, const QImage& source, int sx, int sy, COLORREF keyColor)
{
    // Only the part of the block that lies on the source is copied.
    const QRect block = QRect(sx, sy, w, h) & source.rect();
    if (block.isEmpty())
        return;
    QImage copy = source.copy(block).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ColorFromColorRef(keyColor).rgb();
    for (int row = 0; row < copy.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(row));
        for (int column = 0; column < copy.width(); ++column) {
            // Opaque in every other colour: the copy is a copy, not a blend.
            const QRgb opaque = line[column] | 0xFF000000;
            line[column] = opaque == key ? 0 : opaque;
        }
    }
    dc.drawImage(QPoint(x + block.x() - sx, y + block.y() - sy), copy);
}

COLORREF GetPixel(const QImage& image, int x, int y)
{
    if (!image.valid(x, y))
        return CLR_INVALID;
    const QRgb rgb = image.pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QPen MakePen(PenStyle style, int width, COLORREF color)
{
    QPen pen(ColorFromColorRef(color), qMax(1, width), style == PenStyle::Dash ? Qt::DashLine : Qt::SolidLine,
        Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

void DrawLine(QPainter& dc, QPoint from, QPoint to)
{
    if (from == to)
        return;
    // With flat ends Qt's aliased lines cover [from, to): the end pixel is left out.
    const QPen pen = dc.pen();
    QPen flat = pen;
    flat.setCapStyle(Qt::FlatCap);
    dc.setPen(flat);
    const bool antialiased = dc.testRenderHint(QPainter::Antialiasing);
    dc.setRenderHint(QPainter::Antialiasing, false);
    dc.drawLine(from, to);
    dc.setRenderHint(QPainter::Antialiasing, antialiased);
    dc.setPen(pen);
}

void FillRect(QPainter& dc, const QRect& rect, COLORREF color)
{
    dc.fillRect(rect, ColorFromColorRef(color));
}

namespace {

// The text as Qt lays it out for the platform's text flags.
struct TextLayout {
    QString shown;
    int flags = 0;
};

TextLayout LayoutFor(const QString& text, unsigned format, const QFontMetrics& metrics, int width)
{
    TextLayout layout { text };
    layout.flags |= (format & DT_RIGHT) ? Qt::AlignRight : (format & DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    layout.flags |= (format & DT_BOTTOM) ? Qt::AlignBottom : (format & DT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
    if (format & DT_SINGLELINE) {
        layout.shown.replace(QLatin1String("\r\n"), QLatin1String(" "));
        layout.shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (format & DT_PATH_ELLIPSIS)
            layout.shown = metrics.elidedText(layout.shown, Qt::ElideMiddle, width);
    } else {
        layout.shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (format & DT_WORDBREAK)
            layout.flags |= Qt::TextWordWrap;
    }
    return layout;
}

} // namespace

void DrawText(QPainter& dc, const QString& text, const QRect& rect, unsigned format)
{
    const TextLayout layout = LayoutFor(text, format, dc.fontMetrics(), rect.width());
    dc.save();
    dc.setClipRect(rect, Qt::IntersectClip);
    dc.drawText(rect, layout.flags, layout.shown);
    dc.restore();
}

QRect TextRect(const QFont& font, const QString& text, const QRect& rect, unsigned format)
{
    const QFontMetrics metrics(font);
    const TextLayout layout = LayoutFor(text, format, metrics, rect.width());
    return metrics.boundingRect(rect, layout.flags, layout.shown);
}
