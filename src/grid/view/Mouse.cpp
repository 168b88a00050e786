#include "grid/RuzuZiriPrivate.h"

namespace Tarvex {

// The grid's answer to a double click; it has no mouse input yet.
void RuzuZiriPrivate::UserControl_DblClick()
{
}

} // namespace Tarvex
