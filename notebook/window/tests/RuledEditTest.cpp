#include "notebook/window/NoteBookFonts.h"
#include "notebook/window/RuledEdit.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
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
        // No caret in the pictures.
        m_edit.setCursorWidth(0);
        m_edit.show();
        QApplication::processEvents();
    }

    QImage Paper()
    {
        QApplication::processEvents();
        return m_edit.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    CRuledEdit m_edit;
};

TEST_F(RuledEditTest, WhitePaperWithThirteenDashedRulesAndTextBetweenThem)
{
    const QImage empty = Paper();
    std::vector<int> ruleRows;
    for (int y = 0; y < CRuledEdit::kPaperHeight; ++y) {
        int rulePixels = 0;
        for (int x = 0; x < CRuledEdit::kPaperWidth; ++x) {
            const QRgb pixel = empty.pixel(x, y);
            ASSERT_TRUE(pixel == kRule || pixel == kWhite) << "at " << x << "," << y;
            rulePixels += pixel == kRule;
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

    // A page of Latin with descenders, Turkish and Chinese stays between the rules.
    m_edit.setPlainText(QStringLiteral("Dear diary, gjpqy\nÇarşamba, ığüşöç\n今天星期三 记事本\n").repeated(5));
    const QImage typed = Paper();
    for (int y = CRuledEdit::kRuleSpacing; y < CRuledEdit::kPaperHeight; y += CRuledEdit::kRuleSpacing) {
        // The ink of each line stays off the rules; beyond the text every rule is where it was.
        for (int x = 0; x < CRuledEdit::kPaperWidth; ++x) {
            const QRgb pixel = typed.pixel(x, y);
            ASSERT_TRUE(pixel == empty.pixel(x, y) || (x < 200 && pixel == kWhite)) << x << "," << y;
        }
    }
}

// An emoji shows as its colour picture, not as a box or outline in the ink:
// the first line has the face's saturated yellow.
TEST_F(RuledEditTest, EmojiShowAsColourPictures)
{
    m_edit.setPlainText(u"Sunny 😀 day"_qs);
    const QImage line = Paper().copy(0, 0, CRuledEdit::kPaperWidth, CRuledEdit::kRuleSpacing);
    int yellow = 0;
    for (int i = 0; i < line.width() * line.height(); ++i) {
        const QColor pixel = line.pixelColor(i % line.width(), i / line.width());
        yellow += pixel.hue() >= 35 && pixel.hue() <= 55 && pixel.saturation() > 150 && pixel.value() > 180;
    }
    EXPECT_GT(yellow, 40);
}

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
        { "arrow key", [this] {
             QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
             QApplication::sendEvent(&m_edit, &down);
         } },
        { "scroll bar step", [this] { m_edit.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); } },
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
