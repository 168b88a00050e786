#include "controls/calendar/CalendarColors.h"

namespace Tarvex {

// The nine colours of the day grid that only store and notify show at the next repaint of the
// whole calendar or the next highlight of a cell.
const std::array<CalendarColorInfo, CalendarColorCount> CalendarColors { {
    { "DropDnForeColor", 0xEA692E, true },
    { "DropDnBackColor", 0xFFC0C0, true },
    { "DropDnBorderColor", 0xEA692E, true },
    { "DropDnButtonBackColor", 0xEA692E, true },
    { "DropDnButtonForeColor", 0x80000005, true },
    { "DropDnButtonBorderColor", 0xEA692E, true },
    { "CalendarForeColor", 0xDC9670, true },
    { "CalendarBackColor", 0xEA692E, true },
    { "CalendarBorderColor", 0xDC9670, false },
    { "DaysForeColor", 0xFFC0C0, false },
    { "DaysBackColor", 0x833606, false },
    { "DaysBorderColor", 0xEA692E, false },
    { "DayNamesForeColor", 0x80000005, false },
    { "DayNamesBackColor", 0xEA692E, false },
    { "DaySelectedBackColor", 0xFFC0C0, false },
    { "DaySelectedForeColor", 0x833606, false },
    { "CurrentDayBOrderColor", 0xFFFFFF, false },
    { "DayNamesBorderColor", 0xEA692E, true },
    { "DropDnMonthForeColor", 0xEA692E, true },
    { "DropDnMonthBackColor", 0xFFC0C0, true },
    { "DropDnMonthBorderColor", 0xEA692E, true },
    { "DropDnMonthButtonBackColor", 0xEA692E, true },
    { "DropDnMonthButtonForeColor", 0x80000005, true },
    { "DropDnMonthButtonBorderColor", 0xEA692E, true },
    { "MonthListBackColor", 0xFBD2CA, true },
    { "MonthListForeColor", 0xDC9670, true },
    { "MonthListSelectedBackColor", 0xDC9670, true },
    { "MonthListSelectedForeColor", 0x80000005, true },
    { "MonthListBorderColor", 0xDC9670, true },
    { "SpinYearForeColor", 0xEA692E, true },
    { "SpinYearBackColor", 0xFFC0C0, true },
    { "SpinYearBorderColor", 0xEA692E, true },
    { "SpinYearButtonBackColor", 0xEA692E, true },
    { "SpinYearButtonForeColor", 0x80000005, true },
    { "SpinYearButtonBorderColor", 0xEA692E, true },
    { "DisabledBackColor", 0xCFF0F2, true },
    { "DisabledBorderColor", 0x81BECB, true },
    { "DisabledForeColor", 0x81BECB, true },
} };

std::array<OleColor, CalendarColorCount> DefaultCalendarColors()
{
    std::array<OleColor, CalendarColorCount> colors {};
    for (int i = 0; i < CalendarColorCount; ++i)
        colors[i] = CalendarColors[i].Default;
    return colors;
}

} // namespace Tarvex
