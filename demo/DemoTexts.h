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
};

inline const QString& Text(DemoText slot)
{
    return progtxt[slot];
}

} // namespace Tarvex::Demo
