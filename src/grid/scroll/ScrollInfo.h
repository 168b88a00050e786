#pragma once

namespace Tarvex {

// The platform's scroll information of one bar.
struct ScrollInfo {
    int Min { 0 };  // range minimum
    int Max { 0 };  // range maximum: the last page's top position plus the page less 1
    int Page { 0 }; // page size, the large change
    int Pos { 0 };  // position
};

// Bar 0 is the horizontal bar, 1 the vertical one.
inline bool IsBar(int Bar) { return Bar == 0 || Bar == 1; }

} // namespace Tarvex
