#include "notebook/storage/DateCaption.h"

#include <array>

namespace {

// Sunday first. Saturday was once written "STA": titles stored with it are
// the note's own text and stay as they are.
constexpr std::array<const char16_t*, 7> kEnglishDays = { u"SUN", u"MON", u"TUE", u"WED", u"THU", u"FRI", u"SAT" };
constexpr std::array<const char16_t*, 7> kTurkishDays
    = { u"Pazar", u"Pazartesi", u"Salı", u"Çarşamba", u"Perşembe", u"Cuma", u"Cumartesi" };
constexpr char16_t kChineseDays[] = u"日一二三四五六";

constexpr std::array<const char16_t*, 12> kEnglishMonths = { u"January", u"February", u"March", u"April", u"May",
    u"June", u"July", u"August", u"September", u"October", u"November", u"December" };
constexpr std::array<const char16_t*, 12> kTurkishMonths = { u"Ocak", u"Şubat", u"Mart", u"Nisan", u"Mayıs", u"Haziran",
    u"Temmuz", u"Ağustos", u"Eylül", u"Ekim", u"Kasım", u"Aralık" };

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

} // namespace

QString FormatDateCaption(const QDateTime& localTime, ORVA_LANG language)
{
    if (!localTime.isValid())
        return QString();
    const QDate date = localTime.date();
    const QTime clock = localTime.time();
    const int weekDay = date.dayOfWeek() % 7;
    const int month = date.month() - 1;
    const QString hourMinute = TwoDigits(clock.hour()) + u':' + TwoDigits(clock.minute());
    switch (language) {
    case ORVA_LANG_CHINESE:
        return QStringLiteral("%1 年 %2 月 %3 日 %4 星期%5 ")
            .arg(QString::number(date.year()), TwoDigits(date.month()), TwoDigits(date.day()), hourMinute,
                QChar(kChineseDays[weekDay]));
    case ORVA_LANG_TURKISH:
        return QStringLiteral("%1 %2 %3, %4 %5")
            .arg(QString::number(date.day()), QString::fromUtf16(kTurkishMonths[month]), QString::number(date.year()),
                QString::fromUtf16(kTurkishDays[weekDay]), hourMinute);
    default:
        return QStringLiteral("%1 %2, %3 %4 %5 ")
            .arg(QString::fromUtf16(kEnglishMonths[month]), QString::number(date.day()), QString::number(date.year()),
                hourMinute, QString::fromUtf16(kEnglishDays[weekDay]));
    }
}
