#include "notebook/window/NoteBookFonts.h"
#include "notebook/window/RuledEdit.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

#include <functional>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRule = qRgb(216, 157, 159);

class RuledEditTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_edit.setFont(FontFromLogFont(EditFontDescription()));
        m_edit.setGeometry(440, 87, 300, 308);
        m_edit.show();
        QApplication::processEvents();
    }

    // The viewport as painted, with the caret wiped out in white.
    QImage Paper()
    {
        QApplication::processEvents();
        QImage image = m_edit.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect caret = m_edit.cursorRect().adjusted(-1, 0, 1, 0);
        for (int y = caret.top(); y <= caret.bottom(); ++y)
            for (int x = caret.left(); x <= caret.right(); ++x)
                if (image.valid(x, y))
                    image.setPixel(x, y, kWhite);
        return image;
    }

    void Press(Qt::Key key, const QString& text = QString())
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&m_edit, &press);
    }

    // Top of every laid-out line that shows in the viewport, in viewport pixels.
    std::vector<int> VisibleLineTops()
    {
        std::vector<int> tops;
        const QPointF offset = m_edit.contentOffset();
        for (QTextBlock block = m_edit.document()->begin(); block.isValid(); block = block.next()) {
            const QRectF box = m_edit.blockBoundingGeometry(block).translated(offset);
            const QTextLayout* layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const double top = box.top() + line.y();
                EXPECT_DOUBLE_EQ(line.height(), CRuledEdit::kRuleSpacing) << block.text().toStdString();
                if (top >= 0 && top < CRuledEdit::kPaperHeight)
                    tops.push_back(static_cast<int>(top));
            }
        }
        return tops;
    }

    class Exposed : public CRuledEdit {
    public:
        using CRuledEdit::contentOffset;
        using CRuledEdit::blockBoundingGeometry;
    };
    Exposed m_edit;
};

TEST_F(RuledEditTest, WhitePaperWithThirteenDashedRulesAndTextBetweenThem)
{
    const QImage empty = Paper();
    ASSERT_GE(empty.width(), CRuledEdit::kPaperWidth);
    ASSERT_GE(empty.height(), CRuledEdit::kPaperHeight);
    std::vector<int> ruleRows;
    for (int y = 0; y < CRuledEdit::kPaperHeight; ++y) {
        int rulePixels = 0;
        for (int x = 0; x < CRuledEdit::kPaperWidth; ++x) {
            const QRgb pixel = empty.pixel(x, y);
            if (pixel == kRule) {
                ++rulePixels;
            } else {
                ASSERT_EQ(pixel, kWhite) << "at " << x << "," << y;
            }
        }
        if (rulePixels > 0)
            ruleRows.push_back(y);
        if (y > 0 && y % CRuledEdit::kRuleSpacing == 0) {
            // Dashed: neither solid nor missing.
            EXPECT_GT(rulePixels, CRuledEdit::kPaperWidth / 2) << "row " << y;
            EXPECT_LT(rulePixels, CRuledEdit::kPaperWidth) << "row " << y;
        }
    }
    const std::vector<int> expected { 22, 44, 66, 88, 110, 132, 154, 176, 198, 220, 242, 264, 286 };
    EXPECT_EQ(ruleRows, expected);

    // Fifteen lines scroll by one line and stay between the rules.
    const QStringList lines {
        QStringLiteral("Dear diary, gjpqy"),
        QStringLiteral("Çarşamba, ığüşöç"),
        QStringLiteral("今天星期三 记事本"),
    };
    for (int i = 0; i < 15; ++i) {
        if (i > 0)
            Press(Qt::Key_Return, QStringLiteral("\r"));
        Press(Qt::Key_unknown, lines[i % lines.size()]);
    }
    EXPECT_EQ(m_edit.document()->blockCount(), 15);
    EXPECT_EQ(m_edit.verticalScrollBar()->value(), 1);

    std::vector<int> expectedTops;
    for (int k = 0; k < 14; ++k)
        expectedTops.push_back(k * CRuledEdit::kRuleSpacing);
    EXPECT_EQ(VisibleLineTops(), expectedTops);

    const QImage typed = Paper();
    for (int y = CRuledEdit::kRuleSpacing; y < CRuledEdit::kPaperHeight; y += CRuledEdit::kRuleSpacing) {
        for (int x = 0; x < CRuledEdit::kPaperWidth; ++x) {
            // The ink of each line stays off the rules above and below it...
            const QRgb pixel = typed.pixel(x, y);
            ASSERT_TRUE(pixel == empty.pixel(x, y) || pixel == kWhite) << "ink on rule " << y << " at " << x;
            // ...and beyond the text every rule is where it was.
            if (x >= 200) {
                ASSERT_EQ(pixel, empty.pixel(x, y)) << x << "," << y;
            }
        }
    }
}

// Records the region of every paint of a widget.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget& widget) { widget.installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST_F(RuledEditTest, EveryKeyScrollAndReleaseRepaintsTheWholePaper)
{
    m_edit.setPlainText(QStringLiteral("line\n").repeated(40));
    Paper();
    const QRegion whole = m_edit.viewport()->visibleRegion();
    const std::vector<std::pair<const char*, std::function<void()>>> events {
        { "arrow key", [this] { Press(Qt::Key_Down); } },
        { "scroll bar step", [this] { m_edit.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); } },
        { "scroll bar drag", [this] { m_edit.verticalScrollBar()->setValue(7); } },
        { "button release", [this] {
             QMouseEvent release(QEvent::MouseButtonRelease, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                                 Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(m_edit.viewport(), &release);
         } },
        { "text from outside", [this] { m_edit.setPlainText(QStringLiteral("new page")); } },
    };
    for (const auto& [name, event] : events) {
        PaintSpy spy(*m_edit.viewport());
        event();
        QApplication::processEvents();
        EXPECT_EQ(spy.painted, whole) << name;
    }
}

} // namespace
