// The notebook on a touch screen: its buttons and the soft keyboard take a
// touch exactly as one tap, never twice.
#include "notebook/window/NoteBookResource.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "platform/testsupport/TouchScreen.h"
#include "shell/Wren.h"

#include <QAbstractButton>

namespace {

class TouchInputNoteBook : public NoteBookTest {
protected:
    void Touch(QPoint point)
    {
        TouchAt(m_active, point);
        ProcessEvents();
    }
    void TouchButton(int id) { Touch(m_active->GetDlgItem(id)->geometry().center()); }
    void TouchKey(const QString& name)
    {
        for (QAbstractButton* key : m_active->findChildren<QAbstractButton*>()) {
            if (key->parentWidget() != m_active && key->isVisible() && (key->objectName() == name || key->text().compare(name, Qt::CaseInsensitive) == 0))
                return Touch(key->mapTo(m_active, key->rect().center()));
        }
        ADD_FAILURE() << "no key " << name.toStdString();
    }
};

TEST_F(TouchInputNoteBook, TouchesTurnPagesOpenTheKeyboardAndTypeOnce)
{
    CNoteBookDlg& dlg = StartWithThreeNotes();
    TouchButton(IDC_BTN_PREV);
    EXPECT_EQ(dlg.GetPage(), 1);
    TouchButton(IDC_BTN_INPUT);
    ASSERT_NE(SipGetState(), SIP_HIDDEN);
    // Shift toggles and ends with the next letter: a second tap would show.
    for (const char* key : { "shift", "a", "b", "space" })
        TouchKey(QString::fromLatin1(key));
    EXPECT_EQ(dlg.GetEdit().toPlainText(), u"Ab two"_qs);
    TouchKey(u"hide"_qs);
    EXPECT_EQ(SipGetState(), SIP_HIDDEN);
    TouchButton(IDC_BTN_NEXT);
    EXPECT_EQ(dlg.GetPage(), 2);
}

} // namespace
