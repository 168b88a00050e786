// Loads arbitrary bytes as a form file: loading never crashes, and whatever it kept writes out as
// a text that loads back without a complaint and writes out the same again.
#include "FuzzInputFile.h"

#include <tarvex/platform/FormFile.h>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Tarvex::FormFile loaded;
    if (!loaded.Load(FuzzInputFile(data, size)))
        std::abort();
    const QString written = loaded.ToText();
    Tarvex::FormFile again;
    again.FromText(written);
    if (!again.Problems().isEmpty() || again.ToText() != written)
        std::abort();
    return 0;
}
