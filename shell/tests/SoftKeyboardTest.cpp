#include "shell/SoftKeyboard.h"
#include "shell/Wren.h"
#include "shell/tests/ShellEnvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>

namespace {

class SoftKeyboardTest : public ShellEnvironment {
protected:
    void SetUp() override
    {
        ShellEnvironment::SetUp();
        m_editor.show();
        m_editor.activateWindow();
        m_editor.setFocus();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        SipHideIM();
        ShellEnvironment::TearDown();
    }

    static SoftKeyboard* Keyboard()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* keyboard = qobject_cast<SoftKeyboard*>(widget))
                return keyboard;
        }
        return nullptr;
    }
    // Taps the keys with these labels (or object names) one after another.
    void Tap(const QStringList& keys)
    {
        for (const QString& label : keys) {
            QAbstractButton* found = Keyboard()->findChild<QAbstractButton*>(label);
            for (QAbstractButton* key : Keyboard()->findChildren<QAbstractButton*>()) {
                if (!found && key->text() == label)
                    found = key;
            }
            ASSERT_NE(found, nullptr) << label.toStdString();
            found->click();
        }
    }

    QPlainTextEdit m_editor;
};

TEST_F(SoftKeyboardTest, ShowsAtTheBottomOfTheScreenAndHides)
{
    EXPECT_EQ(SipGetState(), SIP_HIDDEN);
    SipShowCorrectIM(ORVA_LANG_ENGLISH);
    EXPECT_NE(SipGetState(), SIP_HIDDEN);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(Keyboard()->geometry().bottom(), screen.bottom());
    EXPECT_EQ(Keyboard()->width(), screen.width());
    SipHideIM();
    EXPECT_EQ(SipGetState(), SIP_HIDDEN);
    EXPECT_EQ(Keyboard(), nullptr);
    SipHideIM();
}

TEST_F(SoftKeyboardTest, TypesIntoTheFocusedEditorWithoutTakingTheFocus)
{
    SipShowCorrectIM(ORVA_LANG_ENGLISH);
    Tap({QStringLiteral("shift"), QStringLiteral("H"), QStringLiteral("i"), QStringLiteral("space"), QStringLiteral("1"),
        QStringLiteral("x"), QStringLiteral("backspace"), QStringLiteral("enter"), QStringLiteral("?")});
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("Hi 1\n?"));
    EXPECT_EQ(QApplication::focusWidget(), &m_editor);
}

TEST_F(SoftKeyboardTest, TurkishLayoutTypesTurkishLettersInBothCases)
{
    SipShowCorrectIM(ORVA_LANG_TURKISH);
    for (const QString& letter : {QStringLiteral("ç"), QStringLiteral("ğ"), QStringLiteral("ı"), QStringLiteral("i"),
             QStringLiteral("ö"), QStringLiteral("ş"), QStringLiteral("ü")})
        Tap({letter});
    // Shift shows the capitals on the keys, for one letter.
    Tap({QStringLiteral("shift"), QStringLiteral("İ"), QStringLiteral("shift"), QStringLiteral("I"), QStringLiteral("shift"),
        QStringLiteral("Ş"), QStringLiteral("ş")});
    EXPECT_EQ(m_editor.toPlainText(), QStringLiteral("çğıiöşüİIŞş"));
}

TEST_F(SoftKeyboardTest, ChineseAndOtherLanguagesGetTheEnglishLayout)
{
    for (const ORVA_LANG language : {ORVA_LANG_CHINESE, ORVA_LANG_ENGLISH, static_cast<ORVA_LANG>(3)}) {
        SipShowCorrectIM(language);
        const QList<QAbstractButton*> keys = Keyboard()->findChildren<QAbstractButton*>();
        EXPECT_TRUE(std::none_of(keys.begin(), keys.end(), [](QAbstractButton* key) { return key->text() == u"ş"; }));
        EXPECT_TRUE(std::any_of(keys.begin(), keys.end(), [](QAbstractButton* key) { return key->text() == u"q"; }));
    }
}

} // namespace
