#include <tarvex/platform/Timer.h>

#include <algorithm>
#include <vector>

namespace Tarvex {
namespace {
DrivenClock* s_Clock = nullptr; // the clock in charge, if a test made one

// Every live timer, so that a clock can take them over when it starts and hand them back.
std::vector<Timer*>& AllTimers()
{
    static std::vector<Timer*> timers;
    return timers;
}

void RestartAll()
{
    for (Timer* timer : AllTimers())
        timer->Interval(timer->Interval());
}
} // namespace

Timer::Timer(QObject* Parent)
    : QObject(Parent)
{
    connect(&m_Timer, &QTimer::timeout, this, &Timer::Tick);
    AllTimers().push_back(this);
}

Timer::~Timer()
{
    std::erase(AllTimers(), this);
}

int Timer::Interval() const { return m_Interval; }

void Timer::Interval(int New_Interval)
{
    m_Interval = New_Interval;
    Restart();
}

bool Timer::Enabled() const { return m_Enabled; }

void Timer::Enabled(bool New_Enabled)
{
    m_Enabled = New_Enabled;
    Restart();
}

bool Timer::Running() const { return m_Enabled && m_Interval > 0; }

void Timer::Restart()
{
    m_Timer.stop();
    if (!Running())
        return;
    if (s_Clock)
        m_Due = s_Clock->m_Now + m_Interval;
    else
        m_Timer.start(m_Interval);
}

DrivenClock::DrivenClock()
{
    s_Clock = this;
    RestartAll();
}

DrivenClock::~DrivenClock()
{
    s_Clock = nullptr;
    RestartAll();
}

DrivenClock* DrivenClock::Current() { return s_Clock; }

qint64 DrivenClock::Now() const { return m_Now; }

Timer* DrivenClock::NextDue(qint64 Until) const
{
    Timer* next = nullptr;
    for (Timer* timer : AllTimers()) {
        if (timer->Running() && timer->m_Due <= Until && (!next || timer->m_Due < next->m_Due))
            next = timer;
    }
    return next;
}

void DrivenClock::Advance(int Milliseconds)
{
    const qint64 until = m_Now + std::max(Milliseconds, 0);
    while (Timer* timer = NextDue(until)) {
        m_Now = timer->m_Due;
        timer->m_Due += timer->m_Interval;
        emit timer->Tick();
    }
    m_Now = until;
}

} // namespace Tarvex
