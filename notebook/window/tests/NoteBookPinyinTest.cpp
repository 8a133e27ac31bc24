// Chinese typed by taps alone: the pinyin keyboard on the real notebook.
#include "notebook/window/NoteBookResource.h"
#include "notebook/window/tests/NoteBookFixture.h"
#include "shell/CandidateBar.h"
#include "shell/SoftKeyboard.h"
#include "shell/Wren.h"

#include <QAbstractButton>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace {

class PinyinTest : public NoteBookTest {
protected:
    void SetUp() override
    {
        NoteBookTest::SetUp();
        SetShellSetting(QStringLiteral("language"), QStringLiteral("1"));
    }

    // Starts on an empty page with the keyboard up.
    CNoteBookDlg& StartTyping()
    {
        CNoteBookDlg& dlg = Start();
        Drive(dlg).FireTimer(IDT_CARET_TO_END);
        Drive(dlg).TapAt(dlg.GetDlgItem(IDC_BTN_INPUT)->geometry().center());
        return dlg;
    }
    // Closes the notebook, which saves the page, and gives the saved text.
    QString CloseAndSavedText()
    {
        Drive(*m_dlg).TapAt(m_dlg->GetDlgItem(IDC_BTN_CLOSE)->geometry().center());
        const QStringList files = NoteFiles();
        return files.size() == 1 ? SavedText(files.first()) : QStringLiteral("%1 files").arg(files.size());
    }

    CandidateBar* Bar() const { return m_active->findChild<CandidateBar*>(); }
    QString ModeKey() const
    {
        const auto* key = m_active->findChild<QAbstractButton*>(QStringLiteral("mode"));
        return key ? key->text() : QString();
    }
    QStringList Candidates() const
    {
        if (!Bar())
            return {};
        QList<QAbstractButton*> keys = Bar()->findChildren<QAbstractButton*>(QStringLiteral("candidate"));
        keys.removeIf([](const QAbstractButton* key) { return !key->isVisible(); });
        std::ranges::sort(keys, {}, [](const QAbstractButton* key) { return key->x(); });
        QStringList texts;
        for (const QAbstractButton* key : keys)
            texts.append(key->text());
        return texts;
    }
    // The pre-edit text at the caret.
    QString Preedit() { return m_dlg->GetEdit().textCursor().block().layout()->preeditAreaText(); }
    QString Text() { return m_dlg->GetEdit().toPlainText(); }
};

TEST_F(PinyinTest, NihaoAndTheFirstCandidateLandInTheFile)
{
    StartTyping();
    TypeOnKeyboard(QStringLiteral("nihao"));
    EXPECT_EQ(Preedit(), QStringLiteral("nihao"));
    EXPECT_EQ(Text(), QString()) << "pinyin is not text until chosen";
    ASSERT_FALSE(Candidates().isEmpty());
    EXPECT_EQ(Candidates().first(), QStringLiteral("你好"));
    TapKey(QStringLiteral("你好"));
    EXPECT_EQ(Text(), QStringLiteral("你好"));
    EXPECT_EQ(Preedit(), QString());
    EXPECT_TRUE(Candidates().isEmpty());

    // Taken in two steps: a word, then the rest by Space.
    TypeOnKeyboard(QStringLiteral("zhongguoren"));
    TapKey(QStringLiteral("中国"));
    EXPECT_EQ(Preedit(), QStringLiteral("ren"));
    TapKey(QStringLiteral("space"));
    EXPECT_EQ(CloseAndSavedText(), QStringLiteral("你好中国人"));
    EXPECT_FALSE(QDir(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/orva/pinyin")).isEmpty())
        << "what it learnt is kept in the user's data folder";
}

TEST_F(PinyinTest, PagesThroughMoreCandidates)
{
    StartTyping();
    TypeOnKeyboard(QStringLiteral("shi"));
    const QStringList first = Candidates();
    ASSERT_GE(first.size(), 2);
    TapKey(QStringLiteral("candidatesForward"));
    const QStringList second = Candidates();
    ASSERT_FALSE(second.isEmpty());
    EXPECT_EQ(Bar()->FirstShown(), first.size());
    for (const QString& candidate : second)
        EXPECT_FALSE(first.contains(candidate)) << candidate.toStdString();
    TapKey(QStringLiteral("candidatesBack"));
    EXPECT_EQ(Candidates(), first);
    TapKey(QStringLiteral("candidatesForward"));
    TapKey(second.last());
    EXPECT_EQ(CloseAndSavedText(), second.last());
}

TEST_F(PinyinTest, BackspaceEditsThePinyinAndEnterPutsTheLettersIn)
{
    StartTyping();
    TypeOnKeyboard(QStringLiteral("nihao"));
    TapKey(QStringLiteral("space"));
    TypeOnKeyboard(QStringLiteral("wo"));
    TapKey(QStringLiteral("backspace"));
    EXPECT_EQ(Preedit(), QStringLiteral("w"));
    EXPECT_EQ(Text(), QStringLiteral("你好"));
    TapKey(QStringLiteral("backspace"));
    EXPECT_EQ(Preedit(), QString());
    EXPECT_TRUE(Candidates().isEmpty());
    TapKey(QStringLiteral("backspace"));
    EXPECT_EQ(Text(), QStringLiteral("你"));
    TypeOnKeyboard(QStringLiteral("ok"));
    TapKey(QStringLiteral("enter"));
    EXPECT_EQ(Text(), QStringLiteral("你ok"));
    // The pre-edit text on a tenth line stays above the keyboard, on the rules.
    for (int line = 0; line < 9; ++line)
        TapKey(QStringLiteral("enter"));
    TypeOnKeyboard(QStringLiteral("ni"));
    CRuledEdit& edit = m_dlg->GetEdit();
    const QPoint caret = edit.viewport()->mapToGlobal(edit.cursorRect().bottomLeft());
    EXPECT_LE(caret.y(), SipGetRect().top());
    EXPECT_EQ((caret.y() + 1 - edit.mapToGlobal(QPoint(0, 0)).y()) % CRuledEdit::kRuleSpacing, 0);
    TapKey(QStringLiteral("backspace"));
    TapKey(QStringLiteral("backspace"));
    EXPECT_EQ(CloseAndSavedText(), QStringLiteral("你ok") + QStringLiteral("\r\n").repeated(9));
}

TEST_F(PinyinTest, SwitchesToLettersAndGivesFullWidthMarksInChinese)
{
    StartTyping();
    EXPECT_EQ(ModeKey(), QStringLiteral("中"));
    TypeOnKeyboard(QStringLiteral("nihao"));
    TapKey(QStringLiteral("，"));
    for (const QChar mark : QStringLiteral("。？！：；"))
        TapKey(mark);
    EXPECT_EQ(Text(), QStringLiteral("你好，。？！：；"));

    // Letters, with their own marks; what was composing goes in as typed.
    TypeOnKeyboard(QStringLiteral("ma"));
    TapKey(QStringLiteral("mode"));
    EXPECT_EQ(ModeKey(), QStringLiteral("英"));
    TypeOnKeyboard(QStringLiteral("Hi,.?!:;"));
    EXPECT_TRUE(Candidates().isEmpty());
    TapKey(QStringLiteral("mode"));
    TypeOnKeyboard(QStringLiteral("ma"));
    EXPECT_EQ(Preedit(), QStringLiteral("ma"));
    EXPECT_EQ(CloseAndSavedText(), QStringLiteral("你好，。？！：；maHi,.?!:;ma"));
}

// The keyboard takes the new language while it shows: English letters,
// then pinyin, then the Turkish letters.
TEST_F(PinyinTest, FollowsALanguageChangeWhileItShows)
{
    SetShellSetting(QStringLiteral("language"), QStringLiteral("0"));
    StartTyping();
    EXPECT_EQ(Bar(), nullptr);
    TypeOnKeyboard(QStringLiteral("ni"));
    SetShellSetting(QStringLiteral("language"), QStringLiteral("1"));
    Send(4);
    ProcessEvents();
    ASSERT_NE(SipGetState(), SIP_HIDDEN);
    ASSERT_NE(Bar(), nullptr);
    TypeOnKeyboard(QStringLiteral("zhongguo"));
    TapKey(QStringLiteral("中国"));
    EXPECT_EQ(Text(), QStringLiteral("ni中国"));
    TypeOnKeyboard(QStringLiteral("ma"));
    SetShellSetting(QStringLiteral("language"), QStringLiteral("6"));
    Send(4);
    ProcessEvents();
    EXPECT_EQ(Bar(), nullptr);
    TypeOnKeyboard(QStringLiteral("ş"));
    EXPECT_EQ(Text(), QStringLiteral("ni中国maş")) << "the pinyin composing went in as letters";
}

TEST_F(PinyinTest, InputShowsTheKeyboardWithoutAnActiveWindow)
{
    CNoteBookDlg& dlg = Start();
    Drive(dlg).FireTimer(IDT_CARET_TO_END);
    QApplication::setActiveWindow(nullptr);
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    Drive(dlg).TapAt(dlg.GetDlgItem(IDC_BTN_INPUT)->geometry().center());
    ASSERT_NE(SipGetState(), SIP_HIDDEN);
    EXPECT_EQ(SipGetRect().bottom(), dlg.mapToGlobal(QPoint(0, 479)).y());
    TypeOnKeyboard(QStringLiteral("nihao"));
    TapKey(QStringLiteral("space"));
    TapKey(QStringLiteral("mode"));
    TypeOnKeyboard(QStringLiteral("ok"));
    EXPECT_EQ(CloseAndSavedText(), QStringLiteral("你好ok"));
}

// Without its data the keyboard types letters, and the log says why.
TEST_F(PinyinTest, WithoutItsDataChineseKeysTypeLetters)
{
    qputenv("ORVA_PINYIN_DATA", m_dir.path().toUtf8());
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
              if (type == QtWarningMsg)
                  warnings.append(text);
          });
    StartTyping();
    qInstallMessageHandler(previous);
    qunsetenv("ORVA_PINYIN_DATA");
    EXPECT_EQ(Bar(), nullptr);
    TypeOnKeyboard(QStringLiteral("ni hao"));
    EXPECT_EQ(CloseAndSavedText(), QStringLiteral("ni hao"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("no readable pinyin data"))) << warnings.first().toStdString();
}

} // namespace
