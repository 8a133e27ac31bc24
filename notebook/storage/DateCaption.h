#pragma once

#include "shell/OrvaSkins.h"

#include <QDateTime>
#include <QString>

// The title of a note the notebook makes: the local date and time of its
// making in the interface language of that moment, for example
// "December 6, 2026 04:15 SUN " (English), "6 Aralık 2026, Pazar 04:15"
// (Turkish), "2026 年 12 月 06 日 04:15 星期日 " (Chinese).

// The caption of a local date and time in the given language (1 Chinese,
// 6 Turkish, anything else English); empty when the time is not valid.
QString FormatDateCaption(const QDateTime& localTime, ORVA_LANG language);
