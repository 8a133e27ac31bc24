#include "notebook/storage/DateCaption.h"
#include "notebook/storage/LocalText.h"
#include "notebook/storage/tests/DeviceFixture.h"

#include <cstdlib>
#include <ctime>

namespace {

QDateTime Local(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, 48));
}

struct CaptionCase {
    const char* name;
    QDateTime time;
    ORVA_LANG language;
    const char16_t* caption;
};

void PrintTo(const CaptionCase& c, std::ostream* out)
{
    *out << c.name;
}

class DateCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(DateCaption, ReadsExactlyAsShown)
{
    const CaptionCase& c = GetParam();
    EXPECT_EQ(FormatDateCaption(c.time, c.language), QString::fromUtf16(c.caption));
}

INSTANTIATE_TEST_SUITE_P(Languages, DateCaption, testing::Values(
    CaptionCase { "Chinese", Local(2026, 12, 6, 4, 15), ORVA_LANG_CHINESE, u"2026 年 12 月 06 日 04:15 星期日 " },
    CaptionCase { "English", Local(2026, 12, 6, 4, 15), ORVA_LANG_ENGLISH, u"December 6, 2026 04:15 SUN " },
    CaptionCase { "Turkish", Local(2026, 12, 6, 4, 15), ORVA_LANG_TURKISH, u"6 Aralık 2026, Pazar 04:15" },
    CaptionCase { "OtherLanguageIsEnglish", Local(2026, 12, 6, 4, 15), ORVA_LANG(3), u"December 6, 2026 04:15 SUN " },
    CaptionCase { "ChineseMidnight", Local(2026, 1, 1, 0, 0), ORVA_LANG_CHINESE, u"2026 年 01 月 01 日 00:00 星期四 " },
    CaptionCase { "EnglishMidnightFirst", Local(2026, 1, 1, 0, 0), ORVA_LANG_ENGLISH, u"January 1, 2026 00:00 THU " },
    CaptionCase { "TurkishMidnightFirst", Local(2026, 1, 1, 0, 0), ORVA_LANG_TURKISH, u"1 Ocak 2026, Perşembe 00:00" },
    CaptionCase { "EnglishSaturdayNoon", Local(2026, 5, 16, 12, 0), ORVA_LANG_ENGLISH, u"May 16, 2026 12:00 SAT " },
    CaptionCase { "TurkishNoon", Local(2026, 8, 19, 12, 7), ORVA_LANG_TURKISH, u"19 Ağustos 2026, Çarşamba 12:07" },
    CaptionCase { "ChineseNoon", Local(2026, 2, 2, 12, 59), ORVA_LANG_CHINESE, u"2026 年 02 月 02 日 12:59 星期一 " },
    CaptionCase { "TurkishTuesdayFirst", Local(2026, 9, 1, 23, 59), ORVA_LANG_TURKISH, u"1 Eylül 2026, Salı 23:59" }),
    [](const testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

TEST(DateCaptionTables, EveryDayAndMonthHasItsName)
{
    const char16_t* englishMonths[] = { u"January", u"February", u"March", u"April", u"May", u"June",
                                        u"July", u"August", u"September", u"October", u"November", u"December" };
    const char16_t* turkishMonths[] = { u"Ocak", u"Şubat", u"Mart", u"Nisan", u"Mayıs", u"Haziran",
                                        u"Temmuz", u"Ağustos", u"Eylül", u"Ekim", u"Kasım", u"Aralık" };
    for (int month = 1; month <= 12; ++month) {
        const QDateTime time = Local(2026, month, 10, 9, 5);
        EXPECT_TRUE(FormatDateCaption(time, ORVA_LANG_ENGLISH).startsWith(QString::fromUtf16(englishMonths[month - 1]) + QStringLiteral(" 10, ")));
        EXPECT_TRUE(FormatDateCaption(time, ORVA_LANG_TURKISH).startsWith(QStringLiteral("10 ") + QString::fromUtf16(turkishMonths[month - 1]) + QStringLiteral(" 2026, ")));
    }
    // 7 to 13 December 2026 run from Monday to Sunday.
    const char16_t* english[] = { u"MON", u"TUE", u"WED", u"THU", u"FRI", u"SAT", u"SUN" };
    const char16_t* turkish[] = { u"Pazartesi", u"Salı", u"Çarşamba", u"Perşembe", u"Cuma", u"Cumartesi", u"Pazar" };
    const char16_t chinese[] = u"一二三四五六日";
    for (int day = 0; day < 7; ++day) {
        const QDateTime time = Local(2026, 12, 7 + day, 9, 5);
        EXPECT_TRUE(FormatDateCaption(time, ORVA_LANG_ENGLISH).endsWith(QStringLiteral("09:05 ") + QString::fromUtf16(english[day]) + u' '));
        EXPECT_TRUE(FormatDateCaption(time, ORVA_LANG_TURKISH).endsWith(QStringLiteral(", ") + QString::fromUtf16(turkish[day]) + QStringLiteral(" 09:05")));
        EXPECT_TRUE(FormatDateCaption(time, ORVA_LANG_CHINESE).endsWith(QStringLiteral("星期") + QString(QChar(chinese[day])) + u' '));
    }
}

TEST(DateCaptionTables, AnInvalidTimeGivesAnEmptyCaption)
{
    EXPECT_EQ(FormatDateCaption(QDateTime(), ORVA_LANG_ENGLISH), QString());
}

class DateCaptionShell : public DeviceFixture {};

TEST_F(DateCaptionShell, SecondsSince1970AreShownInLocalTimeAndTheCurrentLanguage)
{
    const QByteArray savedZone = qgetenv("TZ");
    qputenv("TZ", "UTC");
    tzset();
    const qint64 time = QDateTime(QDate(2026, 12, 6), QTime(4, 15, 48), Qt::UTC).toSecsSinceEpoch();
    SetShellSetting(QStringLiteral("language"), QStringLiteral("6"));
    EXPECT_EQ(FormatDateCaption(time), QStringLiteral("6 Aralık 2026, Pazar 04:15"));
    SetShellSetting(QStringLiteral("language"), QStringLiteral("1"));
    EXPECT_EQ(FormatDateCaption(time), QStringLiteral("2026 年 12 月 06 日 04:15 星期日 "));
    if (savedZone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", savedZone);
    tzset();
}

TEST_F(DateCaptionShell, PageLabelAndTextsFollowTheLanguage)
{
    SetShellSetting(QStringLiteral("language"), QStringLiteral("0"));
    EXPECT_EQ(FormatPageLabel(3, 7), QStringLiteral("Page 3/7"));
    EXPECT_EQ(GetLocalText(1), QStringLiteral("Next"));
    SetShellSetting(QStringLiteral("language"), QStringLiteral("6"));
    EXPECT_EQ(FormatPageLabel(3, 7), QStringLiteral("Page 3/7"));
    SetShellSetting(QStringLiteral("language"), QStringLiteral("1"));
    EXPECT_EQ(FormatPageLabel(3, 7), QStringLiteral("第3页/共7页"));
    EXPECT_EQ(GetLocalText(3), QStringLiteral("第%d页/共%d页"));
}

TEST(LocalText, TableInBothLanguages)
{
    const char16_t* english[] = { u"Note Book", u"Next", u"Prev", u"Page %d/%d" };
    const char16_t* chinese[] = { u"记事本", u"下一页", u"上一页", u"第%d页/共%d页" };
    for (int index = 0; index < 4; ++index) {
        EXPECT_EQ(GetLocalText(index, ORVA_LANG_ENGLISH), QString::fromUtf16(english[index]));
        EXPECT_EQ(GetLocalText(index, ORVA_LANG_CHINESE), QString::fromUtf16(chinese[index]));
    }
    EXPECT_EQ(FormatPageLabel(12, 345, ORVA_LANG_CHINESE), QStringLiteral("第12页/共345页"));
}

} // namespace
