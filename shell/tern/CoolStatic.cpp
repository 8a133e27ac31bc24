#include "shell/tern/CoolStatic.h"

#include "platform/Dialog.h"
#include "platform/Drawing.h"

#include <QPainter>

namespace {

constexpr unsigned kTextFormat = DT_CENTER | DT_TOP | DT_WORDBREAK;

} // namespace

CCoolStatic::CCoolStatic() = default;

CCoolStatic::~CCoolStatic() = default;

void CCoolStatic::Init(
    QWidget* parent, const RECT* rect, const QImage* background, COLORREF textColor, const QFont* font)
{
    m_parent = parent;
    m_rect = rect ? QRectFromRect(*rect) : QRect();
    m_background = background;
    m_textColor = textColor;
    if (font)
        m_font = *font;
}

void CCoolStatic::SetText(QString text)
{
    m_text = std::move(text);
    if (m_parent && !m_rect.isEmpty())
        InvalidateRect(m_parent, m_rect, false);
}

void CCoolStatic::SetTextColor(COLORREF color)
{
    m_textColor = color;
}

void CCoolStatic::Draw(QPainter* dc) const
{
    if (!dc || m_rect.isEmpty())
        return;
    if (m_background)
        CopyImage(*dc, m_rect.x(), m_rect.y(), m_rect.width(), m_rect.height(), *m_background, m_rect.x(), m_rect.y());
    dc->save();
    dc->setFont(m_font);
    dc->setPen(ColorFromColorRef(m_textColor));
    DrawText(*dc, m_text, m_rect, kTextFormat);
    dc->restore();
}

QRect CCoolStatic::MeasureText(const QString& text) const
{
    return TextRect(m_font, text, m_rect, kTextFormat);
}
