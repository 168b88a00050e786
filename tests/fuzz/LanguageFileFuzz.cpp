// Loads arbitrary bytes as a language file: it loads or fails with a reason, never both or neither;
// a failed load leaves the table empty and a load fills no more slots than it counted.
#include "FuzzInputFile.h"

#include <tarvex/app/LanguageFile.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Tarvex::ProgtxtTable table;
    const Tarvex::LanguageFileResult result = Tarvex::LoadLanguageFile(FuzzInputFile(data, size), table);
    const int mostFilled = result.Loaded ? result.SlotsRead : 0;
    if (result.Loaded == !result.Error.isEmpty() || table.FilledCount() > mostFilled)
        std::abort();
    return 0;
}
