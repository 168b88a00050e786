#pragma once

#include <tarvex/platform/OleColor.h>

#include <array>

namespace Tarvex {

// The 38 colours of the date field, in the order their property-bag keys are written. Each key
// is named like its property.
enum class CalendarColor : int {
    DropDnForeColor,
    DropDnBackColor,
    DropDnBorderColor,
    DropDnButtonBackColor,
    DropDnButtonForeColor,
    DropDnButtonBorderColor,
    CalendarForeColor,
    CalendarBackColor,
    CalendarBorderColor,
    DaysForeColor,
    DaysBackColor,
    DaysBorderColor,
    DayNamesForeColor,
    DayNamesBackColor,
    DaySelectedBackColor,
    DaySelectedForeColor,
    CurrentDayBOrderColor,
    DayNamesBorderColor,
    DropDnMonthForeColor,
    DropDnMonthBackColor,
    DropDnMonthBorderColor,
    DropDnMonthButtonBackColor,
    DropDnMonthButtonForeColor,
    DropDnMonthButtonBorderColor,
    MonthListBackColor,
    MonthListForeColor,
    MonthListSelectedBackColor,
    MonthListSelectedForeColor,
    MonthListBorderColor,
    SpinYearForeColor,
    SpinYearBackColor,
    SpinYearBorderColor,
    SpinYearButtonBackColor,
    SpinYearButtonForeColor,
    SpinYearButtonBorderColor,
    DisabledBackColor,
    DisabledBorderColor,
    DisabledForeColor,
};

constexpr int CalendarColorCount = 38;

struct CalendarColorInfo {
    const char* Name;   // property, change notification and property-bag key
    OleColor Default;   // initial value, and the value a property bag does not store
    bool Repaints;      // whether writing the property pushes all colours to the constituents
};

// Indexed by CalendarColor.
extern const std::array<CalendarColorInfo, CalendarColorCount> CalendarColors;

// Every colour at its initial value, by CalendarColor.
std::array<OleColor, CalendarColorCount> DefaultCalendarColors();

} // namespace Tarvex
