#pragma once

#include <QString>

namespace Tarvex {

// Kinds of entries of the application's event log; the numbers are the platform's own.
namespace EventType {
constexpr int Error = 1;
constexpr int Warning = 2;
constexpr int Information = 4;
} // namespace EventType

// Writes one entry to the application's event log: the logging category "tarvex.eventlog", at the
// level of its kind, so that whoever runs the application decides where it goes.
void LogEvent(const QString& Text, int Type = EventType::Information);

} // namespace Tarvex
