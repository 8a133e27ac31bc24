#include "TestDialog.h"

#include "platform/Cursor.h"
#include "platform/VirtualKey.h"
#include "platform/testsupport/DialogDriver.h"

#include <QKeyEvent>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

class DialogInput : public testing::Test {
protected:
    void SetUp() override { Drive(dialog).Create(); }
    TestDialog dialog;
};

// Keys for the dialog and keys meant for its focused control each pass
// pre-translation once; those not eaten reach the control, Enter included.
TEST_F(DialogInput, PreTranslationSeesEveryKeyOnce)
{
    for (int key : {VK_BACK, VK_TAB, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, int('0'), int('3')})
        Drive(dialog).PressKey(key);
    dialog.m_edit.clear();
    dialog.m_edit.setFocus();
    for (int key : {VK_NEXT, int('A'), VK_RETURN})
        Drive(dialog).PressKey(key);
    const std::vector<int> keys{VK_BACK, VK_TAB, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, '0', '3', VK_NEXT, 'A', VK_RETURN};
    EXPECT_EQ(dialog.m_preTranslated, keys);
    EXPECT_EQ(dialog.m_keyTargets.back(), &dialog.m_edit);
    EXPECT_EQ(dialog.m_edit.toPlainText(), QStringLiteral("a\n"));
    EXPECT_TRUE(dialog.IsWindow());
}

// The path of a real key: the window system hands it to the window, which
// passes it to its focused control.
TEST_F(DialogInput, PreTranslationSeesKeysFromTheWindowSystemOnce)
{
    dialog.m_edit.setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.windowHandle(), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_PageDown, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.windowHandle(), &release);
    EXPECT_EQ(dialog.m_preTranslated, std::vector<int>{VK_NEXT});
    EXPECT_EQ(dialog.m_keyTargets, std::vector<QWidget*>{&dialog.m_edit});
}

// Text of any script reaches the editor; keys pre-translation eats go
// nowhere; Escape in the editor cancels the dialog.
TEST_F(DialogInput, TheEditorTakesAnyScriptAndEscapeCancelsUnlessEaten)
{
    dialog.m_edit.setFocus();
    Drive(dialog).PressQtKey(Qt::Key_unknown, QString::fromUtf16(u"ğ五"));
    EXPECT_EQ(dialog.m_edit.toPlainText(), QString::fromUtf16(u"ğ五"));
    EXPECT_EQ(dialog.m_preTranslated, std::vector<int>{0});
    dialog.m_eatKeys = true;
    Drive(dialog).PressKey('A');
    Drive(dialog).PressKey(VK_ESCAPE);
    EXPECT_EQ(dialog.m_edit.toPlainText(), QString::fromUtf16(u"ğ五"));
    EXPECT_TRUE(dialog.IsWindow());
    dialog.m_eatKeys = false;
    Drive(dialog).PressKey(VK_ESCAPE);
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_EQ(Drive(dialog).GetResult(), IDCANCEL);
}

// Taps reach the tap handler or the control under them, move the pointer
// and ask for its shape; moves over the dialog and its controls ask too.
TEST_F(DialogInput, TapsAndPointerMoves)
{
    Drive(dialog).HoverAt(QPoint(200, 200));
    const int overDialog = dialog.m_setCursors;
    EXPECT_GE(overDialog, 1);
    Drive(dialog).HoverAt(QPoint(620, 20));
    EXPECT_GT(dialog.m_setCursors, overDialog);
    EXPECT_TRUE(dialog.m_taps.empty());

    const int beforeTap = dialog.m_setCursors;
    Drive(dialog).TapAt(QPoint(93, 45));
    EXPECT_EQ(dialog.m_taps, std::vector<QPoint>{QPoint(93, 45)});
    EXPECT_EQ(dialog.mapFromGlobal(GetCursorPos()), QPoint(93, 45));
    EXPECT_GT(dialog.m_setCursors, beforeTap);
    EXPECT_EQ(ShownCursorShape(), Qt::ArrowCursor);
    Drive(dialog).TapAt(QPoint(620, 20));
    EXPECT_EQ(dialog.m_taps.size(), 1u);
    EXPECT_EQ(dialog.m_commands, std::vector<int>{TestDialog::kButton});
}

} // namespace
