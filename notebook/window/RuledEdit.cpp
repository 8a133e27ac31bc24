#include "notebook/window/RuledEdit.h"

#include "platform/Drawing.h"
#include "shell/Wren.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The extra pixel at the bottom makes the viewport count its last line as a
// whole one: without it, 308 pixels count only thirteen whole lines.
constexpr int kWholeLineAllowance = 1;

} // namespace

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
    setViewportMargins(0, 0, 0, -kWholeLineAllowance);
    connect(this, &QPlainTextEdit::textChanged, this, &CRuledEdit::InvalidateAll);
    SipWatch(this, [this] { FitAboveKeyboard(); });
}

void CRuledEdit::DrawRuledPaper(QPainter& painter)
{
    const QPen previous = painter.pen();
    FillRect(painter, QRect(0, 0, kPaperWidth, kPaperHeight), RGB(255, 255, 255));
    painter.setPen(MakePen(PenStyle::Dash, 1, kRuleColor));
    for (int y = kRuleSpacing; y < kPaperHeight; y += kRuleSpacing)
        DrawLine(painter, QPoint(0, y), QPoint(kPaperWidth, y));
    painter.setPen(previous);
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
    // Shift+Enter would put a line separator (U+2028) into the text, which
    // other programs do not read as a new line: it breaks the line as Enter.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers().testFlag(Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
            event->isAutoRepeat(), ushort(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
    } else {
        QPlainTextEdit::keyPressEvent(event);
    }
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

void CRuledEdit::FitAboveKeyboard()
{
    int bottomMargin = -kWholeLineAllowance;
    const QRect keyboard = SipGetRect();
    const QRect editor(mapToGlobal(QPoint(0, 0)), size());
    if (keyboard.intersects(editor)) {
        const int lines = std::max(1, (keyboard.top() - editor.top()) / kRuleSpacing);
        bottomMargin = height() - lines * kRuleSpacing - kWholeLineAllowance;
    }
    setViewportMargins(0, 0, 0, bottomMargin);
    ensureCursorVisible();
}
