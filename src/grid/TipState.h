#pragma once

#include <QString>

namespace Tarvex {

class PictureBox;

// The hover tip that shows a cut cell text in full.
struct TipState {
    PictureBox* picToolTip { nullptr };   // the hover tip's own window; hidden until a tip shows
    bool m_TipFontBold { false };         // the control font's look at creation and load, which the hover tip takes
    bool m_TipFontItalic { false };
    QString m_TipFontName;
};

} // namespace Tarvex
