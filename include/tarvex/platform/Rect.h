#pragma once

namespace Tarvex {

// A rectangle as the platform's drawing calls take it: Right and Bottom lie just outside.
struct Rect {
    int Left { 0 };
    int Top { 0 };
    int Right { 0 };
    int Bottom { 0 };

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace Tarvex
