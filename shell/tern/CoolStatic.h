#pragma once

#include "platform/Color.h"
#include "platform/Rect.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

// A windowless text area that its parent paints: the parent calls Draw from
// its paint handler. "\r\n" and "\n" start new lines; long lines wrap.
class CCoolStatic {
public:
    CCoolStatic();
    virtual ~CCoolStatic();

    // rect is in parent's client pixels; background (the parent's surface,
    // which must outlive this) is repainted behind the text by Draw.
    void Init(QWidget* parent, const RECT* rect, const QImage* background, COLORREF textColor, const QFont* font);
    // Replaces the text and invalidates its rectangle (without erasing) in the
    // parent, so the parent's next paint shows it.
    void SetText(QString text);
    void SetTextColor(COLORREF color);
    // Paints the background behind the rectangle and the text, centred line by line.
    void Draw(QPainter* dc) const;
    // The rectangle text takes when drawn here, laid out as Draw lays out its
    // own text, before clipping to GetRect().
    QRect MeasureText(const QString& text) const;

    const QString& GetText() const { return m_text; }
    QRect GetRect() const { return m_rect; }
    COLORREF GetTextColor() const { return m_textColor; }

private:
    QWidget* m_parent = nullptr;
    QRect m_rect;
    const QImage* m_background = nullptr;
    COLORREF m_textColor = RGB(0, 0, 0);
    QFont m_font;
    QString m_text;
};
