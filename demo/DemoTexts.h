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
    ArchiveCaption = 70,
    ArchiveNumberHeading = 71,
    ArchiveKindHeading = 72,
    ArchiveDateHeading = 73,
    ArchiveCustomerHeading = 74,
    ArchiveCityHeading = 75,
    ArchiveNetHeading = 76,
    ArchiveGrossHeading = 77,
    ArchiveStatusHeading = 78,
    ArchiveInvoice = 79,
    ArchiveOffer = 80,
    ArchiveDeliveryNote = 81,
    ArchiveOpen = 82,
    ArchivePaid = 83,
    ArchiveFiled = 84,
    ArchiveTotal = 85,
    ArchiveSettingsCaption = 86,
    SchemeLabel = 87,
    HeaderStyleLabel = 88,
    HighlightLabel = 89,
    GridLinesLabel = 90,
    RowNumbersLabel = 91,
    TotalsLineLabel = 92,
};

inline const QString& Text(DemoText slot)
{
    return progtxt[slot];
}

} // namespace Tarvex::Demo
