#pragma once

#include <QDateTime>
#include <QString>

namespace Tarvex {

// Formats a date and time with a user's pattern, the way the texts of a language file give it
// ("dd.mm.yyyy", "dddd, d. mmmm yyyy", "mm/dd/yy hh:nn"). Weeks start on Sunday and the first
// week of the year is the one holding 1 January. Letters are read without regard to case:
//   d dd        day, without and with leading zero   ddd dddd  weekday name, short and long
//   ddddd       the locale's short date              dddddd    the locale's long date
//   w           weekday, 1 Sunday .. 7 Saturday      ww        week of the year, 1..54
//   m mm        month (minute right after an hour)   mmm mmmm  month name, short and long
//   q           quarter                               y         day of the year
//   yy yyyy     year in two and four digits
//   h hh n nn s ss   hour, minute, second            ttttt     the locale's time
//   AM/PM am/pm A/P a/p AMPM   a 12-hour clock with that marker
//   c           the general form: short date, then the time unless it is midnight
//   /  :        the locale's date and time separators
//   \x          the character x itself               "text"    the text itself
// Any other character stands for itself. An empty pattern gives the general form.
QString FormatDateTime(const QDateTime& Value, const QString& Pattern);

} // namespace Tarvex
