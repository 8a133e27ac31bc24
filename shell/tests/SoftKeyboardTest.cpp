#include "shell/SoftKeyboard.h"
#include "platform/ShellMessage.h"
#include "platform/testsupport/ReferenceScreen.h"
#include "shell/OrvaCore.h"
#include "shell/Wren.h"
#include "shell/tests/ShellEnvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <algorithm>

namespace {

class SoftKeyboardTest : public ShellEnvironment {
protected:
    void SetUp() override
    {
        ShellEnvironment::SetUp();
        m_window.setGeometry(0, 0, 800, 480);
        m_editor.setGeometry(0, 0, 800, 300);
        m_window.show();
        m_window.activateWindow();
        m_editor.setFocus();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        SipHideIM();
        ShellEnvironment::TearDown();
    }

    // The keyboard that shows; one that was hidden waits for its deletion.
    SoftKeyboard* Keyboard()
    {
        const QList<SoftKeyboard*> all = m_window.findChildren<SoftKeyboard*>();
        const auto shown = std::ranges::find_if(all, &QWidget::isVisible);
        return shown == all.end() ? nullptr : *shown;
    }
    // Taps the keys with these labels (or object names), separated by spaces.
    void Tap(const QString& keys)
    {
        for (const QString& label : keys.split(u' ')) {
            const QList<QAbstractButton*> all = Keyboard()->findChildren<QAbstractButton*>();
            const auto found = std::ranges::find_if(
                all, [&](const QAbstractButton* key) { return key->objectName() == label || key->text() == label; });
            ASSERT_NE(found, all.end()) << label.toStdString();
            (*found)->click();
        }
    }
    QWidget m_window;
    QPlainTextEdit m_editor { &m_window };
};

TEST_F(SoftKeyboardTest, TypesIntoTheFocusedEditorWithoutTakingTheFocus)
{
    SipShowCorrectIM(ORVA_LANG_ENGLISH);
    Tap(QStringLiteral("shift H i space 1 x backspace enter ?"));
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("Hi 1\n?"));
    EXPECT_EQ(QApplication::focusWidget(), &m_editor);
    // Pinyin composes until a candidate, Space or a mark puts words in, and
    // Enter the letters as typed.
    m_editor.clear();
    SipShowCorrectIM(ORVA_LANG_CHINESE);
    Tap(QStringLiteral("n i h a o space z h o n g g u o 中国 w o x backspace enter n i h a o ，"));
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("你好中国wo你好，"));
}

// Shift gives one capital and a second tap takes it off; Turkish i and ı
// have capitals of their own. A key is found by what it shows.
TEST_F(SoftKeyboardTest, ShiftGivesOneCapital)
{
    SipShowCorrectIM(ORVA_LANG_ENGLISH);
    Tap(QStringLiteral("shift Q q shift shift q"));
    SipShowCorrectIM(ORVA_LANG_TURKISH);
    Tap(QStringLiteral("shift İ i shift I ı"));
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("QqqİiIı"));
    // A new language shows once the window has taken code 4, not before.
    SetShellSetting(QStringLiteral("language"), QStringLiteral("0"));
    for (const ShellCode code : { ShellCode::SkinChanged, ShellCode::LanguageChanged }) {
        PostShellMessage(&m_window, ShellWParam(code));
        ProcessEvents();
        const QList<QAbstractButton*> keys = Keyboard()->findChildren<QAbstractButton*>();
        EXPECT_EQ(std::ranges::any_of(keys, [](const QAbstractButton* key) { return key->text() == u"ş"; }),
            code == ShellCode::SkinChanged);
    }
}

TEST_F(SoftKeyboardTest, HideKeyTakesTheKeyboardAway)
{
    EXPECT_EQ(SipGetState(), SIP_HIDDEN);
    EXPECT_EQ(SipGetRect(), QRect());
    SipShowCorrectIM(ORVA_LANG_CHINESE);
    ASSERT_EQ(SipGetState(), SIP_SHOWN);
    Tap(QStringLiteral("hide"));
    EXPECT_EQ(SipGetState(), SIP_HIDDEN);
}

using ReferenceScreenSoftKeyboard = SoftKeyboardTest;

// The keys, their rows and the candidate bar with its page keys while pinyin composes.
TEST_F(ReferenceScreenSoftKeyboard, PinyinWithCandidates)
{
    SipShowCorrectIM(ORVA_LANG_CHINESE);
    Tap(QStringLiteral("n i h a o"));
    EXPECT_TRUE(MatchesReferenceScreen(
        Keyboard()->grab().toImage(), QStringLiteral("shell/tests/screens/keyboard-zh-nihao.png")));
}

} // namespace
