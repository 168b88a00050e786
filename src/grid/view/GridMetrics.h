#pragma once

namespace Tarvex {

// The pixel measurements the grid lays out from; recomputed by CalcMetrics, read everywhere else.
struct GridMetrics {
    int DrawTextFlags { 0 };       // extra text-drawing flags for cell text (word ellipsis)
    int CheckBoxSize { 0 };        // side of the row check box
    bool HasImageList { false };   // an image list is bound
    int ImageHeight { 0 };
    int ImageWidth { 0 };
    int ImageLeft { 0 };           // x inside the first column where a row image starts
    int TextLeft { 3 };            // x inside the first column where cell content starts
    int HeaderHeight { 0 };        // y where the first data row starts
    int HeaderTextHeight { 0 };
    int CaptionHeight { 0 };
};

} // namespace Tarvex
