#pragma once

#include <QLocale>

namespace Tarvex {

// A value derived from the default locale, such as its separators. Reading them from QLocale builds
// strings, so the value is kept per thread and made anew only when the default locale has changed.
template <typename Value, Value (*Make)(const QLocale&)>
Value& OfDefaultLocale()
{
    thread_local QLocale cached;
    thread_local Value value = Make(cached);
    const QLocale current;
    if (current != cached) {
        cached = current;
        value = Make(current);
    }
    return value;
}

} // namespace Tarvex
