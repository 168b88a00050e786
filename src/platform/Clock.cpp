#include <tarvex/platform/Clock.h>

#include <tarvex/platform/Timer.h>

#include <QElapsedTimer>
#include <QThread>

namespace Tarvex {

quint32 TickCount()
{
    if (const DrivenClock* driven = DrivenClock::Current())
        return quint32(driven->Now());
    static QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return quint32(started.elapsed());
}

void Sleep(int Milliseconds)
{
    if (DrivenClock* driven = DrivenClock::Current()) {
        driven->Advance(Milliseconds);
        return;
    }
    if (Milliseconds > 0)
        QThread::msleep(ulong(Milliseconds));
}

} // namespace Tarvex
