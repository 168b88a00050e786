#include "platform/EventWatch.h"

namespace Tarvex {

EventWatch::EventWatch(QObject* Parent, Handler Handle)
    : QObject(Parent), m_Handle(std::move(Handle))
{
}

void EventWatch::Watch(QObject* Watched)
{
    if (Watched)
        Watched->installEventFilter(this);
}

void EventWatch::Unwatch(QObject* Watched)
{
    if (Watched)
        Watched->removeEventFilter(this);
}

// The handler may delete this watch's parent and so this watch: nothing of it is touched afterwards.
bool EventWatch::eventFilter(QObject* Watched, QEvent* Event)
{
    const Handler handle = m_Handle;
    return handle && handle(Watched, Event);
}

} // namespace Tarvex
