// The texts a page shows: its date caption, its save status and what makes a
// name a sync engine's conflict copy.
#include "notebook/storage/DateCaption.h"
#include "notebook/storage/LocalText.h"
#include "notebook/storage/SyncConflict.h"
#include "shell/tests/ShellEnvironment.h"

namespace {

QDateTime Local(int month, int day, int hour, int minute)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute, 48));
}

// The first and last month, the first and last day of the week (Saturday was
// once misspelt) and the edges of the day.
TEST(DateCaption, ReadsExactlyAsShownInEachLanguage)
{
    const struct {
        QDateTime time;
        const char16_t* english;
        const char16_t* turkish;
        const char16_t* chinese;
    } cases[] = {
        { Local(1, 1, 0, 0), u"January 1, 2026 00:00 THU ", u"1 Ocak 2026, Perşembe 00:00",
            u"2026 年 01 月 01 日 00:00 星期四 " },
        { Local(5, 16, 12, 0), u"May 16, 2026 12:00 SAT ", u"16 Mayıs 2026, Cumartesi 12:00",
            u"2026 年 05 月 16 日 12:00 星期六 " },
        { Local(9, 1, 23, 59), u"September 1, 2026 23:59 TUE ", u"1 Eylül 2026, Salı 23:59",
            u"2026 年 09 月 01 日 23:59 星期二 " },
        { Local(12, 6, 4, 15), u"December 6, 2026 04:15 SUN ", u"6 Aralık 2026, Pazar 04:15",
            u"2026 年 12 月 06 日 04:15 星期日 " },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDateCaption(c.time, ORVA_LANG_ENGLISH), QString::fromUtf16(c.english));
        EXPECT_EQ(FormatDateCaption(c.time, ORVA_LANG_TURKISH), QString::fromUtf16(c.turkish));
        EXPECT_EQ(FormatDateCaption(c.time, ORVA_LANG_CHINESE), QString::fromUtf16(c.chinese));
    }
    EXPECT_EQ(FormatDateCaption(cases[0].time, ORVA_LANG(3)), QString::fromUtf16(cases[0].english));
    EXPECT_EQ(FormatDateCaption(QDateTime(), ORVA_LANG_ENGLISH), QString());
}

// The save status line: why a save failed before where a text went, and
// nothing while the text is in its own file.
TEST(SaveStatus, ReadsExactlyAsShownInEachLanguage)
{
    const struct {
        SaveProblem problem;
        Redirection redirection;
        const char16_t* english;
        const char16_t* turkish;
        const char16_t* chinese;
    } cases[] = {
        { SaveProblem::DiskFull, Redirection::NewNote, u"Not saved: the disk is full", u"Kaydedilmedi: disk dolu",
            u"未保存：磁盘已满" },
        { SaveProblem::CannotWrite, Redirection::None, u"Not saved: the file cannot be written",
            u"Kaydedilmedi: dosya yazılamıyor", u"未保存：无法写入文件" },
        { SaveProblem::None, Redirection::RecoveryFolder, u"Saved to the recovery folder: n.note",
            u"Kurtarma klasörüne kaydedildi: n.note", u"已保存到恢复文件夹：n.note" },
        { SaveProblem::None, Redirection::None, u"", u"", u"" },
    };
    for (const auto& c : cases) {
        const QString file = QStringLiteral("n.note");
        EXPECT_EQ(FormatSaveStatus(c.problem, c.redirection, file, ORVA_LANG_ENGLISH), QString::fromUtf16(c.english));
        EXPECT_EQ(FormatSaveStatus(c.problem, c.redirection, file, ORVA_LANG_TURKISH), QString::fromUtf16(c.turkish));
        EXPECT_EQ(FormatSaveStatus(c.problem, c.redirection, file, ORVA_LANG_CHINESE), QString::fromUtf16(c.chinese));
    }
}

// Syncthing's name for the version that lost: <name>.sync-conflict-<YYYYMMDD>-<HHMMSS>-<7 of the device id><ext>.
TEST(ConflictCopy, NamesTheNoteItBelongsTo)
{
    for (const auto& [name, file] : { std::pair { "b.sync-conflict-20261206-041548-ABC2DEF.note", "b.note" },
             { "todo.sync-conflict-20261206-041548-Z234567", "todo" },
             { "v1.2.sync-conflict-20261206-041548-QRSTUVW.txt", "v1.2.txt" } })
        EXPECT_EQ(ConflictCopyOf(QString::fromLatin1(name)), QString::fromLatin1(file)) << name;
    // Look-alikes: a short date, lower case or 0, 1, 8, 9 in the device id, a part missing, nothing before.
    const QString copy = QStringLiteral("b.sync-conflict-20261206-041548-ABC2DEF.note");
    for (const auto& [part, instead] : { std::pair { "1206", "120" }, { "ABC", "abc" }, { "C2", "C0" }, { "C2", "C1" },
             { "C2", "C8" }, { "C2", "C9" }, { "-041548", "" }, { "DEF", "DE" }, { "b.", "." } })
        EXPECT_EQ(ConflictCopyOf(QString(copy).replace(part, instead)), std::nullopt) << part << " -> " << instead;
}

} // namespace
