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
    // The archive page and its settings.
    ArchiveCaption = 40,
    ArchiveNumberHeading = 41,
    ArchiveKindHeading = 42,
    ArchiveDateHeading = 43,
    ArchiveCustomerHeading = 44,
    ArchiveCityHeading = 45,
    ArchiveNetHeading = 46,
    ArchiveGrossHeading = 47,
    ArchiveStatusHeading = 48,
    ArchiveInvoice = 49,
    ArchiveOffer = 50,
    ArchiveDeliveryNote = 51,
    ArchiveOpen = 52,
    ArchivePaid = 53,
    ArchiveFiled = 54,
    ArchiveTotal = 55,
    ArchiveSettingsCaption = 56,
    SchemeLabel = 57,
    HeaderStyleLabel = 58,
    HighlightLabel = 59,
    GridLinesLabel = 60,
    RowNumbersLabel = 61,
    TotalsLineLabel = 62,
};

inline const QString& Text(DemoText slot)
{
    return progtxt[slot];
}

} // namespace Tarvex::Demo
