#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QThread>

namespace Tarvex {

namespace {
ClockDriver* Driver = nullptr; // the installed driver; null = the real clock
}

ClockDriver::ClockDriver() { Driver = this; }

ClockDriver::~ClockDriver()
{
    if (Driver == this)
        Driver = nullptr;
}

quint32 TickCount()
{
    if (Driver)
        return Driver->TickCount();
    static QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return quint32(started.elapsed());
}

void Sleep(int Milliseconds)
{
    if (Driver) {
        Driver->Sleep(Milliseconds);
        return;
    }
    if (Milliseconds > 0)
        QThread::msleep(ulong(Milliseconds));
}

} // namespace Tarvex
