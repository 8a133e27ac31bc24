#include "platform/ShellMessage.h"
#include "shell/CandidateBar.h"
#include "shell/OrvaCore.h"
#include "shell/SoftKeyboard.h"
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
    QString Labels()
    {
        QString labels;
        for (QAbstractButton* key : Keyboard()->findChildren<QAbstractButton*>(QStringLiteral("key")))
            labels += key->text();
        return labels;
    }

    QWidget m_window;
    QPlainTextEdit m_editor{&m_window};
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

// Shift shows the capitals on the keys, for one letter.
TEST_F(SoftKeyboardTest, ShiftShowsCapitalsForOneLetter)
{
    const QString english = QStringLiteral("1234567890qwertyuiopasdfghjkl'zxcvbnm,.?");
    const struct {
        ORVA_LANG language;
        QString lower;
        QString upper;
    } cases[] = {
        {ORVA_LANG_ENGLISH, english, english.toUpper()},
        {ORVA_LANG_TURKISH, QStringLiteral("1234567890qwertyuıopğüasdfghjklşizxcvbnmöç.,"),
            QStringLiteral("1234567890QWERTYUIOPĞÜASDFGHJKLŞİZXCVBNMÖÇ.,")},
    };
    for (const auto& layout : cases) {
        SipShowCorrectIM(layout.language);
        EXPECT_EQ(Labels(), layout.lower);
        Tap(QStringLiteral("shift"));
        EXPECT_EQ(Labels(), layout.upper);
        Tap(QStringLiteral("Q"));
        EXPECT_EQ(Labels(), layout.lower);
        Tap(QStringLiteral("shift shift"));
        EXPECT_EQ(Labels(), layout.lower) << "a second tap takes Shift off";
    }
    Tap(QStringLiteral("shift İ i shift I ı"));
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("QQİiIı"));
    // A new language shows once the window has taken code 4, not before.
    SetShellSetting(QStringLiteral("language"), QStringLiteral("0"));
    for (const ShellCode code : {ShellCode::SkinChanged, ShellCode::LanguageChanged}) {
        PostShellMessage(&m_window, ShellWParam(code));
        ProcessEvents();
        EXPECT_EQ(Labels(), code == ShellCode::SkinChanged ? cases[1].lower : english);
    }
}

// Each key stands whole on the keyboard at the foot of the window, apart from
// every other; the hide key takes it away again.
TEST_F(SoftKeyboardTest, KeysStandApartOnTheKeyboardUntilItIsHidden)
{
    EXPECT_EQ(SipGetState(), SIP_HIDDEN);
    EXPECT_EQ(SipGetRect(), QRect());
    for (const ORVA_LANG language : {ORVA_LANG_ENGLISH, ORVA_LANG_TURKISH, ORVA_LANG_CHINESE}) {
        SipShowCorrectIM(language);
        ASSERT_EQ(SipGetState(), SIP_SHOWN);
        const QRect area = SipGetRect();
        EXPECT_EQ(area.bottomRight(), m_window.mapToGlobal(QPoint(799, 479)));
        EXPECT_EQ(area.width(), 800);
        EXPECT_EQ(area.height(), language == ORVA_LANG_CHINESE ? SoftKeyboard::kHeight + CandidateBar::kHeight : SoftKeyboard::kHeight);
        QList<QAbstractButton*> keys = Keyboard()->findChildren<QAbstractButton*>();
        keys.removeIf([](const QAbstractButton* key) { return !key->isVisible(); });
        for (QAbstractButton* key : keys) {
            const QRect place = key->geometry();
            const QRect onKeyboard(key->mapTo(Keyboard(), QPoint(0, 0)), place.size());
            EXPECT_TRUE(!place.isEmpty() && Keyboard()->rect().contains(onKeyboard)) << key->text().toStdString();
            for (QAbstractButton* other : keys)
                EXPECT_TRUE(other == key || !onKeyboard.intersects(QRect(other->mapTo(Keyboard(), QPoint(0, 0)), other->size())))
                    << key->text().toStdString();
        }
    }
    Tap(QStringLiteral("hide"));
    EXPECT_EQ(SipGetState(), SIP_HIDDEN);
}

} // namespace
