#pragma once

#include <QString>

#include <array>

namespace Tarvex {

// Languages of the date field's names: 0 English, 1 Dutch, 2 French, 3 German, 4 Italian, 5 Spanish.
constexpr int CalendarLanguageCount = 6;

// The names a field shows, by language. Column 6 exists but is never filled, so a field set to
// language 6 shows empty names. Weekday positions count 0 Monday .. 6 Sunday until the current
// language's column is rotated to the first weekday.
struct CalendarNames {
    std::array<std::array<QString, 13>, 7> MonthNames;  // [language][0..11], 0 January
    std::array<std::array<QString, 8>, 7> DayInitials;  // [language][0..6]
    std::array<std::array<QString, 8>, 7> DayNames;     // [language][0..6]
};

// Weekday[k][j]: the name-table position of grid column j - 1 when the first weekday is k
// (1 Sunday .. 7 Saturday); 0 outside k = 1..7, j = 1..7.
using WeekdayTable = std::array<std::array<int, 8>, 9>;

WeekdayTable BuildWeekdayTable();

// "Today: " and the like.
QString TodayCaption(int Language);

// Writes the language's stored names into its columns, unrotated; false for a language without
// names, which leaves the tables alone.
bool WriteLanguageNames(CalendarNames& Names, int Language);

// Rotates the language's weekday initials and names so that position p holds grid column p.
void RotateWeekdays(CalendarNames& Names, int Language, const WeekdayTable& Weekdays, int FirstWeekDay);

} // namespace Tarvex
