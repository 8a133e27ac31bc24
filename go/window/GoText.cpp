#include "go/window/GoText.h"

#include "shell/LocalTextTable.h"
#include "shell/OrvaSkins.h"

namespace {

constexpr LocalTextPair kTexts[kGoTextCount] = {
    { u"CPU First", u"电脑先下" },                                                              // 0
    { u"Easy", u"初级" },                                                                       // 1
    { u"Normal", u"中级" },                                                                     // 2
    { u"Hard", u"高级" },                                                                       // 3
    { u"\r\nGOBANG", u"\r\n五子连珠" },                                                         // 4
    { u"The game ended in a draw.Play again! ", u"哈哈!平局!你我势均力敌!游戏结束,再来一局!" }, // 5
    { u"OBANG\nThe %d Step", u"Talvo\n第%d手" },                                                // 6
    { u"The winner is black!", u"本局黑棋赢!" },                                                // 7
    { u"The winner is white!", u"本局白棋赢!" },                                                // 8
    { u"Game Over! Play again!", u"本局已结束，已没有悔棋的机会。请从新开局！" },               // 9
    { u"You can't undo the game any more!", u"您不能悔棋了，再来一局吧！" },                    // 10
    { u"Total step is %d. ", u"共下 %d 手。" },                                                 // 11
    { u"Computer win! Play again!", u"哈哈, 你输了" },                                          // 12
    { u"Congratulations! You win! Play again!", u"恭喜你取得了胜利，看来我要改变战术了！" },    // 13
    { u"You can't undo the game in beginning", u"游戏刚开始，不能悔棋！" },                     // 14
    { u"\nGame Over!\nPlay again!", u"游戏结束了再来一局吧。" },                                // 15
    { u"1. Black and white go each other, and black go first.\r\n2. You can select which side go first, CPU or "
      u"you.\r\n3. Who make the 5 same chess link in any direction win\r\n",
        u"1、黑白双方依次落子，黑棋先落子。\r\n2、可以选择电脑先落子或您先落子。\r\n3、任一方先在棋盘上形成横向、竖向、"
        u"斜向的连续的相同颜色的五个(含五个以上)棋子为胜\r\n" }, // 16
    { u"GO Chess Help", u"Talvo帮助" },                          // 17
    { u"New", u"新游戏" },                                       // 18
    { u"Undo", u"悔棋" },                                        // 19
};

} // namespace

const char16_t* LocalText(int index, int language)
{
    return LookUpLocalText(kTexts, index, language);
}

const char16_t* GetLocalText(int index)
{
    return LocalText(index, COrvaSkins::GetLanguage());
}

QString GetLocalQString(int index)
{
    return QString::fromUtf16(GetLocalText(index));
}

QString FormatLocalText(int index, int number)
{
    return QString::fromUtf16(GetLocalText(index)).replace(QStringLiteral("%d"), QString::number(number));
}
