// The notebook on a touch screen without keys: the soft keyboard and the
// buttons under it, driven by touches at pixels, each acting exactly once.
#include "notebook/window/NoteBookResource.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/testsupport/TouchScreen.h"
#include "shell/SoftKeyboard.h"
#include "shell/Wren.h"

namespace {

class TouchInputNoteBook : public NoteBookTest {
protected:
    void TapButton(int id) { TouchAt(m_active, m_active->GetDlgItem(id)->geometry().center()); }

    QRect KeyboardRect() const
    {
        const QRect screen = SipGetRect();
        return screen.isEmpty() ? QRect() : QRect(m_active->mapFromGlobal(screen.topLeft()), screen.size());
    }

    // A pixel over the button where the keyboard shows its background
    // between keys.
    QPoint KeyboardGapOver(int id) const
    {
        const auto* keyboard = m_active->findChild<SoftKeyboard*>();
        const QRect button = m_active->GetDlgItem(id)->geometry();
        for (int y = button.top(); y <= button.bottom(); ++y)
            for (int x = button.left(); x <= button.right(); ++x)
                if (m_active->childAt(x, y) == keyboard)
                    return { x, y };
        ADD_FAILURE() << "no gap between the keys over button " << id;
        return {};
    }

    // The caret's line in window pixels.
    QRect CaretLine() const
    {
        CRuledEdit& edit = m_dlg->GetEdit();
        const QRect caret = edit.cursorRect();
        return { edit.viewport()->mapTo(m_active, QPoint(0, caret.top())), QSize(edit.width(), caret.height()) };
    }
};

TEST_F(TouchInputNoteBook, TypingAndTurningPagesByTouchesAlone)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    Drive(dlg).FireTimer(IDT_CARET_TO_END);

    TapButton(IDC_BTN_INPUT);
    ASSERT_NE(SipGetState(), SIP_HIDDEN);
    TypeOnKeyboard(QStringLiteral(" Tea"));
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("three Tea"));
    EXPECT_TRUE(dlg.GetEdit().hasFocus());

    // Taps between the keys reach none of the buttons under the keyboard; one
    // above it reaches the page as before.
    for (int covered : { IDC_BTN_CLEAR, IDC_BTN_NEXT, IDC_BTN_PREV })
        Drive(dlg).TapAt(KeyboardGapOver(covered));
    Drive(dlg).TapAt(dlg.GetEdit().geometry().topLeft() + QPoint(2, 10));
    TypeOnKeyboard(QStringLiteral("Z"));
    EXPECT_EQ(dlg.GetEdit().toPlainText(), QStringLiteral("Zthree Tea"));
    EXPECT_EQ(dlg.GetPage(), 2);
    EXPECT_EQ(dlg.GetNotes().GetCount(), 3);

    // The keyboard's own key hides it, and Input brings it back.
    TapKey(QStringLiteral("hide"));
    EXPECT_EQ(SipGetState(), SIP_HIDDEN);
    EXPECT_TRUE(dlg.GetEdit().hasFocus());
    TapButton(IDC_BTN_PREV);
    EXPECT_EQ(dlg.GetPage(), 1);
    TapButton(IDC_BTN_NEXT);
    EXPECT_EQ(dlg.GetPage(), 2);

    // Closing saves the page and hides the keyboard.
    TapButton(IDC_BTN_INPUT);
    TypeOnKeyboard(QStringLiteral("ok "));
    TapButton(IDC_BTN_CLOSE);
    EXPECT_FALSE(dlg.IsWindow());
    EXPECT_EQ(SipGetState(), SIP_HIDDEN);
    EXPECT_EQ(SavedText(QStringLiteral("c.note")), QStringLiteral("ok Zthree Tea"));
}

TEST_F(TouchInputNoteBook, TheCaretsLineStaysAboveTheKeyboardOnTheRules)
{
    CNoteBookDlg& dlg = Start();
    TapButton(IDC_BTN_INPUT);
    const int keyboardTop = KeyboardRect().top();
    const int editorTop = dlg.GetEdit().geometry().top();
    EXPECT_GE(keyboardTop - editorTop, 5 * CRuledEdit::kRuleSpacing) << "five lines show at least";
    for (int line = 1; line <= 15; ++line) {
        TypeOnKeyboard(QStringLiteral("\nline %1").arg(line));
        const QRect caretLine = CaretLine();
        EXPECT_LE(caretLine.bottom(), keyboardTop) << "line " << line;
        EXPECT_EQ((caretLine.top() - editorTop) % CRuledEdit::kRuleSpacing, 0) << "line " << line;
    }
    const QRect above = CaretLine();

    // Hidden, the editor scrolls as ever: fourteen lines to the page.
    TapKey(QStringLiteral("hide"));
    EXPECT_EQ(dlg.GetEdit().viewport()->height(), CRuledEdit::kPaperHeight + 1);
    EXPECT_EQ(CaretLine().top(), editorTop + 13 * CRuledEdit::kRuleSpacing);
    TapButton(IDC_BTN_INPUT);
    EXPECT_EQ(CaretLine(), above);
}

} // namespace
