#include "notebook/storage/DateCaption.h"
#include "notebook/storage/LocalText.h"
#include "notebook/storage/tests/DeviceFixture.h"

#include <utility>

namespace {

QDateTime Local(int month, int day, int hour, int minute)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute, 48));
}

// Every month in English and Turkish and every day of the week in all three
// languages, at the edges of the day.
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
        { Local(2, 2, 12, 59), u"February 2, 2026 12:59 MON ", u"2 Şubat 2026, Pazartesi 12:59",
          u"2026 年 02 月 02 日 12:59 星期一 " },
        { Local(3, 10, 9, 5), u"March 10, 2026 09:05 TUE ", u"10 Mart 2026, Salı 09:05",
          u"2026 年 03 月 10 日 09:05 星期二 " },
        { Local(4, 16, 23, 59), u"April 16, 2026 23:59 THU ", u"16 Nisan 2026, Perşembe 23:59",
          u"2026 年 04 月 16 日 23:59 星期四 " },
        { Local(5, 16, 12, 0), u"May 16, 2026 12:00 SAT ", u"16 Mayıs 2026, Cumartesi 12:00",
          u"2026 年 05 月 16 日 12:00 星期六 " },
        { Local(6, 7, 4, 15), u"June 7, 2026 04:15 SUN ", u"7 Haziran 2026, Pazar 04:15",
          u"2026 年 06 月 07 日 04:15 星期日 " },
        { Local(7, 31, 1, 1), u"July 31, 2026 01:01 FRI ", u"31 Temmuz 2026, Cuma 01:01",
          u"2026 年 07 月 31 日 01:01 星期五 " },
        { Local(8, 19, 12, 7), u"August 19, 2026 12:07 WED ", u"19 Ağustos 2026, Çarşamba 12:07",
          u"2026 年 08 月 19 日 12:07 星期三 " },
        { Local(9, 1, 23, 59), u"September 1, 2026 23:59 TUE ", u"1 Eylül 2026, Salı 23:59",
          u"2026 年 09 月 01 日 23:59 星期二 " },
        { Local(10, 23, 10, 30), u"October 23, 2026 10:30 FRI ", u"23 Ekim 2026, Cuma 10:30",
          u"2026 年 10 月 23 日 10:30 星期五 " },
        { Local(11, 5, 7, 45), u"November 5, 2026 07:45 THU ", u"5 Kasım 2026, Perşembe 07:45",
          u"2026 年 11 月 05 日 07:45 星期四 " },
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

class DateCaptionShell : public DeviceFixture {};

TEST_F(DateCaptionShell, PageLabelFollowsTheLanguage)
{
    for (const auto& [language, label] : { std::pair { "0", u"Page 3/7" }, std::pair { "6", u"Page 3/7" },
                                           std::pair { "1", u"第3页/共7页" } }) {
        SetShellSetting(QStringLiteral("language"), QString::fromLatin1(language));
        EXPECT_EQ(FormatPageLabel(3, 7), QString::fromUtf16(label)) << language;
    }
    EXPECT_EQ(FormatPageLabel(12, 345, ORVA_LANG_CHINESE), QStringLiteral("第12页/共345页"));
}

} // namespace
