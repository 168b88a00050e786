#pragma once

#include <tarvex/app/progtxt.h>

namespace Tarvex::Demo {

// Slots of the demo host's own texts in the language file.
enum DemoText : int {
    WindowTitle = 1,
    ArchiveTab = 2,
    DocumentTab = 3,
    SettingsTab = 4,
    LanguageCaption = 5,
    LanguageCode = 6,              // the language's locale name ("de"), for Qt's own texts
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
    // The archive page and its settings.
    ArchiveCaption = 64,
    ArchiveNumberHeading = 65,
    ArchiveKindHeading = 66,
    ArchiveDateHeading = 67,
    ArchiveCustomerHeading = 68,
    ArchiveCityHeading = 69,
    ArchiveNetHeading = 70,
    ArchiveGrossHeading = 71,
    ArchiveStatusHeading = 72,
    ArchiveInvoice = 73,
    ArchiveOffer = 74,
    ArchiveDeliveryNote = 75,
    ArchiveOpen = 76,
    ArchivePaid = 77,
    ArchiveFiled = 78,
    ArchiveTotal = 79,
    ArchiveSettingsCaption = 80,
    SchemeLabel = 81,
    HeaderStyleLabel = 82,
    HighlightLabel = 83,
    GridLinesLabel = 84,
    RowNumbersLabel = 85,
    TotalsLineLabel = 86,
    ArchiveExportButton = 87,
    ArchiveDeleteQuestion = 88,
    ArchiveOpenedLine = 90,        // %1 the number of the document double-clicked
};

inline const QString& Text(DemoText slot)
{
    return progtxt[slot];
}

} // namespace Tarvex::Demo
