#include "NotebookSkinPainter.h"

#include "PaintHelpers.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QRectF kLeftPage(18, 14, 382, 452);
const QRectF kRightPage(400, 14, 382, 452);
constexpr double kSpine = 400;
const QSize kButtonSize(56, 26);
const QSize kTitleSize(192, 36);

void DrawPageStack(QPainter& painter, const QRectF& page, bool left)
{
    // A few page edges peeking out at the outer side and the bottom.
    for (int i = 3; i >= 1; --i) {
        const double shift = i * 2.0;
        QRectF edge = page.adjusted(left ? -shift : 0, 0, left ? 0 : shift, shift);
        painter.setPen(QPen(QColor(196, 190, 178), 1));
        painter.setBrush(QColor(246, 243, 236));
        painter.drawRect(edge);
    }
}

void ShadeTowardsSpine(QPainter& painter, const QRectF& page, bool left)
{
    const double x0 = left ? kSpine - 26 : kSpine;
    QLinearGradient gutter(x0, 0, x0 + 26, 0);
    const QColor shade(120, 104, 84, 70);
    const QColor clear(255, 255, 255, 0);
    gutter.setColorAt(0.0, left ? clear : shade);
    gutter.setColorAt(1.0, left ? shade : clear);
    painter.fillRect(QRectF(x0, page.top(), 26, page.height()), gutter);
}

} // namespace

NotebookSkinPainter::NotebookSkinPainter(SkinPalette palette)
    : m_palette(std::move(palette))
{
}

QMap<QString, QImage> NotebookSkinPainter::Paint() const
{
    return {
        { QStringLiteral("NOTEBOOK"), Book() },
        { QStringLiteral("NOTE_CLOSE"), Button(Glyph::Close) },
        { QStringLiteral("NOTE_PREVPAGE"), Button(Glyph::Previous) },
        { QStringLiteral("NOTE_NEXTPAGE"), Button(Glyph::Next) },
        { QStringLiteral("NOTE_CLEAR"), Button(Glyph::Clear) },
        { QStringLiteral("NOTE_INPUT"), Button(Glyph::Input) },
        { QStringLiteral("NOTE_TITLE"), Title() },
    };
}

QImage NotebookSkinPainter::Book() const
{
    QImage image(800, 480, QImage::Format_RGB32);
    FillGradient(image, m_palette.cover, m_palette.coverDark);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // Leather: a soft sheen and a stitched border.
    QRadialGradient sheen(QPointF(400, 160), 520);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), sheen);
    painter.setPen(QPen(Blend(m_palette.cover, Qt::white, 0.35), 1.2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(5.5, 5.5, 789, 469), 10, 10);

    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawPageStack(painter, kLeftPage, true);
    DrawPageStack(painter, kRightPage, false);
    painter.fillRect(kLeftPage, Qt::white);
    painter.fillRect(kRightPage, Qt::white);
    ShadeTowardsSpine(painter, kLeftPage, true);
    ShadeTowardsSpine(painter, kRightPage, false);
    painter.setPen(QPen(QColor(150, 136, 118), 1));
    painter.drawLine(QPointF(kSpine, kLeftPage.top()), QPointF(kSpine, kLeftPage.bottom()));
    return image;
}

QImage NotebookSkinPainter::Button(Glyph glyph) const
{
    QImage button(kButtonSize, QImage::Format_RGB32);
    button.fill(Qt::white);
    QPainter painter(&button);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(button.rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(m_palette.titleInk, 1.4));
    painter.setBrush(m_palette.noteButton);
    painter.drawRoundedRect(body, 12, 12);

    const QColor ink = m_palette.noteButtonGlyph;
    painter.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const QPointF c = body.center();
    switch (glyph) {
    case Glyph::Close:
        painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        painter.drawLine(c + QPointF(5, -5), c + QPointF(-5, 5));
        break;
    case Glyph::Previous:
    case Glyph::Next: {
        const double d = glyph == Glyph::Next ? 1.0 : -1.0;
        painter.setBrush(ink);
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(QPolygonF({ c + QPointF(d * 8, 0), c + QPointF(-d * 4, -7), c + QPointF(-d * 4, 7) }));
        painter.drawRect(QRectF(c.x() + (d > 0 ? -11 : 4), c.y() - 2, 7, 4));
        break;
    }
    case Glyph::Clear: {
        // An eraser lying across a line.
        painter.save();
        painter.translate(c);
        painter.rotate(-30);
        painter.drawRoundedRect(QRectF(-9, -4.5, 18, 9), 2, 2);
        painter.drawLine(QPointF(-2, -4.5), QPointF(-2, 4.5));
        painter.restore();
        painter.drawLine(c + QPointF(-12, 8), c + QPointF(12, 8));
        break;
    }
    case Glyph::Input: {
        const QRectF keyboard(c.x() - 12, c.y() - 7, 24, 14);
        painter.drawRoundedRect(keyboard, 2.5, 2.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        for (int row = 0; row < 2; ++row)
            for (int key = 0; key < 5; ++key)
                painter.drawRect(QRectF(keyboard.left() + 3 + key * 4, keyboard.top() + 3 + row * 3.2, 2, 1.8));
        painter.drawRect(QRectF(keyboard.left() + 7, keyboard.top() + 10, 10, 1.6));
        break;
    }
    }
    return button;
}

QImage NotebookSkinPainter::Title() const
{
    QImage title(kTitleSize, QImage::Format_RGB32);
    title.fill(Qt::white);
    QPainter painter(&title);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(24);
    font.setItalic(true);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(m_palette.titleInk);
    painter.drawText(QRectF(34, 0, 158, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("NoteBook"));

    // A quill beside the name.
    QPainterPath feather;
    feather.moveTo(4, 31);
    feather.cubicTo(10, 18, 18, 8, 30, 3);
    feather.cubicTo(27, 12, 20, 22, 8, 28);
    feather.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Blend(m_palette.titleInk, Qt::white, 0.25));
    painter.drawPath(feather);
    painter.setPen(QPen(m_palette.titleInk, 1.2));
    painter.drawLine(QPointF(3, 33), QPointF(22, 12));
    painter.setPen(QPen(Blend(m_palette.titleInk, Qt::white, 0.5), 1));
    painter.drawLine(QPointF(34, 33), QPointF(188, 33));
    return title;
}
