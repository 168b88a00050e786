#pragma once

#include <QString>
#include <QtGlobal>

namespace Tarvex {

// What the mouse is doing with the grid, between a press and its release.
enum class MouseState { None, ResizingColumn, MovingColumn, SwappingColumn, Selecting, ResizingRow };

// The mouse and keyboard input's own state; the painter reads what it shows pressed or hot.
struct InputState {
    MouseState m_MouseState { MouseState::None }; // set by the mouse input
    int m_MouseCol { -1 };                // cell under the mouse; -1 = none
    int m_MouseRow { -1 };                //   (row position)
    bool m_DragSelect { false };          // the mouse button is held down on a cell (set by the mouse input)
    int m_DownRow { -1 };                 //   row position of that press; -1 = none
    int m_HotHeaderCol { -1 };            // header position painted hot by the mouse; -1 = none
    int m_DragSourceCol { -1 };           // header position of a column drag or swap, painted pressed;
                                          //   -1 = none (set by the mouse input)
    qint16 m_AutoScrollDir { 0 };         // running drag auto-scroll: 0 none, 1 up, 2 down (the mouse handler clears it)
    bool m_MouseInside { false };         // the pointer is inside the grid: set by its first move, cleared
                                          //   when it leaves (the window-message hook)
    bool m_English { false };             // the user's language is English; read by the focus repaint of
                                          //   the window-message hook
    qint16 m_MouseShift { 0 };            // Shift state of the last key or mouse event: 1 Shift, 2 Ctrl, 4 Alt
    bool m_CtrlCombo { false };           // Ctrl+A, Ctrl+C or Ctrl+V (or Space on row check boxes) went down
                                          //   and no key came up since: no type-ahead meanwhile
    QString m_SearchText;                 // the type-ahead text typed so far
    quint32 m_SearchTime { 0 };           //   TickCount() of its last key; a second's pause starts a new text
};

} // namespace Tarvex
