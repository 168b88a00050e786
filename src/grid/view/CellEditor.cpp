#include "grid/RuzuZiriPrivate.h"

namespace Tarvex {

// No edit opens yet, so there is never one to commit.
bool RuzuZiri::UpdateCell(bool bAllowMove)
{
    Q_UNUSED(bAllowMove);
    return true;
}

} // namespace Tarvex
