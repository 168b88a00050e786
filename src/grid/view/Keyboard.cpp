#include "grid/RuzuZiriPrivate.h"

namespace Tarvex {

// Until the grid has its keyboard input, the editor's keys are all the text box's.
bool RuzuZiriPrivate::EditorKeyDown(QKeyEvent& Key, qint16& KeyAscii)
{
    Q_UNUSED(Key);
    Q_UNUSED(KeyAscii);
    return false;
}

} // namespace Tarvex
