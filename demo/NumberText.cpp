#include "NumberText.h"

#include <charconv>

namespace Tarvex::Demo {

QString ShortestNumberText(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return QString();
    return QString::fromLatin1(buffer, end - buffer);
}

} // namespace Tarvex::Demo
