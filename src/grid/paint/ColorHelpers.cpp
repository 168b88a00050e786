#include "grid/paint/DrawingHelpers.h"

#include <tarvex/platform/OleColor.h>

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace Tarvex {
namespace {

constexpr qint32 NoColor = -1;
// The system colour indices the palette can answer (see TranslateOleColor of the platform).
constexpr quint32 SystemColorCount = 31;

qint32 FromChannels(qint32 Red, qint32 Green, qint32 Blue) { return Red + 256 * Green + 65536 * Blue; }

} // namespace

bool TranslateOleColor(qint32 Color, const QPalette& Palette, qint32& Result)
{
    const quint32 ole = quint32(Color);
    if ((ole & SystemColorFlag) && (ole & ~SystemColorFlag) >= SystemColorCount) {
        Result = NoColor;
        return false;
    }
    Result = qint32(ToOleColor(Tarvex::TranslateOleColor(ole, Palette)));
    return true;
}

bool TranslateOleColor(qint32 Color, qint32& Result)
{
    return TranslateOleColor(Color, QGuiApplication::palette(), Result);
}

qint32 BlendColor(qint32 C1, qint32 C2, qint32 Alpha)
{
    qint32 channels[3] {};
    for (int k = 0; k < 3; ++k) {
        const double a = double((C1 >> (8 * k)) & 255) * Alpha / 255.0;
        const double b = double((C2 >> (8 * k)) & 255) * (255 - Alpha) / 255.0;
        channels[k] = qint32(std::nearbyint(a + b));
    }
    return FromChannels(channels[0], channels[1], channels[2]);
}

qint32 ShiftColor(qint32 Color, qint16 Delta, const QPalette& Palette)
{
    qint32 c = 0;
    TranslateOleColor(Color, Palette, c);
    const auto channel = [&](qint32 Divisor) { return std::clamp((c / Divisor & 255) + Delta, 0, 255); };
    return FromChannels(channel(1), channel(256), channel(65536));
}

qint32 ShiftColor(qint32 Color, qint16 Delta) { return ShiftColor(Color, Delta, QGuiApplication::palette()); }

qint32 AdjustColor(qint32 Color, qint32 Delta)
{
    const auto adjusted = [Delta](qint32 Channel) {
        const qint64 value = qint64(Channel) + Delta;
        if (Delta >= 1)
            return qint32(std::min<qint64>(value, 255));
        if (Delta < 0)
            return qint32(std::max<qint64>(value, 0));
        return Channel;
    };
    const qint32 r = adjusted(Color & 255);
    const qint32 g = adjusted(Color / 256 % 256);
    const qint32 b = adjusted(Color / 65536 % 256);
    return FromChannels(r, g, b);
}

} // namespace Tarvex
