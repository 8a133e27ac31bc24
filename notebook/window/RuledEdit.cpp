#include "notebook/window/RuledEdit.h"

#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QtMath>

CRuledEdit::CRuledEdit(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(0);
    // The scroll bar is always there, so the text wraps at the same width
    // whether or not the note is longer than a page.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::transparent);
    colors.setColor(QPalette::Text, Qt::black);
    setPalette(colors);
    // Without the extra pixel the viewport counts only thirteen whole lines.
    setViewportMargins(0, 0, 0, -1);
    connect(this, &QPlainTextEdit::textChanged, this, &CRuledEdit::InvalidateAll);
}

void CRuledEdit::DrawRuledPaper(QPainter& painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, kPaperWidth, kPaperHeight, Qt::white);
    QPen rulePen(ColorFromColorRef(kRuleColor), 1, Qt::DashLine, Qt::FlatCap);
    painter.setPen(rulePen);
    // A line drawn to a point stops short of it, so the rule covers x 0 to 284.
    for (int y = kRuleSpacing; y < kPaperHeight; y += kRuleSpacing)
        painter.drawLine(QPointF(0, y + 0.5), QPointF(kPaperWidth, y + 0.5));
    painter.restore();
}

int CRuledEdit::LineHeight(const QFont& font, const QString& text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    line.setLineWidth(kPaperWidth);
    layout.endLayout();
    return qCeil(line.height());
}

void CRuledEdit::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(viewport());
        DrawRuledPaper(painter);
    }
    QPlainTextEdit::paintEvent(event);
}

void CRuledEdit::keyPressEvent(QKeyEvent* event)
{
    QPlainTextEdit::keyPressEvent(event);
    InvalidateAll();
}

void CRuledEdit::mouseReleaseEvent(QMouseEvent* event)
{
    InvalidateAll();
    QPlainTextEdit::mouseReleaseEvent(event);
}

// The base class moves the pixels already on screen, rules included; the
// full repaint puts the rules back where they belong.
void CRuledEdit::scrollContentsBy(int dx, int dy)
{
    QPlainTextEdit::scrollContentsBy(dx, dy);
    InvalidateAll();
}

void CRuledEdit::InvalidateAll()
{
    viewport()->update();
}
