#include "notebook/window/RuledEdit.h"
#include "notebook/window/NoteBookFonts.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <functional>

namespace {

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

// Shift with any key but Enter keeps its meaning: here, it selects.
TEST_F(RuledEditTest, ShiftSelectsAsEverywhere)
{
    m_edit.setPlainText(QStringLiteral("ab"));
    m_edit.moveCursor(QTextCursor::End);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::ShiftModifier);
    QApplication::sendEvent(&m_edit, &left);
    EXPECT_EQ(m_edit.textCursor().selectedText(), QStringLiteral("b"));
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
        { "arrow key",
            [this] {
                QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
                QApplication::sendEvent(&m_edit, &down);
            } },
        { "scroll bar step",
            [this] { m_edit.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); } },
        { "button release",
            [this] {
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
