#pragma once

#include "app/progtxt.h"

namespace Tarvex::Demo {

// Slots of the demo host's own texts in the language file.
enum DemoText : int {
    WindowTitle = 1,
    ArchiveTab = 2,
    DocumentTab = 3,
    SettingsTab = 4,
    LanguageCaption = 5,
    CalculatorCaption = 10,
    CalculatorHint = 11,
    CalculatorResult = 12,
    CalculatorError = 13,
    InvoiceDateCaption = 14,
    DeliveryDateCaption = 15,
    DueDateCaption = 16,
    DateFieldsCaption = 40,
    CalendarLanguageCaption = 41,
    CalendarStyleCaption = 42,
    DateFormatCaption = 43,
    FirstWeekDayCaption = 44,
    DateFieldsEnabledCaption = 45,
    CalendarStyleChoices = 46,     // "|"-separated, Style 0 first
    DateFormatChoices = 47,        // "|"-separated, DateFormat 0 first
    WeekdayChoices = 48,           // "|"-separated, Sunday first
    DateChangedLine = 49,          // %1 the field's caption, %2 its text
};

inline const QString& Text(DemoText slot)
{
    return progtxt[slot];
}

} // namespace Tarvex::Demo
