#pragma once

#include "grid/layout/GridLayout.h"

#include <algorithm>
#include <climits>

namespace Tarvex {

// Layout sums are taken wide and held to the int range, so a huge setting lays out far off the
// surface instead of wrapping around onto it.
inline int Saturated(double Value)
{
    return int(std::clamp(Value, double(INT_MIN), double(INT_MAX)));
}

// The tallest row or header and the widest column the grid lays out, in pixels: the largest window
// Qt makes. A page of them summed onto a top in int stays far from the end of the int range.
constexpr int MaxLayoutPixels = 16777215;

// A row or header less than a pixel high would let one page take every row of the grid.
inline int LayoutHeight(double Pixels)
{
    return int(std::clamp(Pixels, 1.0, double(MaxLayoutPixels)));
}

// The pixel measurements the grid lays out from; only CalcMetrics writes them.
struct GridMetrics {
    int DrawTextFlags { 0 };       // extra text-drawing flags for cell text: 262144 (word ellipsis) or 0
    int CheckBoxSize { 0 };        // side of the row check box: 16, or the row height less 4 in low rows
    bool HasImageList { false };   // an image list is bound
    int ImageHeight { 0 };         // the bound image list's image size; kept when none is bound
    int ImageWidth { 0 };
    int ImageLeft { 3 };           // x inside the first display column where a row image starts
    int TextLeft { 3 };            // x inside the first display column where cell content starts
    int HeaderHeight { 0 };        // y where the first data row starts: caption bar plus header row
    int HeaderTextHeight { 0 };    // height of a line of header text
    int CaptionHeight { 0 };       // height of the caption bar; 0 without a caption
};

// The layout the grid works out from its settings and rows; CalcMetrics and the painter keep it.
struct GridLayoutState {
    GridMetrics m_Metrics;                // pixel layout, recomputed by CalcMetrics
    int m_RowHeightDef { 0 };             // default row height in pixels, set by CalcMetrics; 0 = work it out
    mutable GridLayout m_Layout;          // where columns and rows lie; see Layout(), which keeps it current
    int m_ImageRowHint { -1 };            // record last found with a row image; -1 = none
};

} // namespace Tarvex
