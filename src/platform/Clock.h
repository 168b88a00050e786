#pragma once

#include <QtGlobal>

namespace Tarvex {

// Milliseconds since an arbitrary start; wraps around like the platform's tick count.
quint32 TickCount();
// Blocks the calling thread; events are not handled meanwhile.
void Sleep(int Milliseconds);

// Replaces the real clock while it lives, so that code waiting on ticks can be driven step by step
// (tests); only one may be installed at a time.
class ClockDriver {
public:
    ClockDriver();
    virtual ~ClockDriver();
    ClockDriver(const ClockDriver&) = delete;
    ClockDriver& operator=(const ClockDriver&) = delete;

    virtual quint32 TickCount() { return m_Now; }
    // Moves the time on instead of waiting.
    virtual void Sleep(int Milliseconds) { m_Now += quint32(Milliseconds); }

protected:
    quint32 m_Now { 0 }; // the driven time
};

} // namespace Tarvex
