#pragma once

#include <QObject>

#include <functional>

namespace Tarvex {

// Lets a part of a control that is no object of its own follow the events of another object, as an
// event filter does. The handler answers true to stop an event there. It lives as long as its
// parent, or until deleted.
class EventWatch : public QObject {
public:
    using Handler = std::function<bool(QObject* Watched, QEvent* Event)>;

    EventWatch(QObject* Parent, Handler Handle);

    // Watches Watched from now on; Unwatch stops that.
    void Watch(QObject* Watched);
    void Unwatch(QObject* Watched);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    Handler m_Handle; // what each event of a watched object goes to
};

} // namespace Tarvex
