#include "go/window/GoText.h"

#include "shell/tests/ShellEnvironment.h"

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

TEST(GoText, ChineseOnlyForLanguageOne)
{
    for (int language : { 0, 2, 6, 99, -1 }) {
        EXPECT_EQ(Text(kTextNew, language), u"New") << language;
        EXPECT_EQ(Text(kTextCpuFirst, language), u"CPU First") << language;
    }
    EXPECT_EQ(Text(kTextNew, 1), u"新游戏");
    EXPECT_EQ(Text(kTextUndo, 1), u"悔棋");
    EXPECT_EQ(Text(kTextEasy, 1), u"初级");
    EXPECT_EQ(Text(kTextNormal, 1), u"中级");
    EXPECT_EQ(Text(kTextHard, 1), u"高级");
    EXPECT_EQ(Text(kTextCpuFirst, 1), u"电脑先下");
}

TEST(GoText, StatusTextsKeepTheirExactSpacingAndBreaks)
{
    EXPECT_EQ(Text(kTextTitle, 0), u"\r\nGOBANG");
    EXPECT_EQ(Text(kTextDraw, 0), u"The game ended in a draw.Play again! ");
    EXPECT_EQ(Text(kTextStep, 0), u"OBANG\nThe %d Step");
    EXPECT_EQ(Text(kTextStep, 1), u"Talvo\n第%d手");
    EXPECT_EQ(Text(kTextTotalSteps, 0), u"Total step is %d. ");
    EXPECT_EQ(Text(kTextTotalSteps, 1), u"共下 %d 手。");
    EXPECT_EQ(Text(kTextTapAfterEnd, 0), u"\nGame Over!\nPlay again!");
    EXPECT_EQ(Text(kTextGameOverNoUndo, 0), u"Game Over! Play again!");
    EXPECT_EQ(Text(kTextNoMoreUndo, 0), u"You can't undo the game any more!");
    EXPECT_EQ(Text(kTextNoUndoAtStart, 0), u"You can't undo the game in beginning");
    EXPECT_EQ(Text(kTextHelpTitle, 1), u"Talvo帮助");
    EXPECT_TRUE(Text(kTextHelp, 0).endsWith(u"any direction win\r\n"));
    EXPECT_EQ(Text(kTextHelp, 0).count(u"\r\n"), 3);
    EXPECT_EQ(Text(kTextHelp, 1).count(u"\r\n"), 3);
}

TEST(GoText, IndexesOutsideTheTableGiveTheEmptyString)
{
    EXPECT_EQ(Text(-1, 0), u"");
    EXPECT_EQ(Text(-1, 1), u"");
    EXPECT_EQ(Text(kGoTextCount, 0), u"");
    EXPECT_EQ(QString::fromUtf16(GetLocalText(-1)), u"");
}

class GoTextLanguage : public ShellEnvironment { };

TEST_F(GoTextLanguage, FollowsTheShellsLanguageAtEveryLookup)
{
    EXPECT_EQ(QString::fromUtf16(GetLocalText(kTextNew)), u"New");
    WriteSettings("language=1\n");
    EXPECT_EQ(QString::fromUtf16(GetLocalText(kTextNew)), u"新游戏");
    EXPECT_EQ(FormatLocalText(kTextStep, 12), u"Talvo\n第12手");
    WriteSettings("language=6\n");
    EXPECT_EQ(QString::fromUtf16(GetLocalText(kTextUndo)), u"Undo");
    EXPECT_EQ(FormatLocalText(kTextTotalSteps, 224), u"Total step is 224. ");
    EXPECT_EQ(FormatLocalText(kTextNew, 3), u"New");
}

} // namespace
