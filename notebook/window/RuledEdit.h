#pragma once

#include "platform/Color.h"

#include <QPlainTextEdit>

class QPainter;

// The note editor: ruled writing paper under the text. The rules are fixed in
// the viewport and the text scrolls by whole 22-pixel lines, so every text
// line stays between the same two rules. The whole viewport is repainted
// after every change, key, scroll and button release. While the soft keyboard
// covers its lower lines, the viewport ends at the last whole line above the
// keyboard, so the caret's line is never under it.
class CRuledEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int kRuleSpacing = 22;
    static constexpr int kPaperWidth = 285;
    static constexpr int kPaperHeight = 308;
    static constexpr COLORREF kRuleColor = RGB(216, 157, 159);

    explicit CRuledEdit(QWidget* parent = nullptr);

    // White paper with a dashed rule every kRuleSpacing pixels, none at the
    // top or bottom edge.
    static void DrawRuledPaper(QPainter& painter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void InvalidateAll();
    void FitAboveKeyboard();
};
