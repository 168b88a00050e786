#pragma once

#include <QtGlobal>

namespace Tarvex {

// Milliseconds since an arbitrary start; wraps around like the platform's tick count.
// While a DrivenClock (platform/Timer.h) lives, it reads that clock's time instead.
quint32 TickCount();
// Blocks the calling thread; events are not handled meanwhile. While a DrivenClock lives, it moves
// that clock on instead of waiting, raising the timers that fall due on the way.
void Sleep(int Milliseconds);

} // namespace Tarvex
