#pragma once

#include <QPointer>
#include <QStringList>

#include <functional>

namespace Tarvex {

// Lets the events waiting in the queue run once, as a pass of the message pump does. Inside a
// surface's paint event it does nothing: events handled there could draw on or resize the very
// picture being shown.
void DoEvents();
// The same pass, then whether Control outlived it: a queued call may have deleted it.
bool DoEvents(const QObject* Control);

// Marks the span of a paint event, for DoEvents.
class PaintEventScope {
public:
    PaintEventScope();
    ~PaintEventScope();
    PaintEventScope(const PaintEventScope&) = delete;
    PaintEventScope& operator=(const PaintEventScope&) = delete;

    static bool Active();
};

// Taken before a call that may run a host's code (an event's handlers, a pass of the pump): the
// host may delete the control there, and the member that made the call must then return at once,
// touching nothing of it.
class Lifeline {
public:
    explicit Lifeline(const QObject* Control) : m_Control(Control) { }

    bool Alive() const { return !m_Control.isNull(); }

private:
    QPointer<const QObject> m_Control; // cleared when the control is destroyed
};

// The notices a control is raising now, by name. A handler that writes the property it is told
// about gets its write without a second notice, so the nesting ends after one level.
class NoticesUnderWay {
public:
    // Calls Raise unless the notice Name is under way already. False when the handlers deleted
    // Control; this object went with it then.
    bool Raise(const QObject* Control, const QString& Name, const std::function<void()>& Raise);

private:
    QStringList m_Names; // notices whose handlers run now
};

} // namespace Tarvex
