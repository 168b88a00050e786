#include "controls/calendar/CalendarLanguage.h"

namespace Tarvex {
namespace {

struct LanguageTexts {
    const char* Today;
    std::array<const char*, 12> Months;
    std::array<const char*, 7> Initials;
    std::array<const char*, 7> Days;
};

// Exactly as the field has always shown them, trailing blanks and spellings included.
const std::array<LanguageTexts, CalendarLanguageCount> Languages { {
    { "Today: ",
        { "January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December" },
        { "M", "T", "W", "T", "F", "S", "S" },
        { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saterday", "Sunday" } },
    { "Vandaag: ",
        { "Januari", "Februari", "Maart", "April", "Mei", "Juni", "Juli", "Augustus", "September", "Oktober", "November", "December" },
        { "M", "D", "W", "D", "V", "Z", "Z" },
        { "Maandag", "Dinsdag", "Woensdag", "Donderdag", "Vrijdag", "Zaterdag", "Zondag" } },
    { "Aujourd'hui: ",
        { "Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre", "Octobre", "Novembre", "Décembre" },
        { "L", "M", "M", "J", "V", "S", "D" },
        { "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche" } },
    { "Heute: ",
        { "Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober", "November", "Dezember" },
        { "M", "D", "M", "D", "F", "S", "S" },
        { "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag" } },
    { "Oggi: ",
        { "Gennaio ", "Febbraio ", "Marzo ", "Aprile", "Maggio", "Giugno ", "Luglio ", "Agosto ", "Settembre ", "Ottobre ",
            "Novembre ", "Dicembre " },
        { "L", "M", "M", "G", "V", "S", "D" },
        { "Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato", "Domenica" } },
    { "Hoy: ",
        { "Enero", "Febrero", "Marzo ", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre", "Octubre ", "Noviembre ",
            "Diciembre " },
        { "L", "M", "M", "J", "V", "S", "D" },
        { "Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado", "Domingo" } },
} };

bool HasNames(int Language) { return Language >= 0 && Language < CalendarLanguageCount; }

} // namespace

WeekdayTable BuildWeekdayTable()
{
    WeekdayTable table {};
    for (int k = 1; k <= 7; ++k)
        for (int j = 1; j <= 7; ++j)
            table[k][j] = (j + k + 4) % 7;
    return table;
}

QString TodayCaption(int Language) { return HasNames(Language) ? QString::fromUtf8(Languages[Language].Today) : QString(); }

bool WriteLanguageNames(CalendarNames& Names, int Language)
{
    if (!HasNames(Language))
        return false;
    const LanguageTexts& texts = Languages[Language];
    for (int i = 0; i < 12; ++i)
        Names.MonthNames[Language][i] = QString::fromUtf8(texts.Months[i]);
    for (int i = 0; i < 7; ++i) {
        Names.DayInitials[Language][i] = QString::fromUtf8(texts.Initials[i]);
        Names.DayNames[Language][i] = QString::fromUtf8(texts.Days[i]);
    }
    return true;
}

void RotateWeekdays(CalendarNames& Names, int Language, const WeekdayTable& Weekdays, int FirstWeekDay)
{
    if (Language < 0 || Language >= int(Names.DayNames.size()) || FirstWeekDay < 0 || FirstWeekDay >= int(Weekdays.size()))
        return;
    const auto initials = Names.DayInitials[Language];
    const auto names = Names.DayNames[Language];
    for (int p = 0; p < 7; ++p) {
        Names.DayInitials[Language][p] = initials[Weekdays[FirstWeekDay][p + 1]];
        Names.DayNames[Language][p] = names[Weekdays[FirstWeekDay][p + 1]];
    }
}

} // namespace Tarvex
