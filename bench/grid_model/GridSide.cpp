#include "BenchSide.h"

namespace GridBench {

std::unique_ptr<BenchSide> MakeGridSide()
{
    return nullptr;
}

} // namespace GridBench
