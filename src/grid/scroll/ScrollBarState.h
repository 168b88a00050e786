#pragma once

#include "grid/scroll/ScrollInfo.h"

class QScrollBar;
class QWidget;

namespace Tarvex {

// The scroll-bar layer: bar 0 is the horizontal bar, 1 the vertical one.
struct ScrollBarState {
    QWidget* m_hWndScroll { nullptr };    // surface whose bars are driven; null until SBAttach
    QScrollBar* m_ScrollBar[2] { nullptr, nullptr }; // children of the surface
    ScrollInfo m_ScrollInfo[2];           // the platform's record of each bar
    bool m_StdScrollBars { false };       // standard look instead of the flat one; once set, kept
    int m_FlatSBStyle { 0 };              // flat style last applied: 0 regular, 1 and 2 flat
    bool m_HScrollShown { false };        // the layer's record of what shows
    bool m_VScrollShown { false };
    int m_ScrollBarWaits[2] { 0, 0 };     // signals of each bar being handled, whose sender goes on afterwards
};

} // namespace Tarvex
