#include "grid/RuzuZiri.h"

namespace Tarvex {

// Until the scroll bars exist the grid only remembers where they are asked to be.
void RuzuZiri::SBSetPos(int Bar, int Position)
{
    if (Bar == 0 || Bar == 1)
        m_ScrollPos[Bar] = Position;
}

} // namespace Tarvex
