#include "go/window/GoText.h"

#include "go/window/tests/GoWindowTest.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

QString Text(int index, int language)
{
    return QString::fromUtf16(LocalText(index, language));
}

TEST(GoText, EveryEntryHasBothLanguages)
{
    for (int i = 0; i < kGoTextCount; ++i) {
        EXPECT_FALSE(Text(i, 0).isEmpty()) << i;
        EXPECT_FALSE(Text(i, 1).isEmpty()) << i;
        EXPECT_NE(Text(i, 0), Text(i, 1)) << i;
    }
}

class GoTextLanguage : public ShellEnvironment { };

// The window tests show the texts in English and Chinese.
TEST_F(GoTextLanguage, OtherLanguagesFallBackToEnglish)
{
    WriteSettings("language=6\n");
    EXPECT_EQ(QString::fromUtf16(GetLocalText(kTextUndo)), u"Undo");
    EXPECT_EQ(FormatLocalText(kTextTotalSteps, 224), u"Total step is 224. ");
    EXPECT_EQ(FormatLocalText(kTextNew, 3), u"New");
}

using GoStatusText = GoWindowTest;

// Each text the status box shows, in both languages and at every step count a
// game reaches, is drawn whole inside the box.
TEST_F(GoStatusText, EveryTextFitsTheStatusBox)
{
    // One entry, or two shown one after the other.
    const std::pair<int, int> shown[] = {
        { kTextTitle, -1 }, { kTextDraw, -1 }, { kTextStep, -1 }, { kTextGameOverNoUndo, -1 },
        { kTextNoMoreUndo, -1 }, { kTextPersonWins, kTextTotalSteps }, { kTextTotalSteps, kTextComputerWins },
        { kTextNoUndoAtStart, -1 }, { kTextTapAfterEnd, -1 },
    };
    const CCoolStatic& status = CGoDlgProbe::Status(Open());
    for (int language : { 0, 1 }) {
        for (const auto& [first, second] : shown) {
            for (int step = 1; step <= 224; ++step) {
                QString text = Text(first, language) + (second < 0 ? QString() : Text(second, language));
                text.replace(QStringLiteral("%d"), QString::number(step));
                const QRect needed = status.MeasureText(text);
                ASSERT_TRUE(status.GetRect().contains(needed))
                    << text.toStdString() << ": " << needed.width() << " by " << needed.height();
            }
        }
    }
}

} // namespace
