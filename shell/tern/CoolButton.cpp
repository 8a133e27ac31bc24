#include "shell/tern/CoolButton.h"

#include "platform/Drawing.h"

#include <QPainter>

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;

// Skin images may mark their transparent parts with magenta, as the stones
// do; make that real alpha.
QImage WithTransparency(const QImage& image)
{
    if (image.isNull())
        return {};
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < result.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(row));
        for (int column = 0; column < result.width(); ++column) {
            if (line[column] == kMagenta)
                line[column] = 0;
        }
    }
    return result;
}

// The pressed look of a one-image button: the image a third darker.
QImage Darkened(const QImage& image)
{
    if (image.isNull())
        return {};
    QImage result = image;
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(result.rect(), QColor(0, 0, 0, 85));
    return result;
}

} // namespace

CCoolButton::CCoolButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

CCoolButton::~CCoolButton() = default;

void CCoolButton::SetPosition(int x, int y)
{
    move(x, y);
}

void CCoolButton::LoadBitmaps(const QImage& normal, const QImage& pressed)
{
    m_normal = WithTransparency(normal);
    m_pressed = WithTransparency(pressed);
    m_sunk = Darkened(m_normal);
    FitToImage();
    update();
}

void CCoolButton::LoadBitmaps(const QImage& image)
{
    LoadBitmaps(image, QImage());
}

void CCoolButton::SetBkDC(const QImage* background)
{
    m_background = background;
    update();
}

void CCoolButton::SetCBStyle(std::uint32_t style)
{
    m_style = style;
    FitToImage();
    update();
}

void CCoolButton::CopyStyle(const CCoolButton* from)
{
    if (!from)
        return;
    m_style = from->m_style;
    m_background = from->m_background;
    m_textColor = from->m_textColor;
    m_bkColor = from->m_bkColor;
    setFont(from->font());
    FitToImage();
    update();
}

void CCoolButton::SetTextColor(COLORREF color)
{
    m_textColor = color;
    update();
}

void CCoolButton::SetBkColor(COLORREF color)
{
    m_bkColor = color;
    update();
}

QSize CCoolButton::sizeHint() const
{
    if (!IsTextButton())
        return m_normal.size();
    return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(24, 12);
}

void CCoolButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintBackground(painter);
    if (IsTextButton())
        PaintText(painter);
    else
        PaintBitmap(painter);
}

void CCoolButton::PaintBackground(QPainter& painter) const
{
    if (m_background)
        CopyImage(painter, 0, 0, width(), height(), *m_background, x(), y());
}

void CCoolButton::PaintBitmap(QPainter& painter) const
{
    if (!isDown()) {
        painter.drawImage(0, 0, m_normal);
    } else if (!m_pressed.isNull()) {
        painter.drawImage(0, 0, m_pressed);
    } else {
        painter.drawImage(1, 1, m_sunk);
    }
}

void CCoolButton::PaintText(QPainter& painter) const
{
    const QColor fill = ColorFromColorRef(m_bkColor);
    const bool down = isDown();
    const QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = qMin<qreal>(8.0, face.height() / 4);
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0, down ? fill.darker(125) : fill.lighter(118));
    gradient.setColorAt(1, down ? fill.darker(110) : fill.darker(108));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(fill.darker(down ? 170 : 145), 1.5));
    painter.setBrush(gradient);
    painter.drawRoundedRect(face, radius, radius);
    if (!down) {
        // A thin highlight along the top edge gives the face some relief.
        painter.setPen(QPen(QColor(255, 255, 255, 70), 1));
        painter.drawLine(
            QPointF(face.left() + radius, face.top() + 1.5), QPointF(face.right() - radius, face.top() + 1.5));
    }
    painter.setPen(ColorFromColorRef(m_textColor));
    painter.setFont(font());
    const QRect textArea = rect().adjusted(6, 0, -6, 0).translated(down ? 1 : 0, down ? 1 : 0);
    const QString caption = fontMetrics().elidedText(text(), Qt::ElideRight, textArea.width());
    painter.drawText(textArea, Qt::AlignCenter, caption);
}

void CCoolButton::FitToImage()
{
    if (!IsTextButton() && !m_normal.isNull())
        resize(m_normal.size());
}
