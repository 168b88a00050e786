#pragma once

#include <tarvex/platform/MouseEvents.h>

#include <QPointF>
#include <QString>
#include <QtGlobal>

#include <memory>

namespace Tarvex {

class Timer;

// What the mouse is doing with the grid, between a press and its release. Escaped: Escape ended a
// heading's drag, and the release only comes up.
enum class MouseState { None, ResizingColumn, MovingColumn, SwappingColumn, Selecting, ResizingRow, Escaped };

// The pointer shapes the grid shows: the platform's numbers.
namespace MousePointerShape {
constexpr int Default = 0;
constexpr int SizeNS = 7;  // over a row border
constexpr int SizeWE = 9;  // over a column border
constexpr int Custom = 99; // the hand over cells that ask for it
} // namespace MousePointerShape

// The mouse and keyboard input's own state; the painter reads what it shows pressed or hot.
struct InputState {
    MouseState m_MouseState { MouseState::None }; // set by SetMouseState alone (input/mouse/Mouse.cpp)
    int m_MouseCol { -1 };                // cell under the mouse; -1 = none
    int m_MouseRow { -1 };                //   (row position)
    QPointF m_MouseAt { -1, -1 };         // the pointer's last place in the grid's pixels; set by every move
    bool m_DragSelect { false };          // the mouse button is held down on a cell (set by the mouse input)
    int m_DownRow { -1 };                 //   row position of that press; -1 = the press was not on a row
    int m_DragAnchor { -1 };              //   row the rows selected by dragging run from: the pressed row, or
                                          //   the current one of a Shift press; -1 = none (reset by EndPress)
    int m_DownCol { -1 };                 // header position where the left button went down; -1 = none
    int m_DownX { 0 };                    // pointer x at the last press
    int m_DownY { 0 };                    //   and its y
    int m_SizeCol { -1 };                 // position whose right border is under the pointer or dragged; -1 = none
    int m_SizeColLeft { 0 };              //   x its width is measured from while it is dragged
    int m_SizeRow { -1 };                 // row position whose bottom border is under the pointer or dragged; -1 = none
    int m_SizeRowTop { 0 };               //   y its height is measured from while it is dragged
    bool m_BorderScan { false };          // the border scan of a move runs; moves arriving meanwhile are dropped
    int m_DragCol { -1 };                 // header position being dragged to a new place; -1 = none
    int m_SwapCol { -1 };                 // header position being dragged to swap with another; -1 = none
    int m_NavCol { -1 };                  // column position last chosen by navigation or by a release over a
                                          //   cell; made current again after a column move; -1 = none
    int m_HotHeaderCol { -1 };            // header position the mouse painted hot; -1 = none (ShowHotHeader)
    quint64 m_HotHeaderPaint { 0 };       //   m_HeaderPaints when it was painted: a full header paint since
                                          //   drew it plain again (HotHeader)
    int m_DragSourceCol { -1 };           // header positions of a column drag or swap, painted pressed;
    int m_DragTargetCol { -1 };           //   -1 = none (set by the mouse move, reset by the release and Clear)
    qint16 m_AutoScrollDir { 0 };         // running drag auto-scroll: 0 none, 1 up, 2 down (the mouse handler clears it)
    Timer* m_AutoScrollTimer { nullptr }; // paces the drag auto-scroll; made by its first start
    std::unique_ptr<ClickSequence> m_Clicks; // the grid surface's presses as MouseDown, MouseUp, Click, DblClick
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
