#pragma once

#include <QObject>
#include <QTimer>

namespace Tarvex {

class DrivenClock;

// A constituent timer: while enabled with an interval above 0, Tick follows every Interval
// milliseconds on the thread that owns it. Changing either property starts the count anew.
// While a DrivenClock lives, timers count its time instead of the real one.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* Parent = nullptr);
    ~Timer() override;

    // Milliseconds; 0 stops the timer, as does a negative value.
    int Interval() const;
    void Interval(int New_Interval);
    bool Enabled() const;
    void Enabled(bool New_Enabled);

signals:
    void Tick();

private:
    friend class DrivenClock;
    bool Running() const;
    void Restart();

    QTimer m_Timer;           // counts real time while no clock is driven
    int m_Interval { 0 };     // milliseconds
    bool m_Enabled { true };  // the platform's timers start enabled
    qint64 m_Due { 0 };       // time of the next Tick on the driven clock
};

// Time that tests move forward by hand, so auto-repeat and waits can be tested without waiting.
// One lives at a time; while it lives every timer counts its time, TickCount reads it and Sleep
// advances it (platform/Clock.h). Timers count real time again, from the start, when it ends.
class DrivenClock {
public:
    DrivenClock();
    ~DrivenClock();
    DrivenClock(const DrivenClock&) = delete;
    DrivenClock& operator=(const DrivenClock&) = delete;

    // Moves time on, raising each Tick that falls due on the way, earliest first. A handler may
    // stop, start or delete timers; the rest of the advance sees what it did.
    void Advance(int Milliseconds);
    qint64 Now() const;

    static DrivenClock* Current();

private:
    friend class Timer;
    Timer* NextDue(qint64 Until) const;

    qint64 m_Now { 0 }; // milliseconds since the clock was made
};

} // namespace Tarvex
