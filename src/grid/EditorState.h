#pragma once

#include <QtGlobal>

class QLineEdit;

namespace Tarvex {

// The key code of Down, which the keyboard input leaves in m_EditKey; the painter then keeps the
// new current row in view past tall rows.
inline constexpr qint16 DownKey = 40;

// The in-place editor and the cell it edits.
struct EditorState {
    QLineEdit* txtEdit { nullptr };       // the in-place editor; hidden until an edit opens
    bool m_EditOpen { false };            // the in-place editor is showing
    int m_EditCol { -1 };                 // cell of the open in-place editor; -1 = none
    int m_EditRow { -1 };                 //   (row position)
    qint16 m_EditKey { 0 };               // key code the editor opens with (set by the keyboard and mouse input)
};

} // namespace Tarvex
