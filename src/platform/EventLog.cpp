#include <tarvex/platform/EventLog.h>

#include <QLoggingCategory>

namespace Tarvex {

namespace {
Q_LOGGING_CATEGORY(eventLog, "tarvex.eventlog")
}

void LogEvent(const QString& Text, int Type)
{
    switch (Type) {
    case EventType::Error: qCCritical(eventLog).noquote() << Text; break;
    case EventType::Warning: qCWarning(eventLog).noquote() << Text; break;
    default: qCInfo(eventLog).noquote() << Text; break;
    }
}

} // namespace Tarvex
